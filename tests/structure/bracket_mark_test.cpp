// The bracket marked beside the caret.
#include <gtest/gtest.h>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/bracket_mark.h"
#include "editor/structure/structure_line_scan.h"

namespace kau::editor {
namespace {

TEST(BracketMark, CharacterLeftOfTheCaret) {
  struct Case {
    const char* line;
    int column;
    std::optional<BracketMark> expected;
  };
  const Case cases[] = {
      {"(a+b)", 6, BracketMark{{5, 1}, ')', '('}},
      {"(a+b)", 2, BracketMark{{1, 1}, '(', ')'}},
      {"x := v[1];", 8, BracketMark{{7, 1}, '[', ']'}},
      {"x := v[1];", 10, BracketMark{{9, 1}, ']', '['}},
      {"(a+b)", 3, std::nullopt},         // after a letter
      {"(a+b)", 1, std::nullopt},         // nothing left of the caret
      {"(a+b)", 8, std::nullopt},         // beyond the end of the line
      {"{x}", 4, std::nullopt},           // a comment in Pascal
      {"s := '(a)';", 10, std::nullopt},  // inside a string
      {"(* a *)", 8, std::nullopt},
  };
  TSynPasSyn highlighter;
  const SynRange start = InitialRange(highlighter);
  for (const auto& c : cases)
    EXPECT_EQ(FindBracketMark(c.line, {c.column, 1}, start, highlighter), c.expected) << c.line << " " << c.column;
}

TEST(BracketMark, LineBegunInsideAComment) {
  TSynPasSyn highlighter;
  highlighter.ResetRange();
  highlighter.SetLine("{ open", 0);
  while (!highlighter.GetEol()) highlighter.Next();
  const SynRange inComment = highlighter.GetRange();
  EXPECT_EQ(FindBracketMark("(a) }", {4, 2}, inComment, highlighter), std::nullopt);
  EXPECT_EQ(FindBracketMark("} (a)", {6, 2}, inComment, highlighter), (BracketMark{{5, 2}, ')', '('}));
}

}  // namespace
}  // namespace kau::editor
