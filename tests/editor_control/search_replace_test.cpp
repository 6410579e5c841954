#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/search/syn_edit_search.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

class SearchReplaceTest : public ControlTest {
 protected:
  SearchReplaceTest() { edit.SetSearchEngine(&engine); }

  std::vector<std::string> AllLines() const {
    std::vector<std::string> lines;
    for (int i = 1; i <= edit.LineCount(); ++i) lines.push_back(edit.LineText(i));
    return lines;
  }

  TSynEditSearch engine;
};

using Lines = std::vector<std::string>;
constexpr TSynSearchOptions kAll = ssoReplace | ssoReplaceAll | ssoEntireScope;

TEST_F(SearchReplaceTest, ReplaceAllOverTheWholeText) {
  SetLines({"aaa"});
  EXPECT_EQ(edit.SearchReplace("a", "xa", kAll), 3);
  EXPECT_EQ(AllLines(), (Lines{"xaxaxa"}));
  edit.Undo();
  EXPECT_EQ(AllLines(), (Lines{"aaa"}));
  EXPECT_FALSE(edit.CanUndo());
  edit.Redo();
  EXPECT_EQ(AllLines(), (Lines{"xaxaxa"}));

  // Replacements holding line breaks: the search goes on after them.
  SetLines({"a;b;c", "d;e"});
  edit.ClearUndo();
  EXPECT_EQ(edit.SearchReplace(";", ";\r\n", kAll), 3);
  EXPECT_EQ(AllLines(), (Lines{"a;", "b;", "c", "d;", "e"}));
  edit.Undo();
  EXPECT_EQ(AllLines(), (Lines{"a;b;c", "d;e"}));

  SetLines({"in begin in.", "IN"});
  EXPECT_EQ(edit.SearchReplace("in", "em", kAll | ssoWholeWord), 3);
  EXPECT_EQ(AllLines(), (Lines{"em begin em.", "em"}));
  EXPECT_EQ(edit.SearchReplace("EM", "x", kAll | ssoMatchCase), 0);
  EXPECT_EQ(edit.SearchReplace("", "x", kAll), 0);
}

TEST_F(SearchReplaceTest, PlainSearchSelectsTheFirstMatchInRange) {
  SetLines({"ab ab", "xab"});
  edit.SetCaretXY({2, 1});
  // From the caret: the match at column 1 of the caret's line is out of range.
  EXPECT_EQ(edit.SearchReplace("ab", "", 0), 1);
  EXPECT_EQ(edit.BlockBegin(), (TPoint{4, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TPoint{6, 1}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{6, 1}));
  EXPECT_EQ(edit.SearchReplace("ab", "", 0), 1);
  EXPECT_EQ(edit.CaretXY(), (TPoint{4, 2}));
  EXPECT_EQ(edit.SearchReplace("ab", "", 0), 0);

  // Backward from the caret: the caret ends at the match's start.
  edit.SetCaretXY({5, 1});
  EXPECT_EQ(edit.SearchReplace("ab", "", ssoBackwards), 1);
  EXPECT_EQ(edit.BlockBegin(), (TPoint{1, 1}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 1}));

  // Replace without replace-all: the first match only.
  edit.SetCaretXY({1, 1});
  EXPECT_EQ(edit.SearchReplace("ab", "c", ssoReplace | ssoEntireScope), 1);
  EXPECT_EQ(AllLines(), (Lines{"c ab", "xab"}));
}

TEST_F(SearchReplaceTest, BackwardReplaceAllLeavesTheCaretAtTheLastReplacement) {
  SetLines({"ab ab", "ab"});
  edit.SetCaretXY({3, 2});
  EXPECT_EQ(edit.SearchReplace("ab", "x\r\ny", kAll | ssoBackwards), 3);
  EXPECT_EQ(AllLines(), (Lines{"x", "y x", "y", "x", "y"}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 1}));
  edit.Undo();
  EXPECT_EQ(AllLines(), (Lines{"ab ab", "ab"}));
}

