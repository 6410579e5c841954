#include "tests/editor_editing/editing_fixture.h"

namespace kau::editor::testing {
namespace {

TEST_F(EditingTest, CaseChange) {
  SetLines({"x aBc1 y"});
  edit.SetCaretXY({4, 1});
  Cmd(ecToggleCase);
  EXPECT_EQ(Text(), (Lines{"x AbC1 y"}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{4, 1}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"x aBc1 y"}));

  SetLines({"\xE9t\xE9 abc"});  // été: by the 1252 tables
  edit.SetCaretXY({2, 1});
  Cmd(ecUpperCase);
  EXPECT_EQ(Text(), (Lines{"\xC9T\xC9 abc"}));
  Cmd(ecTitleCase);
  EXPECT_EQ(Text(), (Lines{"\xC9t\xE9 abc"}));

  // A block command without a selection takes one character and keeps it
  // selected.
  SetLines({"abc"});
  edit.SetCaretXY({2, 1});
  Cmd(ecUpperCaseBlock);
  EXPECT_EQ(Text(), (Lines{"aBc"}));
  EXPECT_EQ(edit.SelText(), "B");
  Select({1, 1}, {4, 1});
  Cmd(ecLowerCaseBlock);
  EXPECT_EQ(Text(), (Lines{"abc"}));
  EXPECT_EQ(edit.BlockBegin(), (TPoint{1, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TPoint{4, 1}));
}

TEST_F(EditingTest, BlockIndentAndUnindent) {
  SetLines({"a", "b", "c", "d", "e"});
  Select({1, 2}, {1, 5});
  Cmd(ecBlockIndent);
  EXPECT_EQ(Text(), (Lines{"a", "        b", "        c", "        d", "e"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"a", "b", "c", "d", "e"}));

  SetLines({"   \tx", "          y", "z"});
  Select({1, 1}, {2, 2});
  Cmd(ecBlockUnindent);
  EXPECT_EQ(Text(), (Lines{"x", "  y", "z"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"   \tx", "          y", "z"}));
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"x", "  y", "z"}));

  // Nothing to remove: nothing recorded.
  edit.ClearUndo();
  Select({1, 1}, {2, 1});
  Cmd(ecBlockUnindent);
  EXPECT_FALSE(edit.CanUndo());
}

TEST_F(EditingTest, TabAndShiftTab) {
  SetLines({"abcdef"});
  edit.SetCaretXY({3, 1});
  Cmd(ecTab);
  EXPECT_EQ(Text(), (Lines{"ab      cdef"}));
  EXPECT_EQ(edit.CaretX(), 9);
  Cmd(ecShiftTab);
  EXPECT_EQ(Text(), (Lines{"abcdef"}));
  EXPECT_EQ(edit.CaretX(), 3);

  // Smart Shift+Tab stops at the first non-blank left of the caret.
  SetLines({"a   b", "xy  z"});
  edit.SetCaretXY({5, 2});
  Cmd(ecShiftTab);
  EXPECT_EQ(Text(), (Lines{"a   b", "xyz"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"a   b", "xy  z"}));

  // Tab with a multi-line selection and eoTabIndent indents the block.
  edit.SetOptionFlag(eoTabIndent, true);
  SetLines({"a", "b"});
  Select({1, 1}, {2, 2});
  Cmd(ecTab);
  EXPECT_EQ(Text(), (Lines{"        a", "        b"}));
  Cmd(ecShiftTab);
  EXPECT_EQ(Text(), (Lines{"a", "b"}));
}

TEST_F(EditingTest, ModifiedAndUndoState) {
  SetLines({""});
  EXPECT_FALSE(edit.Modified());
  Type("a");
  EXPECT_TRUE(edit.Modified());
  edit.SetModified(false);
  edit.SetModified(true);
  edit.SetModified(false);
  int breaks = 0;
  for (int i = 0; i < edit.UndoList().GetItemCount(); ++i)
    if (edit.UndoList().GetItems(i)->ChangeReason == crGroupBreak) ++breaks;
  EXPECT_EQ(breaks, 1);
  edit.ClearUndo();
  edit.SetModified(true);
  edit.SetModified(false);
  EXPECT_EQ(edit.UndoList().GetItemCount(), 0);

  edit.LockUndo();
  Type("b");
  edit.UnlockUndo();
  EXPECT_FALSE(edit.CanUndo());
  edit.BeginUndoBlock();
  Type("cd");
  edit.EndUndoBlock();
  edit.SetOptionFlag(eoGroupUndo, false);
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"ab"}));

  bool enabled = false;
  EXPECT_FALSE(edit.UpdateAction(TCustomSynEdit::TEditAction::Undo, enabled));
  window.SetFocused(true);
  EXPECT_TRUE(edit.UpdateAction(TCustomSynEdit::TEditAction::Undo, enabled));
  EXPECT_FALSE(enabled);
  EXPECT_TRUE(edit.ExecuteAction(TCustomSynEdit::TEditAction::SelectAll));
  EXPECT_TRUE(edit.UpdateAction(TCustomSynEdit::TEditAction::Copy, enabled));
  EXPECT_TRUE(enabled);
  edit.ExecuteAction(TCustomSynEdit::TEditAction::Delete);
  EXPECT_EQ(Text(), (Lines{""}));
  edit.Clear();
  EXPECT_EQ(edit.LineCount(), 0);
}

}  // namespace
}  // namespace kau::editor::testing
