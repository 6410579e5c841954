#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/editor_editing/editing_fixture.h"

namespace kau::editor::testing {
namespace {

TEST_F(EditingTest, GroupUndoTakesRunsOfTheSameReason) {
  SetLines({""});
  Type("abc");
  EXPECT_EQ(edit.UndoList().GetItemCount(), 3);
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{""}));
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"abc"}));
  EXPECT_EQ(edit.RedoList().GetItemCount(), 0);

  // The redone items share one change number; fresh typing has three.
  SetLines({""});
  Type("abc");
  edit.SetOptionFlag(eoGroupUndo, false);
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"ab"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"a"}));
}

TEST_F(EditingTest, IndentAndUnindentAreNeverMerged) {
  SetLines({"a", "b", "c"});
  Select({1, 1}, {1, 3});
  Cmd(ecBlockIndent);
  Cmd(ecBlockUnindent);
  EXPECT_EQ(Text(), (Lines{"a", "b", "c"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"        a", "        b", "c"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"a", "b", "c"}));
  edit.Redo();
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"a", "b", "c"}));
}

TEST_F(EditingTest, MarkersAndGroupBreaks) {
  SetLines({"x"});
  edit.UndoList().AddChange(crPasteBegin, {1, 1}, {1, 1}, "", smNormal);
  edit.SetCaretXY({2, 1});
  edit.SetSelTextExternal("1");
  edit.SetSelTextExternal("2");
  edit.UndoList().AddChange(crPasteEnd, {1, 1}, {1, 1}, "", smNormal);
  EXPECT_EQ(Text(), (Lines{"x12"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"x"}));
  EXPECT_FALSE(edit.CanUndo());

  // Saving leaves a group break: the next Undo passes over it and it moves
  // to the redo list.
  SetLines({""});
  edit.ClearUndo();
  Type("ab");
  edit.SetModified(false);
  EXPECT_EQ(edit.UndoList().LastChangeReason(), crGroupBreak);
  Type("c");
  EXPECT_TRUE(edit.Modified());
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"ab"}));
  EXPECT_FALSE(edit.Modified());
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{""}));
  EXPECT_EQ(edit.RedoList().GetItems(1)->ChangeReason, crGroupBreak);
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"ab"}));
  EXPECT_FALSE(edit.Modified());
}

TEST_F(EditingTest, WrapItemsOnlySwitchTheFlag) {
  SetLines({"abc"});
  edit.UndoList().AddChange(crWrap, {1, 1}, {1, 1}, "", smNormal);
  edit.Undo();
  EXPECT_FALSE(edit.WordWrap());
  edit.Redo();
  EXPECT_TRUE(edit.WordWrap());
  edit.Undo();
  EXPECT_FALSE(edit.WordWrap());
  EXPECT_EQ(Text(), (Lines{"abc"}));
}

TEST_F(EditingTest, OneUndoNeverLeavesPartOfAChange) {
  // A filler and its character share a change; with group undo a later
  // character of the same reason pulls the whole earlier change along.
  SetLines({"ab"});
  edit.SetCaretXY({10, 1});
  Type("x");
  EXPECT_EQ(Text(), (Lines{"ab       x"}));
  EXPECT_EQ(edit.CaretX(), 11);
  Type("y");
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"ab"}));
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"ab       xy"}));
}

TEST_F(EditingTest, LineBreakUndoAndRedo) {
  SetLines({"abc"});
  edit.SetCaretXY({1, 1});
  Cmd(ecLineBreak);
  EXPECT_EQ(Text(), (Lines{"", "abc"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"abc"}));

  // Redo gives back exactly the line the undo removed, indentation included.
  SetLines({"  abcd"});
  edit.SetCaretXY({5, 1});
  Cmd(ecLineBreak);
  EXPECT_EQ(Text(), (Lines{"  ab", "  cd"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"  abcd"}));
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"  ab", "  cd"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"  abcd"}));
}

// The commands OnProcessCommand and OnCommandProcessed see, with their
// characters; a handler may cancel them.
struct ProcessorLog {
  std::vector<TSynEditorCommand> seen, processed;
  std::string chars;
  bool cancel = false;
  void Process(TObject*, TSynEditorCommand& c, char& ch, void*) {
    seen.push_back(c);
    chars += ch;
    if (cancel) c = ecNone;
  }
  void Processed(TObject*, TSynEditorCommand& c, char&, void*) { processed.push_back(c); }
};

