// An editor control in a fake window of 400 x 320 pixels on the fake system:
// cells of 8 x 16 pixels, 46 columns and 20 lines in the window, a gutter of
// 30 pixels and the text from x 32.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "editor/control/syn_edit.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"

namespace kau::editor::testing {

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    platform::SetSystem(&system);
    window.SetClient(&edit);
    edit.CreateWnd(window);
  }
  ~ControlTest() override {
    edit.DestroyWnd();
    window.SetClient(nullptr);
    platform::SetSystem(nullptr);
  }

  void SetLines(std::initializer_list<const char*> lines) {
    edit.Lines().Clear();
    for (const char* line : lines) edit.Lines().Add(line);
  }

  // From now on every OnStatusChange is recorded in the returned list.
  const std::vector<TSynStatusChanges>& RecordStatusChanges() {
    edit.OnStatusChange = makeMethod<&ControlTest::StatusChanged>(this);
    return statusReports;
  }

  platform::FakeSystem system;
  platform::FakeWindow window{{0, 0, 400, 320}};
  std::vector<TSynStatusChanges> statusReports;  // outlives the control
  TSynEdit edit;

 private:
  void StatusChanged(TObject*, TSynStatusChanges Changes) { statusReports.push_back(Changes); }
};

}  // namespace kau::editor::testing
