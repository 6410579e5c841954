#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

TEST_F(ControlTest, ANewControlLaysItselfOutInItsWindow) {
  EXPECT_EQ(edit.CharWidth(), 8);
  EXPECT_EQ(edit.LineHeight(), 16);
  EXPECT_EQ(edit.CharsInWindow(), 46);
  EXPECT_EQ(edit.LinesInWindow(), 20);
  EXPECT_EQ(edit.GutterWidth(), 30);
  EXPECT_EQ(edit.TextOffset(), 32);
  EXPECT_EQ(edit.Options(), 0x3360092u);
}

}  // namespace
}  // namespace kau::editor::testing
