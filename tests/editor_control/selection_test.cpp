#include <climits>

#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

struct SelectionCase {
  const char* name;
  TSynSelectionMode mode;
  TPoint begin, end;
  bool trim;
  const char* text;
};

TEST_F(ControlTest, SelectedTextInTheThreeModes) {
  SetLines({"abcdef", "ab", "abcdef", "xyz"});
  const SelectionCase cases[] = {
      {"normal, one line", smNormal, {2, 1}, {5, 1}, true, "bcd"},
      {"normal, reversed ends", smNormal, {3, 3}, {2, 2}, true, "b\r\nab"},
      {"normal, several lines", smNormal, {5, 1}, {2, 3}, true, "ef\r\nab\r\na"},
      {"column, reversed columns", smColumn, {5, 1}, {2, 3}, true, "bcd\r\nb\r\nbcd"},
      {"column, padded", smColumn, {5, 1}, {2, 3}, false, "bcd\r\nb  \r\nbcd"},
      {"column, same as swapped", smColumn, {2, 1}, {5, 3}, true, "bcd\r\nb\r\nbcd"},
      {"line, in the middle", smLine, {1, 2}, {1, 3}, true, "ab\r\nabcdef\r\n"},
      {"line, the last two", smLine, {2, 3}, {1, 4}, true, "abcdef\r\nxyz"},
      {"column of zero width", smColumn, {3, 1}, {3, 3}, true, ""},
  };
  for (const SelectionCase& c : cases) {
    edit.SetOptionFlag(eoTrimTrailingSpaces, c.trim);
    edit.SetSelectionMode(c.mode);
    edit.SetBlockBegin(c.begin);
    edit.SetBlockEnd(c.end);
    EXPECT_EQ(edit.GetSelText(), c.text) << c.name;
    EXPECT_EQ(edit.SelAvail(), *c.text != '\0') << c.name;
  }
  SetLines({"abcd", "xyz"});
  edit.SetSelectionMode(smNormal);
  edit.SetBlockBegin({3, 1});
  edit.SetBlockEnd({2, 2});
  EXPECT_EQ(edit.GetSelText(), "cd\r\nx");
}