// A redone line break is the command again, with a CR: the events see it,
// and its items stay in the group being redone.
TEST_F(EditingTest, RedoOfALineBreakRunsThroughTheProcessor) {
  edit.SetOptionFlag(eoGroupUndo, false);
  struct Case {
    TPoint anchor, caret;
    Lines broken, cancelled;
  };
  const Case cases[] = {
      {{2, 1}, {2, 1}, {"a", "bcd"}, {"abcd"}},
      {{2, 1}, {4, 1}, {"a", "d"}, {"ad"}},
  };
  for (const Case& c : cases) {
    SetLines({"abcd"});
    Select(c.anchor, c.caret);
    Cmd(ecLineBreak, '\r');
    EXPECT_EQ(Text(), c.broken);
    edit.Undo();
    EXPECT_EQ(Text(), (Lines{"abcd"}));
    ProcessorLog log;
    edit.OnProcessCommand = makeMethod<&ProcessorLog::Process>(&log);
    edit.OnCommandProcessed = makeMethod<&ProcessorLog::Processed>(&log);
    edit.Redo();
    EXPECT_EQ(log.seen, (std::vector<TSynEditorCommand>{ecLineBreak}));
    EXPECT_EQ(log.chars, "\r");
    EXPECT_EQ(log.processed, (std::vector<TSynEditorCommand>{ecLineBreak}));
    EXPECT_EQ(Text(), c.broken);
    EXPECT_FALSE(edit.CanRedo());
    edit.Undo();
    EXPECT_EQ(Text(), (Lines{"abcd"}));
    EXPECT_FALSE(edit.CanUndo());

    log.cancel = true;
    edit.Redo();
    EXPECT_EQ(Text(), c.cancelled);
    edit.OnProcessCommand = {};
    edit.OnCommandProcessed = {};
  }

  // The redone break gives back the line as the undo took it: an inserted
  // line stays empty although a line break would indent it.
  SetLines({"  ab"});
  edit.SetCaretXY({5, 1});
  Cmd(ecInsertLine);
  EXPECT_EQ(Text(), (Lines{"  ab", ""}));
  edit.Undo();
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"  ab", ""}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"  ab"}));
}

TEST_F(EditingTest, OverwriteUndoAndRedo) {
  SetLines({"abcd"});
  edit.SetInsertMode(false);
  edit.SetCaretXY({2, 1});
  Type("X");
  EXPECT_EQ(Text(), (Lines{"aXcd"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"abcd"}));
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"aXcd"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"abcd"}));

  // Past the end: padded like insert mode, filler and character one
  // insertion with no white-space item, and the undo gives the line back.
  for (bool trim : {true, false}) {
    edit.SetOptionFlag(eoTrimTrailingSpaces, trim);
    SetLines({"ab"});
    edit.SetCaretXY({5, 1});
    Type("x");
    EXPECT_EQ(Text(), (Lines{"ab  x"}));
    ASSERT_EQ(edit.UndoList().GetItemCount(), 1);
    EXPECT_EQ(edit.UndoList().PeekItem()->ChangeReason, crInsert);
    edit.Undo();
    EXPECT_EQ(Text(), (Lines{"ab"})) << trim;
    edit.Redo();
    EXPECT_EQ(Text(), (Lines{"ab  x"})) << trim;
    EXPECT_EQ(edit.CaretXY(), (TPoint{6, 1}));
    edit.Undo();
    EXPECT_EQ(Text(), (Lines{"ab"})) << trim;
  }
}

