// Seeded random command sequences: every text-changing command is undone to
// the text before it and redone to the text after it; with group undo,
// undoing everything gives the first text and redoing everything the last.
#include <random>
#include <sstream>

#include "editor/model/key_cmds.h"
#include "editor/search/syn_edit_search.h"
#include "tests/editor_editing/editing_fixture.h"

namespace kau::editor::testing {
namespace {

const char* const kLinePool[] = {"begin", "  x := 1;", "\tif a then", "", "    ", "\t  b(c);", "end.", " \t ",
                                 "ab cd ef", "{ comentário }"};
const char* const kInserts[] = {"z", "a\r\nb", "\tq", "  ", "x\r\n", "\r\n", "uv\nw", "12\r\n34\r\n56"};

// The commands the sequences choose from; negative entries are SelText in
// one of the three modes and replace-all.
const int kCommands[] = {ecChar,        ecChar,           ecChar,        ecLineBreak,      ecInsertLine,
                         ecDeleteLastChar, ecDeleteLastChar, ecDeleteChar, ecDeleteWord,     ecDeleteEOL,
                         ecDeleteLastWord, ecDeleteBOL,    ecDeleteLine,  ecTab,            ecShiftTab,
                         ecBlockIndent, ecBlockUnindent,  ecUpperCase,   ecToggleCase,     ecTitleCase,
                         ecUpperCaseBlock, ecLowerCaseBlock, ecToggleCaseBlock, ecImeStr, -1, -2, -3, -4};

class PropertyTest : public EditingTest {
 protected:
  PropertyTest() { edit.SetSearchEngine(&engine); }
  TSynEditSearch engine;

  // The text compared exactly, trailing blanks included.
  Lines Normal() const { return Text(); }
  static std::string Show(const Lines& lines) {
    std::string s;
    for (const auto& l : lines) s += "[" + l + "]";
    return s;
  }

  // One random command at a random place; returns its description.
  std::string RunOne(std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int count = std::max(1, edit.LineCount());
    const TPoint caret{1 + pick(12), 1 + pick(count)};
    const int mode = pick(6);
    edit.SetSelectionMode(mode == 4 ? smColumn : mode == 5 ? smLine : smNormal);
    edit.SetCaretXY(caret);
    TPoint anchor = caret;
    if (pick(3) == 0) {
      anchor = {1 + pick(12), 1 + pick(count)};
      edit.SetBlockBegin(anchor);
      edit.SetBlockEnd(caret);
    }
    const int command = kCommands[pick(static_cast<int>(std::size(kCommands)))];
    std::ostringstream what;
    what << "cmd " << command << " caret (" << caret.X << "," << caret.Y << ") anchor (" << anchor.X << ","
         << anchor.Y << ") mode " << int(edit.SelectionMode()) << " options " << std::hex << edit.Options()
         << std::dec << " insert " << edit.InsertMode();
    if (command == -4) {
      static const char* const kReplacements[][2] = {{"a", "xa"}, {";", ";\r\n"}, {" ", ""}, {"b", "\t"}};
      const auto& r = kReplacements[pick(4)];
      what << " replace all '" << r[0] << "' by '" << r[1] << "'";
      edit.SearchReplace(r[0], r[1], ssoReplace | ssoReplaceAll | ssoEntireScope);
    } else if (command < 0) {
      const char* text = kInserts[pick(static_cast<int>(std::size(kInserts)))];
      edit.SetSelectionMode(command == -1 ? smNormal : command == -2 ? smColumn : smLine);
      what << " seltext '" << text << "'";
      edit.SetSelTextExternal(text);
    } else if (command == ecImeStr) {
      char text[] = "ime";
      Cmd(ecImeStr, '\0', text);
    } else {
      const char c = "aZ é;("[pick(6)];
      what << " char '" << c << "'";
      Cmd(static_cast<TSynEditorCommand>(command), c);
    }
    return what.str();
  }
};

TEST_F(PropertyTest, UndoAndRedoReplayEveryCommand) {
  std::mt19937 rng(20261207);
  for (int sequence = 0; sequence < 2000; ++sequence) {
    const bool group = rng() % 2;
    TSynEditorOptions options = edit.Options();
    const auto flag = [&](TSynEditorOptions f, bool on) { options = on ? (options | f) : (options & ~f); };
    flag(eoGroupUndo, group);
    flag(eoTrimTrailingSpaces, rng() % 2);
    flag(eoAutoIndent, rng() % 2);
    flag(eoTabsToSpaces, rng() % 2);
    flag(eoScrollPastEol, rng() % 4 != 0);
    flag(eoSmartTabs, rng() % 2);
    edit.SetOptions(options);
    edit.SetInsertMode(rng() % 2);
    edit.ClearAll();
    const int lines = 1 + static_cast<int>(rng() % 6);
    for (int i = 0; i < lines; ++i) edit.Lines().Add(kLinePool[rng() % std::size(kLinePool)]);
    const Lines first = Normal();
    std::string log = "\n  start " + Show(first);
    for (int step = 0; step < 30; ++step) {
      const Lines before = Normal();
      const int itemsBefore = edit.UndoList().GetItemCount();
      const std::string what = RunOne(rng);
      const Lines after = Normal();
      log += "\n  " + what + "\n    -> " + Show(after);
      if (group) {
        // Undoing everything gives the first text, redoing it all the text
        // now, after every command (so replays of replays are covered too).
        while (edit.CanUndo()) edit.Undo();
        ASSERT_EQ(Show(Normal()), Show(first)) << "undo all, sequence " << sequence << log;
        while (edit.CanRedo()) edit.Redo();
        ASSERT_EQ(Show(Normal()), Show(after)) << "redo all, sequence " << sequence << log;
      }
      if (group) continue;
      // A change that records nothing could never be undone.
      ASSERT_TRUE(after == before || edit.UndoList().GetItemCount() != itemsBefore)
          << "unrecorded change, sequence " << sequence << log;
      if (edit.UndoList().GetItemCount() == itemsBefore) continue;
      edit.Undo();
      ASSERT_EQ(Show(Normal()), Show(before)) << "undo, sequence " << sequence << log << "\n after "
                                              << Show(after);
      edit.Redo();
      ASSERT_EQ(Show(Normal()), Show(after)) << "redo, sequence " << sequence << log << "\n before "
                                             << Show(before);
    }
    if (!group) continue;
    // Each Redo gives back the text its Undo started from.
    std::vector<Lines> undone{Normal()};
    while (edit.CanUndo()) {
      edit.Undo();
      undone.push_back(Normal());
    }
    ASSERT_EQ(Show(undone.back()), Show(first)) << "undo by groups, sequence " << sequence << log;
    for (std::size_t i = undone.size() - 1; i > 0 && edit.CanRedo(); --i) {
      edit.Redo();
      ASSERT_EQ(Show(Normal()), Show(undone[i - 1])) << "redo " << i << ", sequence " << sequence << log;
    }
    EXPECT_FALSE(edit.CanRedo());
  }
}

}  // namespace
}  // namespace kau::editor::testing
