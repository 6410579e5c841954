// The editor control of ControlTest (400 x 320 pixels, screen origin 100,
// 100; cells of 8 x 16 pixels, the text from x 32; the fake system's work
// area 1024 x 768), focused, with keys sent as the window system sends them.
#pragma once

#include <cctype>
#include <string>
#include <vector>

#include "platform/virtual_keys.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {

class KeyedEditorTest : public ControlTest {
 protected:
  KeyedEditorTest() { window.SetFocused(true); }

  // A fresh text with the caret at (x, y) and nothing to undo.
  void SetText(const std::vector<std::string>& lines, TPoint caret) {
    edit.Lines().Clear();
    for (const std::string& line : lines) edit.Lines().Add(line);
    edit.ClearUndo();
    edit.SetCaretXY(caret);
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int i = 1; i <= edit.LineCount(); ++i) lines.push_back(edit.LineText(i));
    return lines;
  }
  // Each character as the key that types it on a US keyboard.
  void Type(const std::string& text) {
    for (char c : text) {
      const auto u = static_cast<unsigned char>(c);
      if (std::isalpha(u)) window.SendKey(static_cast<std::uint16_t>(std::toupper(u)), {}, std::string(1, c));
      else if (c == '.') window.SendKey(VK_OEM_PERIOD, {}, ".");
      else if (c == '(') window.SendKey('9', ssShift, "(");
      else if (c == ' ') window.SendKey(VK_SPACE, {}, " ");
      else FAIL() << "no key for " << c;
    }
  }
  void Key(std::uint16_t key, const std::string& text = {}) { window.SendKey(key, {}, text); }
};

}  // namespace kau::editor::testing
