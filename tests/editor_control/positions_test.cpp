#include <climits>

#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

TEST_F(ControlTest, OffsetsCountEveryLineBreakAsTwo) {
  SetLines({"ab", "cde"});
  struct Case {
    TPoint pos;
    int offset;
  };
  for (const Case& c : {Case{{1, 1}, 0}, Case{{3, 1}, 2}, Case{{4, 1}, 3}, Case{{1, 2}, 4}, Case{{1, 3}, 9},
                        Case{{4, 2}, 7}}) {
    EXPECT_EQ(edit.RowColToCharIndex(c.pos), c.offset) << c.pos.X << "," << c.pos.Y;
    EXPECT_EQ(edit.CharIndexToRowCol(c.offset), c.pos) << c.offset;
  }
  // Past the text, and bad input, clamp.
  EXPECT_EQ(edit.CharIndexToRowCol(500), (TPoint{1, 3}));
  EXPECT_EQ(edit.CharIndexToRowCol(-7), (TPoint{1, 1}));
  EXPECT_EQ(edit.RowColToCharIndex({1, INT_MAX}), 9);
  EXPECT_EQ(edit.RowColToCharIndex({INT_MAX, INT_MAX}), INT_MAX);
  SetLines({"ab", "cde", "f"});
  EXPECT_EQ(edit.CharIndexToRowCol(9), (TPoint{1, 3}));
}

TEST_F(ControlTest, SelectionAsOffsets) {
  SetLines({"abcdefgh"});
  struct Case {
    int length;
    int selStart, selEnd, caretX;
  };
  // The block begins at offset 5 each time.
  for (const Case& c : {Case{2, 5, 7, 8}, Case{-2, 3, 5, 4}, Case{-10, 0, 5, 1}, Case{INT_MAX, 5, 8, 9},
                        Case{0, 5, 5, 6}}) {
    edit.SetSelStart(5);
    edit.SetSelLength(c.length);
    EXPECT_EQ(edit.GetSelStart(), c.selStart) << c.length;
    EXPECT_EQ(edit.GetSelEnd(), c.selEnd) << c.length;
    EXPECT_EQ(edit.CaretX(), c.caretX) << c.length;
    EXPECT_EQ(edit.GetSelLength(), c.selEnd - c.selStart) << c.length;
  }
  edit.SetSelStart(1);
  edit.SetSelEnd(4);
  EXPECT_EQ(edit.GetSelText(), "bcd");
  EXPECT_EQ(edit.CaretX(), 2);
  edit.SetSelStart(-3);
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 1}));
}

TEST_F(ControlTest, TabsConvertBetweenCharactersAndColumns) {
  SetLines({"\tab", "a\tb"});
  struct Case {
    TPoint logical, physical;
  };
  for (const Case& c : {Case{{1, 1}, {1, 1}}, Case{{2, 1}, {9, 1}}, Case{{3, 1}, {10, 1}}, Case{{5, 1}, {12, 1}},
                        Case{{2, 2}, {2, 2}}, Case{{3, 2}, {9, 2}}, Case{{7, 9}, {7, 9}}}) {
    EXPECT_EQ(edit.LogicalToPhysicalPos(c.logical), c.physical) << c.logical.X << "," << c.logical.Y;
    EXPECT_EQ(edit.PhysicalToLogicalPos(c.physical), c.logical) << c.physical.X << "," << c.physical.Y;
  }
  // A column inside a tab's cells maps to the tab.
  EXPECT_EQ(edit.PhysicalToLogicalPos({5, 1}), (TPoint{1, 1}));
  edit.SetCaretXY({2, 1});
  EXPECT_EQ(edit.GetDisplayX(), 9);
  EXPECT_EQ(edit.CaretXPix(), 96);
  EXPECT_EQ(edit.CaretYPix(), 0);
}

