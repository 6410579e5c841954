#include <utility>
#include <vector>

#include "tests/editor_editing/editing_fixture.h"

namespace kau::editor::testing {
namespace {

// Records the plug-in calls as (first line, count), inserted positive and
// deleted negative counts.
class LinesLog : public TSynEditPlugin {
 public:
  using TSynEditPlugin::TSynEditPlugin;
  void AfterPaint(platform::Canvas&, const TRect&, int, int) override {}
  void LinesInserted(int First, int Count) override { calls.push_back({First, Count}); }
  void LinesDeleted(int First, int Count) override { calls.push_back({First, -Count}); }
  std::vector<std::pair<int, int>> calls;
};

using Calls = std::vector<std::pair<int, int>>;

TEST_F(EditingTest, NormalInsertionSplitsTheCaretLine) {
  SetLines({"abcd"});
  auto* log = new LinesLog(&edit);  // freed by the editor
  edit.SetCaretXY({3, 1});
  edit.SetSelTextPrimitive(smNormal, "x\r\ny");
  EXPECT_EQ(Text(), (Lines{"abx", "ycd"}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 2}));
  EXPECT_EQ(log->calls, (Calls{{2, 1}}));

  // Virtual space is filled with blanks; a NUL ends the text.
  SetLines({"ab"});
  edit.SetCaretXY({8, 1});
  edit.SetSelTextPrimitive(smNormal, std::string_view("x\0y", 3));
  EXPECT_EQ(Text(), (Lines{"ab     x"}));
}

TEST_F(EditingTest, ColumnInsertion) {
  SetLines({"abcd", "efgh"});
  auto* log = new LinesLog(&edit);
  edit.SetCaretXY({3, 1});
  edit.SetSelTextPrimitive(smColumn, "1\r\n2");
  EXPECT_EQ(Text(), (Lines{"ab1cd", "ef2gh"}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{4, 2}));

  SetLines({"abcd", "efgh"});
  edit.SetCaretXY({3, 1});
  edit.SetSelTextPrimitive(smColumn, "1\n2\n3");  // LF alone breaks lines too
  EXPECT_EQ(Text(), (Lines{"ab1cd", "ef2gh", "  3"}));
  EXPECT_EQ(log->calls, (Calls{{3, 1}}));  // the appended row

  // Below the end each non-empty piece gets a row of its own, each undone.
  SetLines({"ab"});
  edit.UndoList().Clear();
  edit.SetCaretXY({2, 1});
  edit.SetSelectionMode(smColumn);
  edit.SetSelTextExternal("1\r\n\r\n3\r\n\r\n");
  EXPECT_EQ(Text(), (Lines{"a1b", "", " 3"}));
  int lineBreaks = 0;
  for (int i = 0; i < edit.UndoList().GetItemCount(); ++i) {
    const TSynEditUndoItem* item = edit.UndoList().GetItems(i);
    if (item->ChangeReason == crLineBreak) ++lineBreaks;
    if (item->ChangeReason == crPaste) {
      EXPECT_EQ(item->ChangeSelMode, smColumn);
    }
  }
  EXPECT_EQ(lineBreaks, 2);
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"ab"}));
}

TEST_F(EditingTest, SelectionDeletionByMode) {
  SetLines({"a", "b", "c"});
  edit.SetSelectionMode(smLine);
  Select({1, 2}, {1, 3});
  edit.SetSelText("");
  EXPECT_EQ(Text(), (Lines{"a", ""}));

  // A column block drawn either way removes the same rectangle.
  for (const auto& [from, to] : {std::pair<TPoint, TPoint>{{2, 1}, {4, 2}}, {{4, 1}, {2, 2}}}) {
    SetLines({"abcde", "fghij"});
    edit.SetSelectionMode(smColumn);
    Select(from, to);
    edit.SetSelText("");
    EXPECT_EQ(Text(), (Lines{"ade", "fij"}));
  }
  edit.SetSelectionMode(smNormal);
}

TEST_F(EditingTest, CaretAfterInsertionWithTrimmedBlanks) {
  ASSERT_TRUE(edit.Options() & eoTrimTrailingSpaces);
  // Blanks the line had stay (an undo could not give them back); the caret
  // stands after the inserted text.
  SetLines({"ab  "});
  edit.SetCaretXY({3, 1});
  edit.SetSelText("x");
  EXPECT_EQ(Text(), (Lines{"abx  "}));
  EXPECT_EQ(edit.CaretX(), 4);
  SetLines({"ab"});
  edit.SetCaretXY({3, 1});
  edit.SetSelText("x  ");
  EXPECT_EQ(Text(), (Lines{"abx"}));
  EXPECT_EQ(edit.CaretX(), 6);

  // A tab in the inserted text: the caret stands after the text on the
  // stored line, not at its display column.
  SetLines({"begin"});
  edit.SetCaretXY({6, 1});
  edit.SetSelTextExternal("\tx := 1;");
  EXPECT_EQ(Text(), (Lines{"begin\tx := 1;"}));
  EXPECT_EQ(edit.CaretX(), 14);
}

TEST_F(EditingTest, WholeTextAndLineSetters) {
  edit.SynSetText("a\r\nb\nc");
  EXPECT_EQ(Text(), (Lines{"a", "b", "c"}));
  edit.SetCaretXY({1, 2});
  edit.SetLineText("x");
  edit.ProperSetLine(2, "y  ");
  edit.ProperSetLine(3, "z");
  EXPECT_EQ(Text(), (Lines{"a", "x", "y", "z"}));
  edit.InsertBlock({2, 1}, {2, 1}, "1\r\n2");
  EXPECT_EQ(Text(), (Lines{"a1", "x2", "y", "z"}));
  EXPECT_EQ(edit.SelectionMode(), smColumn);
}

}  // namespace
}  // namespace kau::editor::testing
