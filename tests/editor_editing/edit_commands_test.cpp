#include <stdexcept>

#include "platform/virtual_keys.h"
#include "tests/editor_editing/editing_fixture.h"

namespace kau::editor::testing {
namespace {


TEST_F(EditingTest, ChordsAndSingleKeys) {
  edit.AddKey(ecUserFirst + 1, 'K', ssCtrl, 'U', ssCtrl);
  void* data = nullptr;
  EXPECT_EQ(edit.TranslateKeyCode('K', ssCtrl, data), ecNone);
  EXPECT_EQ(edit.TranslateKeyCode('U', ssCtrl, data), ecUserFirst + 1);
  // A pair without a command: the second key alone.
  EXPECT_EQ(edit.TranslateKeyCode('K', ssCtrl, data), ecNone);
  EXPECT_EQ(edit.TranslateKeyCode(VK_LEFT, TShiftState(), data), ecLeft);
  // A key with a command forgets the first key.
  EXPECT_EQ(edit.TranslateKeyCode('U', ssCtrl, data), ecNone);
  EXPECT_EQ(edit.TranslateKeyCode(VK_LEFT, TShiftState(), data), ecLeft);
  EXPECT_EQ(edit.TranslateKeyCode('U', ssCtrl, data), ecNone);
}

TEST_F(EditingTest, TypingRules) {
  SetLines({"ab"});
  edit.SetCaretXY({3, 1});
  for (int c : {0, 9, 13, 31, 127}) Cmd(ecChar, static_cast<char>(c));
  EXPECT_EQ(Text(), (Lines{"ab"}));
  EXPECT_FALSE(edit.CanUndo());

  // A selection is replaced by the character in one undo step.
  SetLines({"abcd", "efgh"});
  Select({2, 1}, {3, 2});
  Type("X");
  EXPECT_EQ(Text(), (Lines{"aXgh"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"abcd", "efgh"}));

  // A line selection: the character gets a line of its own.
  SetLines({"a", "b", "c"});
  edit.SetSelectionMode(smLine);
  Select({1, 2}, {1, 2});
  edit.SetBlockEnd({2, 2});
  Type("X");
  EXPECT_EQ(Text(), (Lines{"a", "X", "c"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"a", "b", "c"}));
  edit.SetSelectionMode(smNormal);

  // The window follows the caret 25 columns at a time.
  SetLines({""});
  edit.SetCaretXY({46, 1});
  Type("a");
  EXPECT_EQ(edit.CaretX(), 47);
  EXPECT_EQ(edit.LeftChar(), 26);

  // Refused at MaxLineWidth.
  SetLines({"abc"});
  edit.SetMaxLineWidth(3);
  edit.SetCaretXY({4, 1});
  Type("d");
  EXPECT_EQ(Text(), (Lines{"abc"}));
}

TEST_F(EditingTest, SmartBackSpace) {
  ASSERT_TRUE(edit.Options() & eoSmartTabDelete);
  SetLines({"  a", "    b"});
  edit.SetCaretXY({5, 2});
  Cmd(ecDeleteLastChar);
  EXPECT_EQ(Text(), (Lines{"  a", "  b"}));
  EXPECT_EQ(edit.CaretX(), 3);

  SetLines({"    a", "    b"});
  edit.SetCaretXY({5, 2});
  Cmd(ecDeleteLastChar);
  EXPECT_EQ(Text(), (Lines{"    a", "b"}));
  EXPECT_EQ(edit.CaretX(), 1);

  // Never to the right: lines above indented further count as none.
  SetLines({"        a", "    b"});
  edit.SetCaretXY({5, 2});
  Cmd(ecDeleteLastChar);
  EXPECT_EQ(Text(), (Lines{"        a", "b"}));
  EXPECT_EQ(edit.CaretX(), 1);
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"        a", "    b"}));

  // Nothing before the start of the text.
  edit.ClearUndo();
  edit.SetCaretXY({1, 1});
  Cmd(ecDeleteLastChar);
  EXPECT_EQ(Text(), (Lines{"        a", "    b"}));
  EXPECT_FALSE(edit.CanUndo());
}

