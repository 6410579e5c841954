// The auto-complete expander on a real editor: the word before the caret
// becomes its template, indented to the word's column, as one undo step.
#include "editor/completion/auto_complete.h"

#include <stdexcept>

#include "tests/completion/proposal_fixture.h"

namespace kau::editor::testing {
namespace {

using Text = std::vector<std::string>;

class AutoCompleteTest : public KeyedEditorTest {
 public:
  void FailOnLineBreak(TObject*, TSynEditorCommand& Command, char&, void*) {
    if (Command == ecLineBreak) throw std::runtime_error("line break failed");
  }

 protected:
  AutoCompleteTest() {
    edit.SetTabWidth(4);
    edit.SetOptions(eoAutoIndent | eoTrimTrailingSpaces);
    expander.SetAutoCompleteList({"beg", "=begin", "=\t|", "=end", "", "wl", "=writeln", "ifx", "=if"});
    expander.SetEditor(&edit);
  }
  void ShiftSpace() { window.SendKey(VK_SPACE, ssShift, " "); }

  TSynAutoComplete expander;
};

TEST_F(AutoCompleteTest, ListQueries) {
  EXPECT_EQ(expander.ShortCut(), 8224);
  EXPECT_EQ(expander.EndOfTokenChr(), "()[]. ");
  EXPECT_EQ(expander.GetTokenList(), "beg\r\nwl\r\nifx\r\n");
  EXPECT_EQ(expander.GetTokenValue("beg"), "begin\r\n\t|\r\nend\r\n");
  EXPECT_EQ(expander.GetTokenValue("=begin"), "");
  EXPECT_EQ(expander.GetTokenValue("nothing"), "");
}

TEST_F(AutoCompleteTest, TheWordBecomesItsTemplateIndentedToItsColumn) {
  // Tab width 4: the word starts in display column 10, so the template's
  // further lines begin with two tabs and a blank.
  SetText({"\t\t beg"}, {7, 1});
  ShiftSpace();
  EXPECT_EQ(Lines(), (Text{"\t\t begin", "\t\t \t", "\t\t end"}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{5, 2}));
  EXPECT_EQ(edit.Options(), eoAutoIndent | eoTrimTrailingSpaces);
  edit.Undo();
  EXPECT_EQ(Lines(), Text{"\t\t beg"});
}

TEST_F(AutoCompleteTest, WithoutAMarkTheCaretEndsAfterTheTemplate) {
  SetText({"x(ifx"}, {6, 1});
  ShiftSpace();
  EXPECT_EQ(Lines(), Text{"x(if"});
  EXPECT_EQ(edit.CaretXY(), (TPoint{5, 1}));
}

// Only an empty line (or the list's end) ends a template without a line
// break: right after "=writeln" comes the name "ifx".
TEST_F(AutoCompleteTest, ATemplateFollowedDirectlyByTheNextNameEndsWithALineBreakAndIndentation) {
  struct Case {
    Text line;
    TPoint caret;
    Text after;
    TPoint caretAfter;
  };
  const Case cases[] = {
      {{"x(wl"}, {5, 1}, {"x(writeln", "  "}, {3, 2}},
      {{"\t\t wl"}, {6, 1}, {"\t\t writeln", "\t\t "}, {4, 2}},
      {{"wl"}, {3, 1}, {"writeln", ""}, {1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line[0]);
    SetText(c.line, c.caret);
    ShiftSpace();
    EXPECT_EQ(Lines(), c.after);
    EXPECT_EQ(edit.CaretXY(), c.caretAfter);
    edit.Undo();
    EXPECT_EQ(Lines(), c.line);
  }
}

TEST_F(AutoCompleteTest, TheShortcutsCharacterNeverArrives) {
  struct Case {
    const char* line;
    const char* text;  // the shortcut key's characters
    Text after;
  };
  const Case cases[] = {
      {"ifx", " ", {"if"}},
      {"ifx", "", {"if"}},
      {"unknown", " ", {"unknown"}},
      {"", " ", {""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    SetText({c.line}, {static_cast<int>(std::string(c.line).size()) + 1, 1});
    window.SendKey(VK_SPACE, ssShift, c.text);
    EXPECT_EQ(Lines(), c.after);
    Type("a");
    EXPECT_EQ(edit.LineText(1), c.after[0] + "a");
  }
}

TEST_F(AutoCompleteTest, AFailingCommandStillRestoresTheOptionsAndClosesTheUndoPair) {
  SetText({"beg"}, {4, 1});
  edit.OnProcessCommand = makeMethod<&AutoCompleteTest::FailOnLineBreak>(this);
  EXPECT_THROW(expander.Execute("beg", edit), std::runtime_error);
  EXPECT_EQ(edit.Options(), eoAutoIndent | eoTrimTrailingSpaces);
  EXPECT_EQ(edit.UndoList().LastChangeReason(), crAutoCompleteEnd);
  edit.OnProcessCommand = {};
  edit.Undo();
  EXPECT_EQ(Lines(), Text{"beg"});
}

TEST_F(AutoCompleteTest, AReadOnlyEditorOrAGoneEditorExpandsNothing) {
  SetText({"wl"}, {3, 1});
  edit.SetReadOnly(true);
  ShiftSpace();
  EXPECT_EQ(Lines(), Text{"wl"});
  edit.SetReadOnly(false);
  {
    TSynEdit other;
    expander.SetEditor(&other);
  }
  EXPECT_EQ(expander.Editor(), nullptr);
}

}  // namespace
}  // namespace kau::editor::testing
