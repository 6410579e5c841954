// The mouse: clicks, Shift and Alt, a press in the selection, gutter clicks,
// double clicks and the scrolling while a selection is dragged past the
// text.
#include <string>
#include <vector>

#include "platform/virtual_keys.h"
#include "tests/editor_control/entry_fixture.h"

namespace kau::editor::testing {
namespace {

struct MouseLog {
  std::vector<std::string> seen;
  void Click(TObject*) { seen.push_back("click"); }
  void Up(TObject*, TMouseButton, TShiftState, int, int) { seen.push_back("up"); }
  void Gutter(TObject*, TMouseButton Button, int, int, int Line, TSynEditMark* Mark) {
    seen.push_back("gutter " + std::to_string(Button) + " line " + std::to_string(Line) + " mark " +
                   (Mark ? std::to_string(Mark->BookmarkNumber()) : std::string("none")));
  }
};

class MouseTest : public EntryTest {
 protected:
  void Press(int x, int y, TShiftState shift = {}, TMouseButton button = mbLeft) {
    edit.MouseDown(button, shift | (button == mbLeft ? ssLeft : ssRight), x, y);
  }
  void Release(int x, int y, TShiftState shift = {}, TMouseButton button = mbLeft) {
    edit.MouseUp(button, shift, x, y);
  }
  void ClickAt(int column, int line, TShiftState shift = {}) {
    Press(XOf(column), YOf(line), shift);
    Release(XOf(column), YOf(line), shift);
  }
  MouseLog log;
};

TEST_F(MouseTest, ClicksPlaceTheCaretShiftExtendsAndAltChoosesColumns) {
  SetLines({"abcdef", "ghijkl"});
  edit.OnClick = makeMethod<&MouseLog::Click>(&log);
  edit.OnMouseUp = makeMethod<&MouseLog::Up>(&log);
  ClickAt(2, 1);
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 1}));
  EXPECT_EQ(log.seen, (std::vector<std::string>{"click", "up"}));
  EXPECT_TRUE(window.Focused());
  ClickAt(4, 2, ssShift);
  EXPECT_EQ(edit.BlockBegin(), (TPoint{2, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TPoint{4, 2}));
  // A right press with a selection changes nothing.
  Press(XOf(6), YOf(1), {}, mbRight);
  Release(XOf(6), YOf(1), {}, mbRight);
  EXPECT_EQ(edit.CaretXY(), (TPoint{4, 2}));
  EXPECT_TRUE(edit.SelAvail());
  edit.SetOptionFlag(eoAltSetsColumnMode, true);
  ClickAt(1, 1, ssAlt);
  EXPECT_EQ(edit.SelectionMode(), smColumn);
  ClickAt(1, 1);
  EXPECT_EQ(edit.SelectionMode(), smNormal);
  // A release outside the client is no click.
  log.seen.clear();
  Press(XOf(1), YOf(1));
  Release(250, YOf(1));
  EXPECT_EQ(log.seen, (std::vector<std::string>{"up"}));
}

TEST_F(MouseTest, AClickInTheSelectionThatMovesLessThanTheDragDistanceClearsIt) {
  SetLines({"abcdef"});
  edit.SetCaretAndSelection({6, 1}, {2, 1}, {6, 1});
  const int x = 48;  // the left edge of column 3
  Press(x, YOf(1));
  EXPECT_TRUE(edit.SelAvail());  // waiting for a drag
  edit.MouseMove(ssLeft, x + 3, YOf(1) + 3);
  EXPECT_FALSE(edit.Dragging());
  Release(x + 3, YOf(1) + 3);
  EXPECT_FALSE(edit.SelAvail());
  EXPECT_EQ(edit.CaretXY(), (TPoint{3, 1}));
}

TEST_F(MouseTest, AGutterClickReportsTheMarkWhoseSlotHoldsX) {
  SetLines({"a", "b", "c"});
  edit.SetBookMark(1, 1, 2);
  edit.SetBookMark(2, 1, 2);
  edit.OnGutterClick = makeMethod<&MouseLog::Gutter>(&log);
  for (int x : {5, 15, 27}) {
    Press(x, YOf(2));
    Release(x, YOf(2));
  }
  Press(5, YOf(1), {}, mbRight);  // the right button reports at once
  EXPECT_EQ(log.seen, (std::vector<std::string>{"gutter 0 line 2 mark 1", "gutter 0 line 2 mark 2",
                                                "gutter 0 line 2 mark none", "gutter 1 line 1 mark none"}));
}

TEST_F(MouseTest, ADoubleClickSelectsTheIdentifierWithTheCaretAtItsEnd) {
  SetLines({"foo bar_baz qux", "x"});
  edit.OnClick = makeMethod<&MouseLog::Click>(&log);
  ClickAt(7, 1);
  window.SetCursorPos({XOf(7), YOf(1)});
  edit.DblClick();
  Press(XOf(7), YOf(1), ssDouble);
  Release(XOf(7), YOf(1));
  EXPECT_EQ(edit.BlockBegin(), (TPoint{5, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TPoint{12, 1}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{12, 1}));
  EXPECT_EQ(log.seen, (std::vector<std::string>{"click"}));  // the second press is no single press
}

TEST_F(MouseTest, DraggingPastTheBottomScrollsALineStepOrAPagePerTick) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 100; ++i) lines.push_back("line " + std::to_string(i));
  SetLines(lines);
  Press(50, 20);
  edit.MouseMove(ssLeft, 50, 181);
  EXPECT_EQ(edit.ScrollDeltaY(), 3);
  EXPECT_EQ(edit.ScrollDeltaX(), 0);
  ASSERT_TRUE(window.TimerRunning(1));
  EXPECT_EQ(window.TimerInterval(1), 100);
  window.SetCursorPos({50, 181});
  int top = edit.TopLine();
  for (int tick = 0; tick < 2; ++tick) {
    ASSERT_TRUE(window.TickTimer(1));
    EXPECT_EQ(edit.TopLine(), top + 3);
    top = edit.TopLine();
    EXPECT_EQ(edit.BlockEnd().Y, top + 8);
    EXPECT_EQ(edit.BlockBegin(), (TPoint{3, 2}));
  }
  system.Hold(VK_SHIFT);
  ASSERT_TRUE(window.TickTimer(1));
  EXPECT_EQ(edit.TopLine(), top + 27);
  EXPECT_EQ(edit.BlockEnd().Y, edit.TopLine() + 8);
  system.Release(VK_SHIFT);
  Release(50, 181);
  EXPECT_FALSE(window.TimerRunning(1));
  // The text area reaches the client's right edge (x 200): the last
  // columns scroll nothing, past them each cell adds a column.
  edit.SetCaretAndSelection({1, 1}, {1, 1}, {1, 1});
  Press(50, 20);
  edit.MouseMove(ssLeft, 195, 60);
  EXPECT_EQ(edit.ScrollDeltaX(), 0);
  edit.MouseMove(ssLeft, 209, 60);
  EXPECT_EQ(edit.ScrollDeltaX(), 2);
  edit.MouseMove(ssLeft, 20, 60);  // over the gutter
  EXPECT_EQ(edit.ScrollDeltaX(), -2);
  Release(20, 60);
  // Back inside the text the timer stops too.
  Press(50, 20);
  edit.MouseMove(ssLeft, 50, 181);
  edit.MouseMove(ssLeft, 50, 60);
  EXPECT_FALSE(window.TimerRunning(1));
  Release(50, 60);
}

}  // namespace
}  // namespace kau::editor::testing
