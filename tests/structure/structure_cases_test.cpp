// The block pairs of small texts, the pair list format, and how much of a
// text the kept results scan again after a change.
#include <gtest/gtest.h>

#include "tests/structure/structure_text.h"

namespace kau::editor {
namespace {

using testing::matchText;
using testing::setLines;

const std::vector<std::string> kFourPairs = {"BEGIN=END", "REPEAT=UNTIL", "CASE=END", "RECORD=END"};

struct Case {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::string> pairs;
  std::vector<StructureMatch> expected;
};

TEST(Structures, CasesMatchAsTheScanDescribes) {
  const std::vector<Case> cases = {
        {"begin and end in one column", {"x", "  begin", "  a;", "", "", "  end;"}, DefaultStrutureTokens(),
         {{{3, 3}, {3, 6}}}},
      {"one line", {"BEGIN END"}, DefaultStrutureTokens(), {{{1, 2}, {7, 1}}}},
      {"no boundary", {"BEGINX XBEGIN ''BEGIN", "END"}, DefaultStrutureTokens(), {}},
      {"open bracket", {"(BEGIN", "END"}, DefaultStrutureTokens(), {{{2, 2}, {1, 2}}}},
      {"digit", {"1BEGIN", "END"}, DefaultStrutureTokens(), {{{2, 2}, {1, 2}}}},
      {"digit after", {"BEGIN1", "END2"}, DefaultStrutureTokens(), {{{1, 2}, {1, 2}}}},
      {"nested case", {"BEGIN", "CASE x OF", "END;", "END."}, kFourPairs, {{{1, 3}, {1, 3}}, {{1, 2}, {1, 4}}}},
      {"record in begin", {"begin", " record", " end", "end"}, kFourPairs, {{{2, 3}, {2, 3}}, {{1, 2}, {1, 4}}}},
      {"unmatched", {"END", "BEGIN"}, DefaultStrutureTokens(), {}},
      {"right to left", {"begin begin end end"}, DefaultStrutureTokens(), {{{7, 2}, {13, 1}}, {{1, 2}, {17, 1}}}},
      {"repeat", {"Repeat", "until x"}, DefaultStrutureTokens(), {{{1, 2}, {1, 2}}}},
      {"comments and strings",
       {"begin", "  { end }", "  (* end *) // end", "  s := 'end' + 'it''s end';", "end"},
       DefaultStrutureTokens(),
       {{{1, 2}, {1, 5}}}},
        {"comment over lines", {"begin", "{ comment", "  begin", "end }", "end"}, DefaultStrutureTokens(),
         {{{1, 2}, {1, 5}}}},
      {"bad pair lines make nothing",
       {"begin", "case", "end", "repeat", "until"},
       {"BEGIN", "=END", "CASE=", "BEGIN =END", "begin=end", "REPEAT=UNTIL"},
       {{{1, 5}, {1, 5}}}},
      {"no pairs", {"begin", "end"}, {}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(matchText(c.lines, c.pairs), c.expected) << c.name;
}

// A word of the pairs with other characters than letters is found where the
// word the scan grows leftwards from the line's end spells it whole.
TEST(Structures, PairWordsMayHoldAnyCharacter) {
  const std::vector<std::string> digits = {"BEGIN=END", "BLOCK1=END1"};
  const std::vector<std::string> semicolon = {"BEGIN=END", "CASE=END;"};
  const std::vector<Case> cases = {
      {"digits", {"block1", "  x", "end1"}, digits, {{{1, 2}, {1, 3}}}},
      {"digits and letters", {"begin block1", "end1 end"}, digits, {{{7, 2}, {1, 2}}, {{1, 2}, {6, 2}}}},
      {"a letter after", {"block1", "end1x"}, digits, {}},
      {"a digit after", {"block1", "end11"}, digits, {}},
      {"not at a boundary", {"xblock1", "end1"}, digits, {}},
      {"symbols", {"<< a", "  >> b"}, {"<<=>>"}, {{{1, 2}, {3, 2}}}},
      {"symbols on one line", {"1<<(y)>>"}, {"<<=>>"}, {{{2, 2}, {7, 1}}}},
      {"symbols before a letter", {"x <<y >>"}, {"<<=>>"}, {}},
      {"a longer word first", {"begin", "case", "end;", "end"}, semicolon, {{{1, 3}, {1, 3}}, {{1, 2}, {1, 4}}}},
      {"without it", {"begin", "case", "end;", "end"}, DefaultStrutureTokens(), {{{1, 2}, {1, 3}}}},
      {"in a comment", {"block1", "{ end1 }", "end1"}, digits, {{{1, 2}, {1, 3}}}},
  };
  for (const auto& c : cases) EXPECT_EQ(matchText(c.lines, c.pairs), c.expected) << c.name;
}

TEST(Structures, PairLines) {
  std::vector<std::string> lines = {"begin=End", "Caso=Fim"};
  UpperCaseStructureTokens(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"BEGIN=END", "CASO=FIM"}));
  // Split at the first "=", whatever the sides hold.
  const auto pairs = ParseStructurePairs({"A=B=C", "X=Y", "", "=", "A1=;B", "=B", "A="});
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[0].Opener, "A");
  EXPECT_EQ(pairs[0].Closer, "B=C");
  EXPECT_EQ(pairs[1].Opener, "X");
  EXPECT_EQ(pairs[1].Closer, "Y");
  EXPECT_EQ(pairs[2].Opener, "A1");
  EXPECT_EQ(pairs[2].Closer, ";B");
  const StructureWords words(ParseStructurePairs(kFourPairs));
  EXPECT_EQ(words.WordCount(), 6);
  EXPECT_EQ(words.Roles(words.Find("end")).size(), 3u);
  EXPECT_EQ(words.Find("ENDS"), -1);
}

// Pairs in groups are matched from the top only until every opener up to the
// line asked for has its closer; other pairs need the whole text.
TEST(Structures, MatchingStopsWhenTheOpenersAboveHaveTheirClosers) {
  std::vector<std::string> text(1000, "  x := 1;");
  text[2] = "begin";
  text[8] = "  repeat";
  text[40] = "  until x;";
  text[60] = "end;";
  text[900] = "begin end";
  TSynEditStringList store;
  setLines(store, text);
  TSynPasSyn highlighter;
  const struct {
    const char* what;
    std::vector<std::string> pairs;
    int through;
    int scanned;  // lines whose words were looked for
    std::size_t matches;
  } cases[] = {
      {"window above the openers' closers", DefaultStrutureTokens(), 9, 61, 2},
      {"nothing open at the window's end", DefaultStrutureTokens(), 70, 71, 2},
      {"the whole text", DefaultStrutureTokens(), 999, 1000, 3},
      {"pairs that do not group", {"BEGIN=END", "END=UNTIL"}, 9, 1000, 2},
  };
  for (const auto& c : cases) {
    StructureCache cache;
    cache.SetPairs(c.pairs);
    ScannedLineStates states(store, highlighter);
    cache.Update(store, highlighter, states, c.through);
    EXPECT_EQ(cache.LastScanCount(), c.scanned) << c.what;
    EXPECT_EQ(states.Scanned(), c.scanned) << c.what;
    EXPECT_GE(cache.MatchedThrough(), std::min(c.through, 999)) << c.what;
    EXPECT_EQ(cache.Matches().size(), c.matches) << c.what;
  }
}

// Lines inserted and deleted one at a time, far and near, move the kept words
// with them; only the lines reported are scanned again.
TEST(Structures, KeptWordsFollowInsertedAndDeletedLines) {
  std::vector<std::string> text(200, "x;");
  text[10] = "begin";
  text[150] = "end";
  TSynEditStringList store;
  setLines(store, text);
  TSynPasSyn highlighter;
  StructureCache cache;
  cache.Reset(store.GetCount());
  {
    ScannedLineStates states(store, highlighter);
    cache.Update(store, highlighter, states, 199);
  }
  EXPECT_EQ(cache.Matches(), (std::vector<StructureMatch>{{{1, 12}, {1, 151}}}));
  for (int k = 0; k < 50; ++k) {  // a load in the middle, line by line
    store.Insert(100 + k, "y;");
    cache.LinesInserted(100 + k, 1);
  }
  for (int k = 0; k < 5; ++k) {  // and lines deleted above it
    store.Delete(0);
    cache.LinesDeleted(0, 1);
  }
  ScannedLineStates states(store, highlighter);
  cache.Update(store, highlighter, states, store.GetCount() - 1);
  EXPECT_EQ(cache.LastScanCount(), 52);  // the new lines, the line after them, the new first line
  EXPECT_EQ(cache.Matches(), (std::vector<StructureMatch>{{{1, 7}, {1, 196}}}));
}

}  // namespace
}  // namespace kau::editor