TEST_F(SearchReplaceTest, InsideTheSelectionInEachMode) {
  const struct {
    TSynSelectionMode mode;
    int count;
    Lines after;
  } cases[] = {
      {smNormal, 9, {"abbb", "bbbb", "bbaa"}},
      {smLine, 12, {"bbbb", "bbbb", "bbbb"}},
      {smColumn, 3, {"abaa", "abaa", "abaa"}},
  };
  for (const auto& c : cases) {
    SetLines({"aaaa", "aaaa", "aaaa"});
    edit.SetSelectionMode(c.mode);
    edit.SetBlockBegin({2, 1});
    edit.SetBlockEnd({3, 3});
    EXPECT_EQ(edit.SearchReplace("a", "b", kAll | ssoSelectedOnly), c.count) << c.mode;
    EXPECT_EQ(AllLines(), c.after) << c.mode;
    EXPECT_EQ(edit.SelectionMode(), c.mode);
  }
  // A text without selections is replaced all the same.
  SetLines({"a;a"});
  edit.SetOptionFlag(eoNoSelection, true);
  EXPECT_EQ(edit.SearchReplace("a", "bc", kAll), 2);
  EXPECT_EQ(AllLines(), (Lines{"bc;bc"}));
  edit.SetOptionFlag(eoNoSelection, false);
  // Without a selection the option is dropped.
  SetLines({"aa"});
  edit.SetCaretXY({1, 1});
  EXPECT_EQ(edit.SearchReplace("a", "b", kAll | ssoSelectedOnly), 2);
}

TEST_F(SearchReplaceTest, SelectionEndFollowsLongerReplacements) {
  SetLines({"a a a", "a a a"});
  edit.SetBlockBegin({1, 1});
  edit.SetBlockEnd({4, 2});
  EXPECT_EQ(edit.SearchReplace("a", "bb", kAll | ssoSelectedOnly), 5);
  EXPECT_EQ(AllLines(), (Lines{"bb bb bb", "bb bb a"}));
}

struct Answers {
  std::vector<TSynReplaceAction> answers;
  std::vector<TPoint> asked;
  void Answer(TObject*, const std::string&, const std::string&, int Line, int Column, TSynReplaceAction& Action) {
    asked.push_back({Column, Line});
    EXPECT_EQ(Action, raCancel);
    Action = answers.at(asked.size() - 1);
  }
};

