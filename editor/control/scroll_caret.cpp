// The system caret that marks the caret position on the screen.
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::InitializeCaret() {}

void TCustomSynEdit::UpdateCaret() {
  if (fPaintLock != 0 || (!Focused() && !fAlwaysShowCaret)) {
    Include(sfCaretChanged);
    return;
  }
  Exclude(sfCaretChanged);
}

void TCustomSynEdit::ShowCaret() {
  if ((fOptions & eoNoCaret) || (fStateFlags & sfCaretVisible) || !HandleAllocated()) return;
  if (fHost->ShowCaret()) Include(sfCaretVisible);
}

void TCustomSynEdit::HideCaret() {
  if ((fStateFlags & sfCaretVisible) && HandleAllocated() && fHost->HideCaret()) Exclude(sfCaretVisible);
}

}  // namespace kau::editor