TEST_F(EditingTest, TabsWithoutTabsToSpaces) {
  // The editor window's options: tabs stay tabs.
  edit.SetOptionFlag(eoTabsToSpaces, false);
  SetLines({"ab"});
  edit.SetCaretXY({3, 1});
  Cmd(ecTab);
  EXPECT_EQ(Text(), (Lines{"ab"}));  // a trailing tab is trimmed
  SetLines({"abcd"});
  edit.SetCaretXY({3, 1});
  Cmd(ecTab);
  EXPECT_EQ(Text(), (Lines{"ab\tcd"}));
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{"abcd"}));
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"ab\tcd"}));

  SetLines({""});
  edit.SetCaretXY({12, 1});
  Type("x");
  EXPECT_EQ(Text(), (Lines{"\t   x"}));
  EXPECT_EQ(edit.CaretX(), 6);
  edit.Undo();
  EXPECT_EQ(Text(), (Lines{""}));
  edit.Redo();
  EXPECT_EQ(Text(), (Lines{"\t   x"}));
}

TEST_F(EditingTest, DeleteLineUndoRedoUndo) {
  struct Case {
    const char* name;
    Lines before;
    int line;
    Lines after;
  };
  const Case cases[] = {
      {"middle", {"a", "b", "c"}, 2, {"a", "c"}},
      {"last", {"a", "b", "c"}, 3, {"a", "b"}},
      {"only", {"abc"}, 1, {""}},
  };
  for (const Case& c : cases) {
    edit.Lines().Clear();
    for (const auto& l : c.before) edit.Lines().Add(l);
    edit.ClearUndo();
    edit.SetCaretXY({2, c.line});
    Cmd(ecDeleteLine);
    EXPECT_EQ(Text(), c.after) << c.name;
    edit.Undo();
    EXPECT_EQ(Text(), c.before) << c.name;
    edit.Redo();
    EXPECT_EQ(Text(), c.after) << c.name;
    edit.Undo();
    EXPECT_EQ(Text(), c.before) << c.name;
  }
  // The last of several lines: the line break before it goes with it.
  SetLines({"a", "b"});
  edit.ClearUndo();
  edit.SetCaretXY({1, 2});
  Cmd(ecDeleteLine);
  EXPECT_EQ(edit.UndoList().PeekItem()->ChangeStr, "\r\nb");
}

// With trimming (on by default) blanks typed after the end of a line never
// stay; a replay brings back exactly the text the edit made, no more.
TEST_F(EditingTest, ReplaysTrimAsTheEditDid) {
  struct Case {
    const char* line;
    TPoint caret;
    const char* typed;
    const char* afterRedo;
  };
  const Case cases[] = {
      {"x := 1;", {8, 1}, "  ", "x := 1;"},
      {"x := 1;", {8, 1}, " a ", "x := 1; a"},
      {"x := 1;  ", {10, 1}, " ", "x := 1;  "},
      {"ab", {2, 1}, "  ", "a  b"},
      {"", {1, 1}, "\t ", ""},
  };
  ASSERT_TRUE(edit.Options() & eoTrimTrailingSpaces);
  for (const Case& c : cases) {
    SetLines({c.line});
    edit.SetCaretXY(c.caret);
    for (const std::string typed = c.typed; char ch : typed) Cmd(ch == '\t' ? ecTab : ecChar, ch);
    const Lines edited = Text();
    while (edit.CanUndo()) edit.Undo();
    EXPECT_EQ(Text(), (Lines{c.line})) << c.line << " + '" << c.typed << "'";
    while (edit.CanRedo()) edit.Redo();
    EXPECT_EQ(Text(), (Lines{c.afterRedo})) << c.line << " + '" << c.typed << "'";
    EXPECT_EQ(Text(), edited) << c.line << " + '" << c.typed << "'";
  }
}

TEST_F(EditingTest, ReadOnlyAndEmptyLists) {
  SetLines({"abc"});
  edit.SetCaretXY({4, 1});
  Type("d");
  edit.SetReadOnly(true);
  EXPECT_FALSE(edit.CanUndo());
  Cmd(ecUndo);
  EXPECT_EQ(Text(), (Lines{"abcd"}));
  edit.SetReadOnly(false);
  EXPECT_TRUE(edit.CanUndo());
  Cmd(ecUndo);
  EXPECT_TRUE(edit.CanRedo());
  edit.SetReadOnly(true);
  Cmd(ecRedo);
  EXPECT_EQ(Text(), (Lines{"abc"}));
  edit.SetReadOnly(false);
  Cmd(ecClearAll);
  EXPECT_FALSE(edit.CanUndo());
  EXPECT_FALSE(edit.CanRedo());
  Cmd(ecUndo);
  Cmd(ecRedo);
  EXPECT_EQ(edit.LineCount(), 0);
}

