// The control's side of its window: attaching and detaching, the client
// size, repaint requests, dropped files, the dialog codes and the clipboard
// and undo messages as calls.
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
  // A drag of this editor's text ends with its window, without a drop.
  fDrag.reset();
  fDragTarget = false;
  fHost = nullptr;
}

int TCustomSynEdit::ClientWidth() const { return fHost ? fHost->ClientRect().Width() : fWidth; }
int TCustomSynEdit::ClientHeight() const { return fHost ? fHost->ClientRect().Height() : fHeight; }

// While a line-store change is open or a scroll waits, the request is held
// (scroll_pending.cpp).
void TCustomSynEdit::InvalidateRect(const TRect& ARect, bool AErase) {
  if (!HandleAllocated()) return;
  if (HoldsRepaints()) fInvalidateRect = UnionRect(fInvalidateRect, ARect);
  else fHost->InvalidateRect(&ARect, AErase);
}

// A hidden control drops the request; its window repaints all when shown.
void TCustomSynEdit::Invalidate() {
  if (HandleAllocated() && IsVisible()) fHost->InvalidateRect(nullptr, false);
}

// The pixels first follow a scroll that waits, so that the paint finds them
// where the window is now.
void TCustomSynEdit::Update() {
  ShowPendingScroll();
  if (HandleAllocated()) fHost->Update();
}

void TCustomSynEdit::SetColor(TColor Value) {
  if (fColor == Value) return;
  fColor = Value;
  Invalidate();
}

void TCustomSynEdit::Resized() { SizeOrFontChanged(false); }

void TCustomSynEdit::DropFiles(int X, int Y, const std::vector<std::string>& Names) {
  if (OnDropFiles) OnDropFiles(this, X, Y, Names);
}

unsigned TCustomSynEdit::DialogCodes() const {
  unsigned codes = platform::DLGC_WANTARROWS | platform::DLGC_WANTCHARS;
  if (fWantTabs) codes |= platform::DLGC_WANTTAB;
  if (fWantReturns) codes |= platform::DLGC_WANTALLKEYS;
  return codes;
}

int TCustomSynEdit::WMClear() {
  if (!ReadOnly()) SetSelTextExternal("");
  return 0;
}

int TCustomSynEdit::WMCopy() {
  CopyToClipboard();
  return 1;
}

int TCustomSynEdit::WMCut() {
  if (!ReadOnly()) CutToClipboard();
  return 1;
}

int TCustomSynEdit::WMPaste() {
  if (!ReadOnly()) PasteFromClipboard();
  return 1;
}

int TCustomSynEdit::WMUndo() {
  Undo();
  return 0;
}

}  // namespace kau::editor