TEST_F(ControlTest, PixelsConvertToCellsAndNearestBoundaries) {
  SetLines({"abc", "def"});
  EXPECT_EQ(edit.RowColumnToPixels({2, 2}), (TPixelPoint{40, 16}));
  EXPECT_EQ(edit.PixelsToRowColumn({32, 0}), (TPoint{1, 1}));
  EXPECT_EQ(edit.PixelsToRowColumn({47, 31}), (TPoint{2, 2}));
  struct Case {
    int x;
    int column;
  };
  // Left half of a cell: its column; right half: the next one.
  for (const Case& c : {Case{32, 1}, Case{35, 1}, Case{36, 2}, Case{40, 2}, Case{0, -3}})
    EXPECT_EQ(edit.PixelsToNearestRowColumn({c.x, 5}).X, c.column) << c.x;
  EXPECT_EQ(edit.PixelsToNearestRowColumn({40, 10000}).Y, 20);
  EXPECT_EQ(edit.PixelsToNearestRowColumn({40, -50}).Y, 1);
  edit.ComputeCaret(45, 20);
  EXPECT_EQ(edit.CaretXY(), (TPoint{3, 2}));

  window.SetCursorPos({48, 17});
  TPoint pos;
  EXPECT_TRUE(edit.GetPositionOfMouse(pos));
  EXPECT_EQ(pos, (TPoint{3, 2}));
  window.SetCursorPos({401, 17});
  EXPECT_FALSE(edit.GetPositionOfMouse(pos));
}

TEST_F(ControlTest, CaretSettersClampAndCollapseTheSelection) {
  SetLines({"abcde", "x"});
  edit.SetCaretXY({100, 1});
  EXPECT_EQ(edit.CaretXY(), (TPoint{100, 1}));
  edit.SetOptionFlag(eoScrollPastEol, false);
  EXPECT_EQ(edit.CaretX(), 6);
  edit.SetCaretXY({100, 1});
  EXPECT_EQ(edit.CaretXY(), (TPoint{6, 1}));
  for (const TPoint p : {TPoint{0, 0}, TPoint{INT_MIN, INT_MIN}, TPoint{-5, 2}}) {
    edit.SetCaretXY(p);
    EXPECT_EQ(edit.CaretX(), 1);
  }
  edit.SetCaretXY({INT_MAX, INT_MAX});
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 2}));

  edit.SetBlockBegin({1, 1});
  edit.SetBlockEnd({3, 2});
  ASSERT_TRUE(edit.SelAvail());
  edit.SetCaretXY({2, 1});
  EXPECT_FALSE(edit.SelAvail());
  EXPECT_EQ(edit.BlockBegin(), edit.CaretXY());
  EXPECT_EQ(edit.BlockEnd(), edit.CaretXY());

  const std::vector<TSynStatusChanges>& reports = RecordStatusChanges();
  edit.InternalSetCaretXY({2, 1});
  EXPECT_TRUE(reports.empty());
}

TEST_F(ControlTest, ThreeCaretMovesInOneLockReportOnce) {
  SetLines({"abc", "def", "ghi"});
  const std::vector<TSynStatusChanges>& reports = RecordStatusChanges();
  {
    TCustomSynEdit::PaintLockGuard lock(edit);
    edit.SetCaretXY({2, 2});
    edit.SetCaretXY({3, 3});
    edit.SetCaretXY({1, 2});
    EXPECT_TRUE(reports.empty());
  }
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], scCaretX | scCaretY | scSelection);
  EXPECT_EQ(edit.PaintLock(), 0);
}

TEST_F(ControlTest, HorizontalAndVerticalMoves) {
  SetLines({"ab", "cde", "f"});
  edit.SetOptionFlag(eoScrollPastEol, false);
  edit.SetCaretXY({1, 2});
  edit.MoveCaretHorz(-1, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{3, 1}));
  edit.MoveCaretHorz(1, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 2}));
  edit.SetCaretXY({2, 3});
  edit.MoveCaretHorz(1, false);
  edit.MoveCaretHorz(1, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 3}));

  edit.SetOptionFlag(eoScrollPastEol, true);
  edit.SetCaretXY({1, 2});
  edit.MoveCaretHorz(-1, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 2}));
  edit.MoveCaretHorz(INT_MIN, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 2}));

  edit.SetCaretXY({2, 1});
  edit.MoveCaretVert(-1, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 1}));
  edit.SetCaretXY({2, 2});
  edit.MoveCaretVert(3, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 3}));
  edit.MoveCaretVert(INT_MAX, false);
  EXPECT_EQ(edit.CaretY(), 3);
  edit.MoveCaretVert(INT_MIN, false);
  EXPECT_EQ(edit.CaretY(), 1);

  // Extending keeps the anchor.
  edit.SetCaretXY({1, 1});
  edit.MoveCaretHorz(2, true);
  edit.MoveCaretVert(1, true);
  EXPECT_EQ(edit.RawBlockBegin(), (TPoint{1, 1}));
  EXPECT_EQ(edit.RawBlockEnd(), (TPoint{3, 2}));
  EXPECT_EQ(edit.GetSelText(), "ab\r\ncd");
}

