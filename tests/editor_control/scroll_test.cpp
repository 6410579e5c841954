// Scrolling, the scroll bars, the hint, bringing the caret into view and the
// caret's shapes, on the fake window.
#include <string>

#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

using platform::TScrollInfo;

void FillLines(TSynEdit& edit, int count, const std::string& text = "x") {
  edit.Lines().BeginUpdate();
  for (int i = 0; i < count; ++i) edit.Lines().Add(text);
  edit.Lines().EndUpdate();
}

TEST_F(ControlTest, TopLineStopsAtTheLastWindow) {
  FillLines(edit, 100);
  edit.SetTopLine(1000);
  EXPECT_EQ(edit.TopLine(), 81);
  edit.SetTopLine(-5);
  EXPECT_EQ(edit.TopLine(), 1);
  edit.SetOptionFlag(eoScrollPastEof, true);
  edit.SetTopLine(1000);
  EXPECT_EQ(edit.TopLine(), 100);
}

TEST_F(ControlTest, AStepBelowAWindowScrollsPixelsAndRepaintsOneRow) {
  FillLines(edit, 100, "abc");
  window.ClearInvalidations();
  edit.SetTopLine(2);
  ASSERT_EQ(window.Scrolls().size(), 1u);
  EXPECT_EQ(window.Scrolls()[0].dy, -16);
  EXPECT_EQ(window.InvalidArea(), (TRect{0, 304, 400, 320}));
  const platform::FakeCanvas& canvas = window.PaintNow();
  int rows = 0;
  for (const platform::FakeDrawing& d : canvas.Drawings())
    if (d.kind == platform::FakeDrawing::Text && d.text == "abc" && d.from.Y < 320) {
      ++rows;
      EXPECT_EQ(d.from.Y, 304);
    }
  EXPECT_EQ(rows, 1);
  edit.SetTopLine(60);  // a window or more: everything
  EXPECT_EQ(window.Scrolls().size(), 1u);
  EXPECT_EQ(window.InvalidArea(), (TRect{0, 0, 400, 320}));
}

TEST_F(ControlTest, ALongTextScalesTheBarAndTheThumb) {
  FillLines(edit, 100000);
  edit.SetOptionFlag(eoShowScrollHint, true);
  edit.Scroll(platform::sbVertical, platform::SB_THUMBTRACK, 16384);
  EXPECT_EQ(edit.TopLine(), 50011);
  const auto& bar = window.ScrollBar(platform::sbVertical);
  EXPECT_EQ(bar.info, (TScrollInfo{0, 32767, 7, 16387, true}));
  const auto& hint = window.HintState();
  EXPECT_TRUE(hint.shown);
  EXPECT_EQ(hint.text, "Top Line: 50011");
  EXPECT_EQ(hint.rect.Left, 370);
  EXPECT_EQ(hint.rect.Top, 110);
  EXPECT_EQ(hint.color, clInfoBk);
  edit.Scroll(platform::sbVertical, platform::SB_ENDSCROLL, 0);
  EXPECT_FALSE(window.HintState().shown);
}

TEST_F(ControlTest, AShortTextHasAnUnscaledBar) {
  FillLines(edit, 50);
  EXPECT_EQ(window.ScrollBar(platform::sbVertical).info, (TScrollInfo{1, 50, 20, 1, true}));
  EXPECT_EQ(window.ScrollBar(platform::sbVertical).arrows, platform::ESB_ENABLE_BOTH);
  EXPECT_EQ(window.ScrollBar(platform::sbHorizontal).info, (TScrollInfo{1, 1024, 46, 1, true}));
  edit.SetOptionFlag(eoScrollPastEol, false);
  EXPECT_EQ(window.ScrollBar(platform::sbHorizontal).info, (TScrollInfo{1, 1, 46, 1, true}));
  EXPECT_EQ(window.ScrollBar(platform::sbHorizontal).arrows, platform::ESB_DISABLE_BOTH);
  edit.SetOptionFlag(eoHideShowScrollbars, true);
  EXPECT_FALSE(window.ScrollBar(platform::sbHorizontal).shown);
  EXPECT_TRUE(window.ScrollBar(platform::sbVertical).shown);
  edit.SetScrollBars(ssNone);
  EXPECT_FALSE(window.ScrollBar(platform::sbVertical).shown);
}