TEST_F(SearchReplaceTest, PromptedReplacements) {
  SetLines({"a a", "a a"});
  Answers answers{{raSkip, raReplaceAll}, {}};
  edit.OnReplaceText = makeMethod<&Answers::Answer>(&answers);
  const TSynSearchOptions prompted = kAll | ssoPrompt;
  EXPECT_EQ(edit.SearchReplace("a", "bc", prompted), 4);
  EXPECT_EQ(answers.asked, (std::vector<TPoint>{{1, 1}, {3, 1}}));
  EXPECT_EQ(AllLines(), (Lines{"a bc", "bc bc"}));
  edit.Undo();  // everything from the answer on is one undo block
  EXPECT_EQ(AllLines(), (Lines{"a a", "a a"}));
  EXPECT_EQ(edit.PaintLock(), 0);
  EXPECT_EQ(edit.UndoList().BlockCount(), 0);

  // Cancel stops at once; the match stays counted and selected.
  answers = {{raSkip, raCancel}, {}};
  EXPECT_EQ(edit.SearchReplace("a", "bc", prompted), 2);
  EXPECT_EQ(AllLines(), (Lines{"a a", "a a"}));
  EXPECT_EQ(edit.BlockBegin(), (TPoint{3, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TPoint{4, 1}));

  // Skipping every match changes nothing; the caret ends after the last.
  answers = {{raSkip, raSkip, raSkip, raSkip}, {}};
  EXPECT_EQ(edit.SearchReplace("a", "bc", prompted), 4);
  EXPECT_EQ(AllLines(), (Lines{"a a", "a a"}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{4, 2}));

  // raReplace replaces one at a time, each its own undo step.
  answers = {{raReplace, raSkip, raReplace, raCancel}, {}};
  EXPECT_EQ(edit.SearchReplace("a", "bc", prompted), 4);
  EXPECT_EQ(AllLines(), (Lines{"bc a", "bc a"}));
  edit.Undo();
  EXPECT_EQ(AllLines(), (Lines{"bc a", "a a"}));

  // Without a handler a prompt replaces.
  edit.OnReplaceText = {};
  EXPECT_EQ(edit.DoOnReplaceText("a", "b", 1, 1), raCancel);
  EXPECT_EQ(edit.SearchReplace("a", "d", prompted), 3);
}

struct Thrower {
  void Answer(TObject*, const std::string&, const std::string&, int, int, TSynReplaceAction&) {
    throw std::runtime_error("answer");
  }
};

TEST_F(SearchReplaceTest, FailuresChangeNothingAndLeaveNothingOpen) {
  SetLines({"abc", "abc"});
  edit.SetCaretXY({2, 1});
  edit.SetSearchEngine(nullptr);
  try {
    edit.SearchReplace("b", "x", kAll);
    ADD_FAILURE() << "no exception";
  } catch (const ESynEditError& e) {
    EXPECT_STREQ(e.what(), "No search engine has been assigned");
  }
  EXPECT_EQ(AllLines(), (Lines{"abc", "abc"}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 1}));
  EXPECT_FALSE(edit.CanUndo());

  edit.SetSearchEngine(&engine);
  Thrower thrower;
  edit.OnReplaceText = makeMethod<&Thrower::Answer>(&thrower);
  EXPECT_THROW(edit.SearchReplace("b", "x", kAll | ssoPrompt), std::runtime_error);
  EXPECT_EQ(edit.PaintLock(), 0);
  EXPECT_EQ(edit.UndoList().BlockCount(), 0);

  // The editor forgets an engine that goes away.
  {
    TSynEditSearch shortLived;
    edit.SetSearchEngine(&shortLived);
  }
  EXPECT_EQ(edit.SearchEngine(), nullptr);
}

// An engine that reports empty matches and matches outside the line.
class BrokenEngine : public TSynEditSearch {
 public:
  int FindAll(const std::string&) override { return 4; }
  int GetResult(int Index) const override { return Index == 3 ? 1000 : Index; }
  int GetLength(int Index) const override { return Index == 3 ? 1 : 0; }
};

TEST_F(SearchReplaceTest, EmptyAndMisplacedMatchesArePassedOver) {
  SetLines({"abc", "abc"});
  BrokenEngine broken;
  edit.SetSearchEngine(&broken);
  EXPECT_EQ(edit.SearchReplace("a", "x\r\n", kAll), 0);
  EXPECT_EQ(AllLines(), (Lines{"abc", "abc"}));
}

std::string TrimLines(const std::string& text) {
  std::string trimmed, line;
  for (const char c : text + "\n") {
    if (c != '\n') {
      line += c;
      continue;
    }
    trimmed += TrimTrailing(line.substr(0, line.size() - (!line.empty() && line.back() == '\r'))) + "\n";
    line.clear();
  }
  return trimmed;
}