TEST_F(ControlTest, VerticalMovesKeepTheirColumnOverTabs) {
  SetLines({"\tx", "abcdefghijk", "\tx"});
  edit.SetOptionFlag(eoKeepCaretX, true);
  edit.SetCaretXY({2, 1});  // display column 9
  edit.MoveCaretVert(1, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{9, 2}));
  edit.MoveCaretVert(1, false);
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 3}));
  EXPECT_EQ(edit.LastCaretX(), 9);
}

TEST_F(ControlTest, TheHomeKeyFindsTheFirstNonBlank) {
  SetLines({"    x"});
  edit.SetOptionFlag(eoEnhanceHomeKey, true);
  struct Case {
    int from, to;
  };
  for (const Case& c : {Case{8, 5}, Case{5, 1}, Case{1, 5}, Case{3, 1}}) {
    edit.SetCaretXY({c.from, 1});
    edit.DoHomeKey(false);
    EXPECT_EQ(edit.CaretX(), c.to) << c.from;
  }
  edit.SetOptionFlag(eoEnhanceHomeKey, false);
  edit.SetCaretXY({8, 1});
  edit.DoHomeKey(true);
  EXPECT_EQ(edit.CaretX(), 1);
  EXPECT_EQ(edit.GetSelText(), "    x");
}

TEST_F(ControlTest, TheWheelScrollsByWholeNotches) {
  for (int i = 0; i < 100; ++i) edit.Lines().Add("line");
  int scrolls = 0;
  struct Counter {
    int* n;
    void Scrolled(TObject*, TScrollBarKind kind) { *n += kind == sbVertical; }
  } counter{&scrolls};
  edit.OnScroll = makeMethod<&Counter::Scrolled>(&counter);
  edit.MouseWheel({}, -40, 0, 0);
  edit.MouseWheel({}, -40, 0, 0);
  EXPECT_EQ(edit.TopLine(), 1);
  edit.MouseWheel({}, -40, 0, 0);
  EXPECT_EQ(edit.TopLine(), 4);
  EXPECT_EQ(scrolls, 3);
  edit.MouseWheel(ssCtrl, -120, 0, 0);
  EXPECT_EQ(edit.TopLine(), 24);
  edit.SetOptionFlag(eoHalfPageScroll, true);
  edit.MouseWheel(ssCtrl, -120, 0, 0);
  EXPECT_EQ(edit.TopLine(), 34);
  edit.MouseWheel({}, 120, 0, 0);
  EXPECT_EQ(edit.TopLine(), 31);
  edit.MouseWheel({}, INT_MAX, 0, 0);
  edit.MouseWheel({}, INT_MIN, 0, 0);
  EXPECT_GE(edit.TopLine(), 1);
}

TEST_F(ControlTest, AFarCaretConvertsWithoutOverflow) {
  SetLines({"\tabc"});
  edit.SetOptionFlag(eoAutoSizeMaxLineWidth, true);
  edit.SetCaretXY({2000000000, 1});
  EXPECT_EQ(edit.CaretX(), 2000000000);
  EXPECT_EQ(edit.GetDisplayX(), 2000000000 + 7);
  EXPECT_EQ(edit.PhysicalToLogicalPos({2000000007, 1}), (TPoint{2000000000, 1}));
  EXPECT_EQ(edit.LogicalToPhysicalPos({INT_MAX, 1}).X, INT_MAX);
  const std::int64_t x = (std::int64_t{2000000007} - edit.LeftChar()) * 8 + 32;
  EXPECT_EQ(edit.CaretXPix(), x > INT_MAX ? INT_MAX : x);
  EXPECT_EQ(edit.RowColToCharIndex(edit.CaretXY()), 2000000000 - 1);
  EXPECT_EQ(edit.PixelsToRowColumn({INT_MAX, INT_MAX}).Y, INT_MAX / 16 + 1);
  edit.SetCaretXY({INT_MAX, 1});
  EXPECT_EQ(edit.CaretX(), INT_MAX);
  edit.MoveCaretHorz(1, false);
  EXPECT_EQ(edit.CaretX(), INT_MAX);
}

}  // namespace
}  // namespace kau::editor::testing
