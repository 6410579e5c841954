// A real editor control on the headless back end, for the commands that
// act on the active editor. The services installed before are restored.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "editor/control/syn_edit.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"

namespace kau::ide::testing {

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : previous_(&platform::System()) {
    platform::SetSystem(&system);
    window.SetClient(&edit);
    edit.CreateWnd(window);
  }
  ~EditorTest() override {
    edit.DestroyWnd();
    window.SetClient(nullptr);
    platform::SetSystem(previous_);
  }

  void SetLines(std::initializer_list<const char*> lines) {
    edit.Lines().Clear();
    for (const char* line : lines) edit.Lines().Add(line);
  }
  void Select(int start, int end) {
    edit.SetSelStart(start);
    edit.SetSelEnd(end);
  }

  platform::SystemServices* previous_;
  platform::FakeSystem system;
  platform::FakeWindow window{{0, 0, 400, 320}};
  editor::TSynEdit edit;
};

}  // namespace kau::ide::testing
