// The key path: a key press becomes a command through the key handler
// chains and the key-command table; the character that such a key also types
// is dropped once; the input method's result string is inserted whole and
// the characters that echo it are counted off.
#include "editor/control/syn_edit.h"
#include "platform/virtual_keys.h"

namespace kau::editor {

void TCustomSynEdit::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  // Escape ends a drag of the selection before anything else sees it.
  if (fDrag && Key == VK_ESCAPE) {
    Key = 0;
    CancelDrag();
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  fKbdHandler->ExecuteKeyDown(this, Key, Shift);
  void* data = nullptr;
  const TSynEditorCommand command = TranslateKeyCode(Key, Shift, data);
  if (command != ecNone) {
    Key = 0;
    Include(sfIgnoreNextChar);
    CommandProcessor(command, '\0', data);
  } else {
    Exclude(sfIgnoreNextChar);
  }
}

void TCustomSynEdit::KeyPress(char& Key) {
  if (fImeCount > 0) {
    --fImeCount;
    return;
  }
  if (fStateFlags & sfIgnoreNextChar) {
    Exclude(sfIgnoreNextChar);
    return;
  }
  if (OnKeyPress) OnKeyPress(this, Key);
  fKbdHandler->ExecuteKeyPress(this, Key);
  CommandProcessor(ecChar, Key, nullptr);
}

void TCustomSynEdit::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
  fKbdHandler->ExecuteKeyUp(this, Key, Shift);
}

void TCustomSynEdit::ImeResult(const std::string& Text) {
  if (Text.empty()) return;
  fImeCount = static_cast<int>(Text.size());
  std::string buffer = Text;  // NUL-terminated for the command's data
  CommandProcessor(ecImeStr, '\0', buffer.data());
}

void TCustomSynEdit::UpdateImeFont() {
  if (HandleAllocated()) fHost->SetImeFont(fFont->Desc());
}

}  // namespace kau::editor