TEST_F(ControlTest, BarsWaitForThePaintLockAndMayDisableTheirArrows) {
  FillLines(edit, 100);
  edit.IncPaintLock();
  edit.SetTopLine(30);
  EXPECT_EQ(window.ScrollBar(platform::sbVertical).info.Pos, 1);
  edit.DecPaintLock();
  EXPECT_EQ(window.ScrollBar(platform::sbVertical).info.Pos, 30);
  EXPECT_EQ(window.ScrollBar(platform::sbVertical).arrows, platform::ESB_ENABLE_BOTH);
  edit.SetOptionFlag(eoDisableScrollArrows, true);
  edit.SetTopLine(1);
  EXPECT_EQ(window.ScrollBar(platform::sbVertical).arrows, platform::ESB_DISABLE_LEFT_UP);
  edit.SetTopLine(81);
  EXPECT_EQ(window.ScrollBar(platform::sbVertical).arrows, platform::ESB_DISABLE_RIGHT_DOWN);
  edit.SetTopLine(40);
  EXPECT_EQ(window.ScrollBar(platform::sbVertical).arrows, platform::ESB_ENABLE_BOTH);
}

TEST_F(ControlTest, TheFollowingHintShowsTopAndBottomLines) {
  FillLines(edit, 30);
  edit.SetOptions(edit.Options() | eoScrollPastEof | eoShowScrollHint | eoScrollHintFollows);
  edit.SetScrollHintFormat(shfTopToBottom);
  edit.Scroll(platform::sbVertical, platform::SB_THUMBPOSITION, 25);
  EXPECT_EQ(edit.TopLine(), 25);
  const auto& hint = window.HintState();
  EXPECT_EQ(hint.text, "25 - 30");
  // (320 - 2 × 16) × 25 / 49, rounded, + half the hint's height + the arrow.
  EXPECT_EQ(hint.rect.Top, 100 + 147 + 10 + 16);
}

struct ScrollLog {
  std::vector<TScrollBarKind> bars;
  void Scrolled(TObject*, TScrollBarKind bar) { bars.push_back(bar); }
};

TEST_F(ControlTest, ScrollRequestsMoveByLinesPagesAndEnds) {
  FillLines(edit, 100, std::string(100, 'a'));
  ScrollLog log;
  edit.OnScroll = makeMethod<&ScrollLog::Scrolled>(&log);
  struct Case {
    TScrollBarKind bar;
    platform::TScrollCode code;
    int expected;
  };
  const Case cases[] = {
      {platform::sbVertical, platform::SB_LINEDOWN, 2},   {platform::sbVertical, platform::SB_PAGEDOWN, 22},
      {platform::sbVertical, platform::SB_PAGEUP, 2},     {platform::sbVertical, platform::SB_LINEUP, 1},
      {platform::sbVertical, platform::SB_BOTTOM, 81},    {platform::sbVertical, platform::SB_TOP, 1},
      {platform::sbHorizontal, platform::SB_LINEDOWN, 2}, {platform::sbHorizontal, platform::SB_PAGEDOWN, 48},
      {platform::sbHorizontal, platform::SB_PAGEUP, 2},   {platform::sbHorizontal, platform::SB_THUMBTRACK, 30},
  };
  for (const Case& c : cases) {
    edit.Scroll(c.bar, c.code, 30);
    EXPECT_EQ(c.bar == platform::sbVertical ? edit.TopLine() : edit.LeftChar(), c.expected) << int(c.code);
  }
  EXPECT_EQ(log.bars.size(), std::size(cases));
  edit.SetTopLine(1);
  edit.SetOptionFlag(eoScrollByOneLess, true);
  edit.Scroll(platform::sbVertical, platform::SB_PAGEDOWN, 0);
  EXPECT_EQ(edit.TopLine(), 20);
}

TEST_F(ControlTest, LeftCharMovesOnlyPastTheLongestLine) {
  FillLines(edit, 3, std::string(40, 'a'));
  edit.SetOptionFlag(eoScrollPastEol, false);
  edit.SetLeftChar(10);
  EXPECT_EQ(edit.LeftChar(), 1);
  edit.Lines().Add(std::string(100, 'b'));
  edit.SetLeftChar(1000);
  EXPECT_EQ(edit.LeftChar(), 55);
  EXPECT_EQ(edit.TextOffset(), 32 - 54 * 8);
  edit.SetLeftChar(50);  // a step below the window scrolls the text area
  ASSERT_FALSE(window.Scrolls().empty());
  EXPECT_EQ(window.Scrolls().back().dx, 40);
  EXPECT_EQ(window.Scrolls().back().area, (TRect{32, 0, 400, 320}));
}

