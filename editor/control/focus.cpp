// Gaining and losing the focus, and a caret that shows without it.
#include "editor/control/syn_edit.h"

namespace kau::editor {

namespace {
// Commands without an effect of their own, for handlers and hooks to see.
constexpr TSynEditorCommand kFocusGained = 700;
constexpr TSynEditorCommand kFocusLost = 701;
}  // namespace

void TCustomSynEdit::FocusIn() {
  CommandProcessor(kFocusGained, '\0', nullptr);
  InitializeCaret();
  UpdateImeFont();
  if (fHideSelection && GetSelAvail()) Invalidate();
}

void TCustomSynEdit::FocusOut() {
  CommandProcessor(kFocusLost, '\0', nullptr);
  if (!fAlwaysShowCaret && !Focused()) {
    HideCaret();
    if (HandleAllocated()) fHost->DestroyCaret();
    Exclude(sfCaretVisible);
    if (fHideSelection && GetSelAvail()) Invalidate();
  }
}

void TCustomSynEdit::SetAlwaysShowCaret(bool Value) {
  if (fAlwaysShowCaret == Value) return;
  fAlwaysShowCaret = Value;
  if (fDestroying || Focused()) return;
  if (Value) {
    InitializeCaret();
  } else {
    HideCaret();
    if (HandleAllocated()) fHost->DestroyCaret();
    Exclude(sfCaretVisible);
  }
}

}  // namespace kau::editor
