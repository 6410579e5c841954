// The system caret that marks the caret position on the screen, and the
// input method's composition window that follows it.
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::InitializeCaret() {
  const TSynEditCaretType type = fInserting ? fInsertCaret : fOverwriteCaret;
  int width = fCharWidth, height = 2;
  switch (type) {
    case ctHorizontalLine:
      height = 2;
      fCaretOffset = {0, fTextHeight - 2};
      break;
    case ctHalfBlock:
      height = (fTextHeight - 2) / 2;
      fCaretOffset = {0, height};
      break;
    case ctBlock:
      height = fTextHeight - 2;
      fCaretOffset = {0, 0};
      break;
    case ctVerticalLine:
      width = 2;
      height = fTextHeight - 2;
      fCaretOffset = {-1, 0};
      break;
  }
  Exclude(sfCaretVisible);
  if (HandleAllocated() && (Focused() || fAlwaysShowCaret)) {
    fHost->CreateCaret(width, height);
    UpdateCaret();
  }
}

void TCustomSynEdit::UpdateCaret() {
  if (fPaintLock != 0 || (!Focused() && !fAlwaysShowCaret)) {
    Include(sfCaretChanged);
    return;
  }
  Exclude(sfCaretChanged);
  if (!HandleAllocated()) return;
  const TPixelPoint p{ClampToInt(std::int64_t{CaretXPix()} + fCaretOffset.X),
                      ClampToInt(std::int64_t{CaretYPix()} + fCaretOffset.Y + 1)};
  fHost->SetCaretPos(p.X, p.Y);
  const TRect area{fGutterWidth, 0, ClientWidth(), ClientHeight()};
  if (p.X >= area.Left && p.X < area.Right && p.Y >= area.Top && p.Y < area.Bottom) ShowCaret();
  else HideCaret();
  fHost->SetImePosition(p);
}

void TCustomSynEdit::ShowCaret() {
  if ((fOptions & eoNoCaret) || (fStateFlags & sfCaretVisible) || !HandleAllocated()) return;
  if (fHost->ShowCaret()) Include(sfCaretVisible);
}

void TCustomSynEdit::HideCaret() {
  if ((fStateFlags & sfCaretVisible) && HandleAllocated() && fHost->HideCaret()) Exclude(sfCaretVisible);
}

}  // namespace kau::editor