TEST_F(ControlTest, LeftCharGrowsMaxLineWidthWhenAutoSized) {
  edit.SetOptions(edit.Options() | eoScrollPastEol | eoAutoSizeMaxLineWidth);
  edit.SetLeftChar(2000);
  EXPECT_EQ(edit.LeftChar(), 2000);
  EXPECT_EQ(edit.MaxLineWidth(), 2046);
  edit.SetLeftChar(INT32_MAX);
  EXPECT_EQ(edit.LeftChar(), INT32_MAX - 46);
  EXPECT_EQ(edit.MaxLineWidth(), INT32_MAX - 1);
}

TEST_F(ControlTest, TheCaretComesIntoView) {
  FillLines(edit, 100, std::string(100, 'a'));
  edit.SetCaretXY({1, 21});  // one line below the window
  EXPECT_EQ(edit.TopLine(), 2);
  edit.SetCaretXY({80, 21});
  EXPECT_EQ(edit.LeftChar(), 80 - 46 + 1);
  edit.SetCaretXY({1, 1});
  EXPECT_EQ(edit.TopLine(), 1);
  EXPECT_EQ(edit.LeftChar(), 1);

  edit.SetTopLine(50);
  edit.SetCaretXYEx(false, {1, 49});
  edit.EnsureCursorPosVisibleEx(true);
  EXPECT_EQ(edit.TopLine(), 40);
  edit.SetCaretXYEx(false, {1, 80});
  edit.EnsureCursorPosVisibleEx(true);
  EXPECT_EQ(edit.TopLine(), 71);
  edit.SetCaretXYEx(false, {1, 75});
  edit.EnsureCursorPosVisibleEx(true);
  EXPECT_EQ(edit.TopLine(), 71);
}

TEST_F(ControlTest, TheCaretTakesItsShapeAndPlace) {
  SetLines({"abc", "def"});
  window.SetFocused(true);
  auto caret = [this] { return window.CaretState(); };
  EXPECT_TRUE(caret().created);
  EXPECT_TRUE(caret().shown);
  EXPECT_EQ(caret().size, (TSize{2, 14}));
  EXPECT_EQ(caret().pos, (TPixelPoint{31, 1}));
  EXPECT_EQ(window.ImePosition(), (TPixelPoint{31, 1}));
  struct Shape {
    TSynEditCaretType type;
    TSize size;
    TPixelPoint pos;
  };
  const Shape shapes[] = {{ctBlock, {8, 14}, {40, 17}},
                          {ctHorizontalLine, {8, 2}, {40, 31}},
                          {ctHalfBlock, {8, 7}, {40, 24}},
                          {ctVerticalLine, {2, 14}, {39, 17}}};
  edit.SetCaretXY({2, 2});
  edit.SetInsertMode(false);
  for (const Shape& s : shapes) {
    edit.SetOverwriteCaret(s.type);
    EXPECT_EQ(caret().size, s.size) << int(s.type);
    EXPECT_EQ(caret().pos, s.pos) << int(s.type);
  }
  edit.SetInsertMode(true);
  edit.SetOptionFlag(eoScrollPastEol, true);
  edit.SetCaretXY({30, 1});
  edit.SetLeftChar(3);  // column 2 now lies under the gutter
  edit.SetCaretXYEx(false, {1, 1});
  edit.Update();
  EXPECT_FALSE(caret().shown);
  window.SetFocused(false);
  EXPECT_FALSE(caret().created);
}

}  // namespace
}  // namespace kau::editor::testing

