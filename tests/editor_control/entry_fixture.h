// An editor control in a fake window of 200 x 150 pixels on the fake system,
// for the tests of what reaches it from outside (keys, mouse, clipboard,
// drags): cells of 8 x 16 pixels, a gutter of 30 pixels, the text from x 32,
// 21 columns and 9 lines in the window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/control/syn_edit.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"

namespace kau::editor::testing {

inline void SetEditorLines(TCustomSynEdit& edit, const std::vector<std::string>& lines) {
  edit.Lines().Clear();
  for (const std::string& line : lines) edit.Lines().Add(line);
}

inline std::vector<std::string> EditorLines(const TCustomSynEdit& edit) {
  std::vector<std::string> lines;
  for (int i = 1; i <= edit.LineCount(); ++i) lines.push_back(edit.LineText(i));
  return lines;
}

class EntryTest : public ::testing::Test {
 protected:
  EntryTest() {
    window.SetClient(&edit);
    edit.CreateWnd(window);
    edit.Gutter().SetWidth(30);
  }
  ~EntryTest() override {
    edit.DestroyWnd();
    window.SetClient(nullptr);
  }

  void SetLines(const std::vector<std::string>& lines) { SetEditorLines(edit, lines); }
  std::vector<std::string> Lines() const { return EditorLines(edit); }
  // The client pixel in the middle of the left half of a cell (column, line
  // on the screen, 1-based, with TopLine and LeftChar at 1).
  static int XOf(int column) { return 32 + (column - 1) * 8 + 2; }
  static int YOf(int line) { return (line - 1) * 16 + 8; }

  platform::FakeSystem system;
  platform::FakeWindow window;
  TSynEdit edit;
};

}  // namespace kau::editor::testing
