// The control's side of its window: attaching and detaching, the client
// size, repaint requests, and the window events that have no work yet.
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::CreateWnd(platform::WindowHost& AHost) {
  fHost = &AHost;
  fHost->SetBorder(fBorderStyle == bsSingle);
  if (fOptions & eoDropFiles) fHost->AcceptFiles(true);
  Resized();
}

void TCustomSynEdit::DestroyWnd() {
  if (!fHost) return;
  if (fOptions & eoDropFiles) fHost->AcceptFiles(false);
  fHost->StopTimer(kScrollTimerId);
  fHost = nullptr;
}

int TCustomSynEdit::ClientWidth() const { return fHost ? fHost->ClientRect().Width() : fWidth; }
int TCustomSynEdit::ClientHeight() const { return fHost ? fHost->ClientRect().Height() : fHeight; }

void TCustomSynEdit::InvalidateRect(const TRect& ARect, bool AErase) {
  if (HandleAllocated()) fHost->InvalidateRect(&ARect, AErase);
}

// A hidden control drops the request; its window repaints all when shown.
void TCustomSynEdit::Invalidate() {
  if (HandleAllocated() && IsVisible()) fHost->InvalidateRect(nullptr, false);
}

void TCustomSynEdit::Update() {
  if (HandleAllocated()) fHost->Update();
}

void TCustomSynEdit::SetColor(TColor Value) {
  if (fColor == Value) return;
  fColor = Value;
  Invalidate();
}

void TCustomSynEdit::Resized() { SizeOrFontChanged(false); }

// The mouse and the scroll timer are not handled yet.
void TCustomSynEdit::MouseDown(TMouseButton, TShiftState, int, int) {}
void TCustomSynEdit::MouseMove(TShiftState, int, int) {}
void TCustomSynEdit::MouseUp(TMouseButton, TShiftState, int, int) {}
void TCustomSynEdit::Timer(int) {}

}  // namespace kau::editor