TEST_F(ControlTest, BlockEndsAreOrderedAndClamped) {
  SetLines({"abc", "de"});
  edit.SetBlockBegin({3, 2});
  edit.SetBlockEnd({2, 1});
  EXPECT_EQ(edit.BlockBegin(), (TPoint{2, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TPoint{3, 2}));
  EXPECT_EQ(edit.RawBlockBegin(), (TPoint{3, 2}));
  struct Case {
    TPoint in, out;
  };
  // Normal mode keeps the ends in the text; other modes reach MaxLineWidth + 1.
  for (const Case& c : {Case{{9, 1}, {4, 1}}, Case{{0, 0}, {1, 1}}, Case{{INT_MAX, INT_MAX}, {3, 2}},
                        Case{{INT_MIN, 5}, {1, 2}}}) {
    edit.SetBlockBegin(c.in);
    EXPECT_EQ(edit.BlockBegin(), c.out) << c.in.X << "," << c.in.Y;
  }
  edit.SetSelectionMode(smColumn);
  edit.SetBlockBegin({INT_MAX, 1});
  EXPECT_EQ(edit.BlockBegin(), (TPoint{1025, 1}));

  edit.SetSelectionMode(smNormal);
  edit.SetBlockBegin({1, 1});
  edit.SetOptionFlag(eoNoSelection, true);
  edit.SetBlockEnd({3, 2});
  EXPECT_FALSE(edit.SelAvail());
}

TEST_F(ControlTest, SelectAllAndTabTests) {
  edit.SelectAll();
  EXPECT_FALSE(edit.SelAvail());
  SetLines({"abc", "de"});
  edit.SelectAll();
  EXPECT_EQ(edit.GetSelText(), "abc\r\nde");
  EXPECT_EQ(edit.CaretXY(), (TPoint{3, 2}));
  EXPECT_TRUE(edit.GetSelTabBlock());
  edit.SetCaretXY({1, 1});
  edit.SetBlockEnd({4, 1});
  EXPECT_TRUE(edit.GetSelTabLine());
  EXPECT_FALSE(edit.GetSelTabBlock());
}

TEST_F(ControlTest, PointsInsideTheSelection) {
  SetLines({"abcdef", "abcdef", "abcdef"});
  edit.SetBlockBegin({3, 1});
  edit.SetBlockEnd({2, 3});
  struct Case {
    TSynSelectionMode mode;
    TPoint p;
    bool inside;
  };
  for (const Case& c : {Case{smNormal, {2, 1}, false}, Case{smNormal, {3, 1}, true}, Case{smNormal, {9, 2}, true},
                        Case{smNormal, {2, 3}, false}, Case{smNormal, {1, 3}, true}, Case{smNormal, {1, 4}, false},
                        Case{smLine, {9, 3}, true}, Case{smColumn, {2, 2}, true}, Case{smColumn, {3, 2}, false},
                        Case{smColumn, {1, 2}, false}}) {
    edit.SetSelectionMode(c.mode);
    EXPECT_EQ(edit.IsPointInSelection(c.p), c.inside) << c.mode << ": " << c.p.X << "," << c.p.Y;
  }
  edit.SetBlockBegin({3, 1});
  edit.SetBlockEnd({3, 3});
  EXPECT_FALSE(edit.IsPointInSelection({3, 2}));
}

TEST_F(ControlTest, WordPositions) {
  SetLines({"abc  de_f(g)", "  hij", ""});
  struct Case {
    const char* name;
    TPoint (TCustomSynEdit::*op)(const TPoint&);
    TPoint from, to;
  };
  const Case cases[] = {
      {"end inside a word", &TCustomSynEdit::WordEndEx, {2, 1}, {4, 1}},
      {"end in the last word", &TCustomSynEdit::WordEndEx, {11, 1}, {12, 1}},
      {"start inside a word", &TCustomSynEdit::WordStartEx, {8, 1}, {6, 1}},
      {"start after blanks", &TCustomSynEdit::WordStartEx, {5, 1}, {5, 1}},
      {"next from a word", &TCustomSynEdit::NextWordPosEx, {1, 1}, {6, 1}},
      {"next skips a break char", &TCustomSynEdit::NextWordPosEx, {6, 1}, {11, 1}},
      {"next from the last char", &TCustomSynEdit::NextWordPosEx, {12, 1}, {3, 2}},
      {"next at the end of the text", &TCustomSynEdit::NextWordPosEx, {1, 3}, {1, 3}},
      {"prev from blanks", &TCustomSynEdit::PrevWordPosEx, {6, 1}, {1, 1}},
      {"prev inside a word", &TCustomSynEdit::PrevWordPosEx, {8, 1}, {6, 1}},
      {"prev at a line start", &TCustomSynEdit::PrevWordPosEx, {1, 2}, {13, 1}},
      {"prev at the text start", &TCustomSynEdit::PrevWordPosEx, {1, 1}, {1, 1}},
      {"outside the text", &TCustomSynEdit::PrevWordPosEx, {4, 9}, {4, 9}},
  };
  for (const Case& c : cases) EXPECT_EQ((edit.*c.op)(c.from), c.to) << c.name;

  edit.SetCaretXY({7, 1});
  EXPECT_EQ(edit.GetWordAtCursor(), "de_f");
  EXPECT_FALSE(edit.SelAvail());
  EXPECT_EQ(edit.CaretXY(), (TPoint{7, 1}));

  TSynIdentChars ident, white;
  edit.PrepareIdentChars(ident, white);
  EXPECT_EQ(ident.count(), 125u);
  EXPECT_EQ(white.count(), 255u - 125u);
  EXPECT_FALSE(white.test(0));
}

}  // namespace
}  // namespace kau::editor::testing

namespace kau::editor::testing {
namespace {

// The rows of lines First..Last across the text area (rows 16 pixels tall).
TRect Rows(int First, int Last) { return {30, (First - 1) * 16, 400, Last * 16}; }

TEST_F(ControlTest, ASelectionThatAReplayTakesAwayIsRepainted) {
  SetLines({"abc", "def", "ghi", "jkl"});
  edit.SetCaretXY({4, 1});
  edit.CommandProcessor(ecChar, 'x', nullptr);
  edit.CommandProcessor(ecSelectAll, '\0', nullptr);
  window.ClearInvalidations();
  edit.CommandProcessor(ecUndo, '\0', nullptr);
  EXPECT_FALSE(edit.SelAvail());
  EXPECT_EQ(IntersectRect(window.InvalidArea(), Rows(1, 4)), Rows(1, 4));

  edit.CommandProcessor(ecSelectAll, '\0', nullptr);
  window.ClearInvalidations();
  edit.CommandProcessor(ecRedo, '\0', nullptr);
  EXPECT_FALSE(edit.SelAvail());
  EXPECT_EQ(IntersectRect(window.InvalidArea(), Rows(1, 4)), Rows(1, 4));
}

TEST_F(ControlTest, AMovedSelectionEndRepaintsTheRowsBetweenItsPlaces) {
  SetLines({"abc", "def", "ghi", "jkl", "mno"});
  edit.SetCaretAndSelection({2, 2}, {2, 2}, {2, 2});
  window.ClearInvalidations();
  edit.BeginUpdate();
  edit.SetBlockBegin({2, 2});
  edit.SetBlockEnd({3, 4});
  edit.EndUpdate();
  EXPECT_EQ(window.InvalidArea(), Rows(2, 4));
  // Nothing selected before or after: nothing to repaint.
  edit.SetCaretXY({1, 5});
  window.ClearInvalidations();
  edit.BeginUpdate();
  edit.SetCaretXY({1, 1});
  edit.EndUpdate();
  EXPECT_EQ(window.InvalidArea(), TRect{});
}

}  // namespace
}  // namespace kau::editor::testing