// Replace-all against a plain model: each line's non-overlapping matches,
// left to right, replaced; Undo gives the text back and Redo the result.
TEST_F(SearchReplaceTest, ReplaceAllMatchesAModelAndUndoes) {
  std::mt19937 random(2024);
  const char* const patterns[] = {"a", "ab", ";", "b;", "A"};
  const char* const replacements[] = {"", "x", "xa", ";\r\n", "\r\nq", "\t "};
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  edit.SetOptionFlag(eoTabsToSpaces, false);  // tabs stay tabs, as in the editor window
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> lines(static_cast<std::size_t>(1 + pick(5)));
    for (std::string& line : lines)
      for (int n = pick(9); n > 0; --n) line += "abA; \t"[pick(6)];
    const std::string pattern = patterns[pick(5)];
    const std::string replacement = replacements[pick(6)];
    const bool matchCase = pick(2) == 0;
    const bool trim = pick(2) == 0;
    edit.SetOptionFlag(eoTrimTrailingSpaces, trim);
    edit.Lines().Clear();
    for (const std::string& line : lines) edit.Lines().Add(line);
    edit.ClearUndo();
    const std::string before = edit.Text();

    std::string expected;
    int matches = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      std::string folded = lines[i], key = pattern;
      if (!matchCase)
        for (std::string* s : {&folded, &key})
          for (char& c : *s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      std::size_t from = 0;
      for (std::size_t at = folded.find(key); at != std::string::npos; at = folded.find(key, at + key.size())) {
        expected += lines[i].substr(from, at - from) + replacement;
        from = at + key.size();
        ++matches;
      }
      expected += lines[i].substr(from);
      if (i + 1 < lines.size()) expected += "\r\n";
    }

    SCOPED_TRACE("round " + std::to_string(round) + ": " + pattern + " -> " + replacement + " in " + before);
    EXPECT_EQ(edit.SearchReplace(pattern, replacement, kAll | (matchCase ? ssoMatchCase : 0)), matches);
    const std::string after = edit.Text();
    // Trimming takes the blanks off the end of each line it changes.
    EXPECT_EQ(trim ? TrimLines(after) : after, trim ? TrimLines(expected) : expected);
    if (matches == 0) continue;
    edit.Undo();
    EXPECT_EQ(edit.Text(), before);
    edit.Redo();
    EXPECT_EQ(edit.Text(), after);
  }
}

}  // namespace
}  // namespace kau::editor::testing

namespace kau::editor::testing {
namespace {

// What the window shows when the one asked about a match answers.
struct ShownWhenAsked {
  TSynEdit* edit;
  std::vector<bool> pending;
  void Answer(TObject*, const std::string&, const std::string&, int, int, TSynReplaceAction& Action) {
    pending.push_back(edit->ScrollPending());
    Action = raReplace;
  }
};

TEST_F(SearchReplaceTest, ReplaceAllMovesThePixelsOnceAtItsEnd) {
  Lines lines(300, "x");
  for (int i = 0; i < 300; i += 7) lines[static_cast<std::size_t>(i)] = "ab ab";
  edit.Lines().BeginUpdate();
  edit.Lines().Clear();
  for (const std::string& line : lines) edit.Lines().Add(line);
  edit.Lines().EndUpdate();
  const std::size_t scrollsBefore = window.Scrolls().size();
  window.ClearInvalidations();
  EXPECT_EQ(edit.SearchReplace("ab", "c", kAll), 2 * 43);
  EXPECT_GT(edit.TopLine(), 200);
  // The window jumped more than its height: one full repaint, no copies.
  EXPECT_EQ(window.Scrolls().size(), scrollsBefore);
  const std::vector<TRect>& asked = window.Invalidations();
  EXPECT_EQ(std::count(asked.begin(), asked.end(), TRect{0, 0, 400, 320}), 1);
  EXPECT_FALSE(edit.ScrollPending());

  // A prompt under replace-all's lock is asked with the window at the match.
  ShownWhenAsked prompt{&edit, {}};
  edit.OnReplaceText = makeMethod<&ShownWhenAsked::Answer>(&prompt);
  edit.SetCaretXY({1, 1});
  EXPECT_EQ(edit.SearchReplace("c", "ab", kAll | ssoPrompt), 2 * 43);
  EXPECT_EQ(prompt.pending, std::vector<bool>(2 * 43, false));
}

}  // namespace
}  // namespace kau::editor::testing
