#include <string>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

struct BracketCase {
  std::vector<const char*> lines;
  TPoint from;
  TPoint expected;
};

TEST_F(ControlTest, MatchingBracketsWithoutAHighlighter) {
  const std::vector<BracketCase> cases = {
      {{"a := (b [c] (d));"}, {6, 1}, {16, 1}},
      {{"a := (b [c] (d));"}, {16, 1}, {6, 1}},
      {{"a := (b [c] (d));"}, {9, 1}, {11, 1}},
      {{"a := (b [c] (d));"}, {11, 1}, {9, 1}},
      {{"a := (b [c] (d));"}, {15, 1}, {13, 1}},
      {{"if a < b then x > y"}, {6, 1}, {17, 1}},
      {{"{ x", "  {y}", "}"}, {1, 1}, {1, 3}},
      {{"{ x", "  {y}", "}"}, {1, 3}, {1, 1}},
      {{"((", ")"}, {2, 1}, {1, 2}},
      // Unmatched, not a bracket, outside the text.
      {{"(a (b)"}, {1, 1}, {0, 0}},
      {{"a)"}, {2, 1}, {0, 0}},
      {{"(a)"}, {2, 1}, {0, 0}},
      {{"(a)"}, {0, 1}, {0, 0}},
      {{"(a)"}, {4, 1}, {0, 0}},
      {{"(a)"}, {1, 0}, {0, 0}},
      {{"(a)"}, {1, 2}, {0, 0}},
      {{}, {1, 1}, {0, 0}},
  };
  for (const BracketCase& c : cases) {
    edit.Lines().Clear();
    for (const char* line : c.lines) edit.Lines().Add(line);
    EXPECT_EQ(edit.GetMatchingBracketEx(c.from, false), c.expected)
        << c.lines.size() << " lines, from " << c.from.X << "," << c.from.Y;
  }
}

TEST_F(ControlTest, BracketsInCommentsAndStringsArePassedOver) {
  SetLines({"x := (a { ) ( }", "  (* ] ) [", "     ( *) + ')' + b[1]);", "{(}"});
  TSynPasSyn pascal;
  edit.SetHighlighter(&pascal);  // after the text, so that every range is scanned
  EXPECT_EQ(edit.GetMatchingBracketEx({6, 1}, false), (TPoint{23, 3}));
  EXPECT_EQ(edit.GetMatchingBracketEx({23, 3}, false), (TPoint{6, 1}));
  EXPECT_EQ(edit.GetMatchingBracketEx({20, 3}, false), (TPoint{22, 3}));
  // A bracket inside a comment is still a start.
  EXPECT_EQ(edit.GetMatchingBracketEx({2, 4}, false), (TPoint{0, 0}));
  EXPECT_EQ(edit.GetMatchingBracketEx({11, 1}, false), (TPoint{6, 1}));
  edit.SetHighlighter(nullptr);
  EXPECT_EQ(edit.GetMatchingBracketEx({6, 1}, false), (TPoint{11, 1}));
}

// Each tab before the match adds a whole tab width less one, wherever it
// stands: not the distance to the next tab stop.
TEST_F(ControlTest, TheTabFlagCountsEachTabAsAWholeTabWidth) {
  SetLines({"a\t(x)", "\t\t(", "\t)", "abc\t[x\ty]"});
  EXPECT_EQ(edit.GetMatchingBracketEx({3, 1}, true), (TPoint{12, 1}));
  EXPECT_EQ(edit.GetMatchingBracketEx({3, 1}, false), (TPoint{5, 1}));
  EXPECT_EQ(edit.GetMatchingBracketEx({2, 3}, true), (TPoint{17, 2}));
  EXPECT_EQ(edit.GetMatchingBracketEx({9, 4}, true), (TPoint{12, 4}));
  EXPECT_EQ(edit.GetMatchingBracketEx({5, 4}, true), (TPoint{23, 4}));
  edit.SetTabWidth(4);
  EXPECT_EQ(edit.GetMatchingBracketEx({3, 2}, true), (TPoint{5, 3}));
  EXPECT_EQ(edit.GetMatchingBracketEx({3, 1}, true), (TPoint{8, 1}));
}

TEST_F(ControlTest, MatchBracketMovesTheCaretOnly) {
  SetLines({"a := (b [c] (d));"});
  edit.SetCaretXY({6, 1});
  EXPECT_EQ(edit.GetMatchingBracket(), (TPoint{16, 1}));
  edit.CommandProcessor(ecMatchBracket, '\0', nullptr);
  EXPECT_EQ(edit.CaretXY(), (TPoint{16, 1}));
  EXPECT_EQ(edit.BlockBegin(), (TPoint{6, 1}));
  edit.SetCaretXY({2, 1});
  edit.CommandProcessor(ecMatchBracket, '\0', nullptr);
  EXPECT_EQ(edit.CaretXY(), (TPoint{2, 1}));
}

}  // namespace
}  // namespace kau::editor::testing