// Typing after anything that moves the caret without typing starts a new undo
// group: one Undo takes back what was typed after the move and keeps the fix
// made before it. Each command of the key table is a row, driven by its key,
// but for those that change the text or leave the caret where it is.
TEST_F(EditingTest, TypingAfterACaretMoveIsUndoneOnItsOwn) {
  const std::set<TSynEditorCommand> notMoves = {
      ecToggleMode, ecCopy, ecCut, ecPaste, ecDeleteChar, ecDeleteLastChar,
      ecDeleteLastWord, ecUndo, ecRedo, ecLineBreak, ecTab, ecShiftTab,
      ecContextHelp, ecBlockIndent, ecBlockUnindent, ecInsertLine, ecDeleteWord, ecDeleteLine,
      ecDeleteEOL, ecNormalSelect, ecColumnSelect, ecLineSelect};
  const auto press = [this](TSynEditorCommand command) {
    for (int i = 0; i < edit.Keystrokes().Count(); ++i) {
      const TSynEditKeyStroke& stroke = edit.Keystrokes().Items(i);
      std::uint16_t key = stroke.Key();
      if (stroke.Command() == command) return edit.KeyDown(key, stroke.Shift());
    }
  };
  // On 40 lines of "(ab) cd ef": the fix "x" typed at (1, 5) leaves the caret
  // on the bracket. Typing after select all replaces the text, which undoes
  // apart from typing anyway: its fix is a deletion, which the deletion of
  // the selection would otherwise take along.
  const auto check = [&](const std::string& name, TPoint fixAt, bool deletionFix, const std::function<void()>& move) {
    SCOPED_TRACE(name);
    edit.Lines().Clear();
    for (int i = 0; i < 40; ++i) edit.Lines().Add("(ab) cd ef");
    edit.SetTopLine(1);
    edit.SetCaretXY(fixAt);
    edit.ClearUndo();
    if (deletionFix) {
      Select(fixAt, {fixAt.X + 2, fixAt.Y});
      Cmd(ecDeleteLastChar);
    } else {
      Type("x");
    }
    const TPoint fixed = edit.CaretXY();
    move();
    ASSERT_NE(edit.CaretXY(), fixed);
    const Lines moved = Text();
    Type("y");
    edit.Undo();
    EXPECT_EQ(Text(), moved);
  };

  std::set<TSynEditorCommand> done;
  for (int i = 0; i < edit.Keystrokes().Count(); ++i) {
    const TSynEditorCommand command = edit.Keystrokes().Items(i).Command();
    if (notMoves.count(command) || (command >= ecSetMarker0 && command <= ecSetMarker0 + 9) ||
        !done.insert(command).second)
      continue;
    std::string name;
    EditorCommandToIdent(command, name);
    // Scrolling drags the caret from the window's first or last line.
    TPoint fixAt{1, 5};
    if (command == ecScrollDown) fixAt = {1, 1};
    else if (command == ecScrollUp) fixAt = {1, 24};
    else if (command == ecSelectAll) fixAt = {2, 5};
    check(name, fixAt, command == ecSelectAll, [&] {
      if (command >= ecGotoMarker(0) && command <= ecGotoMarker(9)) {
        // The bookmark, set by its own key on another line.
        const TPoint caret = edit.CaretXY();
        edit.SetCaretXY({4, 30});
        press(static_cast<TSynEditorCommand>(ecSetMarker0 + command - ecGotoMarker0));
        edit.SetCaretXY(caret);
      }
      press(command);
    });
  }
  EXPECT_EQ(done.size(), 42u);  // 28 moves, select all, bracket, 2 scrolls, 10 bookmarks

  // A press inside the selection that waits for a drag places the caret too.
  check("press in the selection", {1, 5}, false, [&] {
    Select({3, 5}, {9, 5});
    edit.MouseDown(mbLeft, ssLeft, 32 + 5 * 8 + 2, 4 * 16 + 8);
    edit.MouseUp(mbLeft, {}, 32 + 5 * 8 + 2, 4 * 16 + 8);
  });
}

}  // namespace
}  // namespace kau::editor::testing
