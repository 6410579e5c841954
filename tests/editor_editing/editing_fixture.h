// The editor control on the fake window, with helpers to drive commands as
// key presses would and to read the text back as lines.
#pragma once

#include <string>
#include <vector>

#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {

class EditingTest : public ControlTest {
 protected:
  // A fresh text: the caret at its start and nothing to undo.
  void SetLines(std::initializer_list<const char*> lines) {
    ControlTest::SetLines(lines);
    edit.ClearUndo();
    edit.SetCaretXY({1, 1});
  }
  void Cmd(TSynEditorCommand Command, char AChar = '\0', void* Data = nullptr) {
    edit.CommandProcessor(Command, AChar, Data);
  }
  void Type(const std::string& Text) {
    for (char c : Text) Cmd(ecChar, c);
  }
  std::vector<std::string> Text() const {
    std::vector<std::string> lines;
    for (int i = 1; i <= edit.LineCount(); ++i) lines.push_back(edit.LineText(i));
    return lines;
  }
  void Select(TPoint From, TPoint To) {
    edit.SetCaretXY(To);
    edit.SetBlockBegin(From);
    edit.SetBlockEnd(To);
  }
  using Lines = std::vector<std::string>;
};

}  // namespace kau::editor::testing
