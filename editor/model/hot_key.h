// TSynHotKey: a one-line edit in which the user presses a key combination and
// sees its text ("Ctrl+A"); the shortcut is that text. This is its behaviour
// without a window system: a back end forwards the key events and keeps the
// text and caret by overriding the edit hooks at the bottom.
#pragma once

#include <cstdint>
#include <string>

#include "editor/model/shortcut.h"
#include "platform/shift_state.h"

namespace kau::editor {

class TSynHotKey {
 public:
  virtual ~TSynHotKey() = default;

  // The edit asks the dialog for Tab keys, so Tab is a combination too.
  static constexpr int DLGC_WANTTAB = 2;

  TShortCut GetHotKey() const { return TextToShortCut(GetText()); }
  // The value's text, "None" for 0; the caret goes to its end.
  void SetHotKey(TShortCut Value);

  // The text becomes the held modifiers and the key ("Ctrl+Alt+A"; a
  // modifier key alone adds nothing after "Ctrl+").
  void KeyDown(std::uint16_t Key, TShiftState Shift);
  // Once a key combination is shown the character is swallowed (false);
  // otherwise the edit takes it (true).
  bool KeyPress(char Key);
  // Only modifiers shown when keys are released or the focus leaves: "None".
  void KeyUp(std::uint16_t Key, TShiftState Shift);
  void DoExit();

  // The edit underneath: its text (code page 1252) and caret. This one keeps
  // them itself and takes printable characters at the caret.
  virtual std::string GetText() const { return fText; }
  virtual void SetText(const std::string& Value) { fText = Value; }
  virtual int GetSelStart() const { return fSelStart; }
  virtual void SetSelStart(int Value) { fSelStart = Value; }

 protected:
  virtual void EditKeyPress(char Key);

 private:
  void ShowText(const std::string& Value);
  void NoneWhenOnlyModifiers();

  std::string fText;
  int fSelStart = 0;
};

}  // namespace kau::editor