namespace kau::editor::testing {
namespace {

TEST_F(ControlTest, UnderAPaintLockAScrollWaitsAndMovesThePixelsOnce) {
  FillLines(edit, 100, "abc");
  window.ClearInvalidations();
  edit.BeginUpdate();
  for (int top = 2; top <= 6; ++top) edit.SetTopLine(top);
  EXPECT_EQ(edit.TopLine(), 6);
  EXPECT_TRUE(edit.ScrollPending());
  EXPECT_TRUE(window.Scrolls().empty());
  edit.EndUpdate();
  ASSERT_EQ(window.Scrolls().size(), 1u);
  EXPECT_EQ(window.Scrolls()[0].dy, -5 * 16);
  EXPECT_FALSE(edit.ScrollPending());

  // A walk that ends a window or more away repaints everything, once.
  window.ClearInvalidations();
  edit.BeginUpdate();
  for (int top = 7; top <= 60; ++top) edit.SetTopLine(top);
  edit.SetTopLine(58);
  edit.EndUpdate();
  EXPECT_EQ(window.Scrolls().size(), 1u);
  EXPECT_EQ(window.Invalidations(), (std::vector<TRect>{{0, 0, 400, 320}}));

  // There and back moves nothing; sideways moves the text area once.
  window.ClearInvalidations();
  edit.BeginUpdate();
  edit.SetTopLine(70);
  edit.SetTopLine(58);
  for (int left = 2; left <= 4; ++left) edit.SetLeftChar(left);
  EXPECT_EQ(window.Scrolls().size(), 1u);
  edit.EndUpdate();
  ASSERT_EQ(window.Scrolls().size(), 2u);
  EXPECT_EQ(window.Scrolls()[1].dx, -3 * 8);
  EXPECT_EQ(window.Scrolls()[1].dy, 0);
  EXPECT_EQ(window.Scrolls()[1].area, (TRect{32, 0, 400, 320}));
  EXPECT_TRUE(window.Invalidations().empty());
}

// An event loop run inside a lock (a dialog) may paint while a scroll waits.
TEST_F(ControlTest, APaintWhileAScrollWaitsAsksForEverythingAfresh) {
  FillLines(edit, 100, "abc");
  edit.BeginUpdate();
  edit.SetTopLine(5);
  window.ClearInvalidations();
  window.PaintNow(true);
  EXPECT_FALSE(edit.ScrollPending());
  EXPECT_EQ(window.Invalidations(), (std::vector<TRect>{{0, 0, 400, 320}}));
  edit.EndUpdate();
  EXPECT_TRUE(window.Scrolls().empty());
}

TEST_F(ControlTest, ARepaintHeldForALineChangeFollowsAScrollMadeMeanwhile) {
  FillLines(edit, 100, "abc");
  window.ClearInvalidations();
  edit.LinesChanging(&edit.Lines());
  edit.InvalidateLines(10, 10);  // the row at y 144
  edit.SetTopLine(3);
  EXPECT_EQ(edit.CollectedInvalidRect(), (TRect{30, 112, 400, 128}));
  edit.SetLeftChar(3);  // the text area's part moves left, the margin's stays
  EXPECT_EQ(edit.CollectedInvalidRect(), (TRect{30, 112, 384, 128}));
  edit.SetTopLine(30);  // out of the window
  EXPECT_EQ(edit.CollectedInvalidRect(), TRect{});
  edit.SetTopLine(4);
  edit.InvalidateLine(5);
  EXPECT_EQ(edit.CollectedInvalidRect(), (TRect{0, 16, 400, 32}));
  EXPECT_TRUE(window.Scrolls().empty());
  edit.LinesChanged(&edit.Lines());
  // The pixels move first; the held rows are asked for where they are now.
  ASSERT_EQ(window.Scrolls().size(), 2u);
  EXPECT_EQ(window.Scrolls()[0].dx, -16);
  EXPECT_EQ(window.Scrolls()[1].dy, -3 * 16);
  EXPECT_EQ(window.Scrolls()[1].invalidationsBefore, 0u);
  EXPECT_EQ(window.Invalidations().back(), (TRect{0, 16, 400, 32}));
}

TEST_F(ControlTest, AnEditThatScrollsMovesThePixelsOnceAfterTheChange) {
  FillLines(edit, 100, "abc");
  edit.SetCaretXY({4, 20});  // the last row of the window
  window.ClearInvalidations();
  edit.CommandProcessor(ecLineBreak, '\0', nullptr);
  EXPECT_EQ(edit.TopLine(), 2);
  ASSERT_EQ(window.Scrolls().size(), 1u);
  EXPECT_EQ(window.Scrolls()[0].dy, -16);
  // The new line's row is asked for after the scroll, in the scrolled
  // window: line 21 is on the last row now.
  EXPECT_EQ(window.Scrolls()[0].invalidationsBefore, 0u);
  const TRect after = window.Invalidations().back();
  EXPECT_EQ(after.Top, 19 * 16);
  EXPECT_EQ(after.Bottom, 320);
}

}  // namespace
}  // namespace kau::editor::testing