TEST_F(EditingTest, DeleteFamily) {
  struct Case {
    const char* name;
    TSynEditorCommand command;
    TPoint caret;
    Lines after;
  };
  const Case cases[] = {
      {"delete", ecDeleteChar, {2, 1}, {"ac de", "fg"}},
      {"delete at end joins", ecDeleteChar, {7, 1}, {"abc defg"}},
      {"back-space joins", ecDeleteLastChar, {1, 2}, {"abc defg"}},
      {"delete word", ecDeleteWord, {1, 1}, {"de", "fg"}},
      {"delete to end", ecDeleteEOL, {3, 1}, {"ab", "fg"}},
      {"delete last word", ecDeleteLastWord, {7, 1}, {"abc ", "fg"}},
      {"delete to start", ecDeleteBOL, {3, 1}, {"c de", "fg"}},
  };
  for (const Case& c : cases) {
    SetLines({"abc de", "fg"});
    edit.ClearUndo();
    edit.SetCaretXY(c.caret);
    Cmd(c.command);
    EXPECT_EQ(Text(), c.after) << c.name;
    edit.Undo();
    EXPECT_EQ(Text(), (Lines{"abc de", "fg"})) << c.name;
    edit.Redo();
    EXPECT_EQ(Text(), c.after) << c.name;
  }
}

TEST_F(EditingTest, BadInputChangesNothing) {
  SetLines({"abc"});
  edit.SetCaretXY({2, 1});
  Cmd(ecGotoXY);
  Cmd(ecImeStr);
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 1}));
  EXPECT_EQ(Text(), (Lines{"abc"}));
  char ime[] = "xy";
  Cmd(ecImeStr, '\0', ime);
  EXPECT_EQ(Text(), (Lines{"axybc"}));

  edit.SetReadOnly(true);
  Select({1, 1}, {3, 1});
  for (TSynEditorCommand c : {ecDeleteLastChar, ecDeleteChar, ecDeleteWord, ecDeleteLastWord, ecDeleteBOL, ecDeleteEOL,
                              ecDeleteLine, ecClearAll, ecLineBreak, ecInsertLine, ecChar, ecImeStr, ecUndo, ecRedo,
                              ecBlockIndent, ecBlockUnindent, ecTab, ecShiftTab, ecUpperCase, ecToggleCaseBlock})
    Cmd(c, 'z', ime);
  EXPECT_EQ(Text(), (Lines{"axybc"}));
  EXPECT_THROW(edit.DoCaseChange(628), std::logic_error);
}

struct HelpLog {
  std::string word;
  void Help(TObject*, const std::string& Word) { word = Word; }
};

TEST_F(EditingTest, ContextHelpGetsTheWordAtTheCaret) {
  SetLines({"begin writeln end"});
  HelpLog log;
  edit.OnContextHelp = makeMethod<&HelpLog::Help>(&log);
  edit.SetCaretXY({9, 1});
  Cmd(ecContextHelp);
  EXPECT_EQ(log.word, "writeln");
}

struct Thrower {
  bool armed = false;
  void Change(TObject*) {
    if (armed) throw std::runtime_error("handler failed");
  }
};

TEST_F(EditingTest, AThrowingHandlerLeavesNoLockOpen) {
  SetLines({"abc", "def"});
  Thrower thrower;
  edit.OnChange = makeMethod<&Thrower::Change>(&thrower);
  thrower.armed = true;
  for (TSynEditorCommand c : {ecChar, ecLineBreak, ecDeleteLastChar, ecTab, ecUndo, ecRedo}) {
    edit.SetCaretXY({2, 1});
    EXPECT_ANY_THROW(Cmd(c, 'x'));
    EXPECT_EQ(edit.PaintLock(), 0);
    EXPECT_EQ(edit.UndoList().BlockCount(), 0);
    EXPECT_EQ(edit.UndoList().BlockChangeNumber, 0);
    EXPECT_EQ(edit.RedoList().BlockChangeNumber, 0);
  }
  thrower.armed = false;
  Type("y");
  edit.Undo();
  EXPECT_EQ(edit.UndoList().BlockCount(), 0);
}

}  // namespace
}  // namespace kau::editor::testing
