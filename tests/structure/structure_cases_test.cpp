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

TEST(Structures, PairLines) {
    std::vector<std::string> lines = {"begin=End", "Caso=Fim"};
    UpperCaseStructureTokens(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"BEGIN=END", "CASO=FIM"}));
    const auto pairs = ParseStructurePairs({"A=B=C", "X=Y", "", "="});
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].Opener, "X");
    EXPECT_EQ(pairs[0].Closer, "Y");
    const StructureWords words(ParseStructurePairs(kFourPairs));
    EXPECT_EQ(words.WordCount(), 6);
    EXPECT_EQ(words.Roles(words.Find("end")).size(), 3u);
    EXPECT_EQ(words.Find("ENDS"), -1);
}

TEST(Structures, ChangesScanOnlyTheLinesTheyReach) {
    std::vector<std::string> text(1000, "  x := 1;");
    text[10] = "begin";
    text[900] = "end";
    TSynEditStringList store;
    setLines(store, text);
    TSynPasSyn highlighter;
    StructureCache cache;
    cache.Reset(store.GetCount());
    EXPECT_TRUE(cache.Update(store, highlighter));
    EXPECT_EQ(cache.LastScanCount(), 1000);
    EXPECT_EQ(cache.Matches(), (std::vector<StructureMatch>{{{1, 12}, {1, 901}}}));

    store.Put(500, "  x := 2; // end");
    cache.LineChanged(500);
    EXPECT_FALSE(cache.Update(store, highlighter));
    EXPECT_EQ(cache.LastScanCount(), 1);

    store.Put(0, "{");  // the rest of the text becomes a comment
    cache.LineChanged(0);
    EXPECT_TRUE(cache.Update(store, highlighter));
    EXPECT_EQ(cache.LastScanCount(), 1000);
    EXPECT_TRUE(cache.Matches().empty());

    store.Put(0, "  x := 1;");
    cache.LineChanged(0);
    cache.Update(store, highlighter);
    EXPECT_EQ(cache.LastScanCount(), 1000);

    store.Insert(20, "begin");
    store.Insert(21, "end");
    cache.LinesInserted(20, 2);
    EXPECT_TRUE(cache.Update(store, highlighter));
    EXPECT_EQ(cache.LastScanCount(), 2);
    EXPECT_EQ(cache.Matches(), (std::vector<StructureMatch>{{{1, 22}, {1, 22}}, {{1, 12}, {1, 903}}}));

    store.DeleteLines(10, 12);
    cache.LinesDeleted(10, 12);
    EXPECT_TRUE(cache.Update(store, highlighter));
    EXPECT_EQ(cache.LastScanCount(), 0);
    EXPECT_TRUE(cache.Matches().empty());
    EXPECT_EQ(cache.LineCount(), store.GetCount());

    store.Insert(0, "begin");  // not reported
    EXPECT_TRUE(cache.Update(store, highlighter));
    EXPECT_EQ(cache.LastScanCount(), store.GetCount());
    EXPECT_EQ(cache.Matches(), (std::vector<StructureMatch>{{{1, 2}, {1, 892}}}));
}

TEST(Structures, ChangesOnOneLineMatchOnlyTheLinesAboveIt) {
    std::vector<std::string> text(1000, "end");
    TSynEditStringList store;
    setLines(store, text);
    TSynPasSyn highlighter;
    StructureCache cache;
    cache.Reset(store.GetCount());
    cache.Update(store, highlighter);
    EXPECT_EQ(cache.LastMatchCount(), 1000);
    const struct {
        int line;
        const char* text;
        int matched;  // lines the matcher goes through
        int pairs;
    } steps[] = {
        {100, "begin", 1000, 1},  // the first change starts from the last line
        {100, "begin begin", 101, 2},
        {100, "begin { begin }", 101, 1},
        {100, "begin (* *)", 0, 1},  // the same words
        {900, "x", 1000, 1},  // below the last change: from the last line again
        {50, "begin", 901, 2},
        {50, "", 51, 1},
    };
    for (const auto& step : steps) {
        store.Put(step.line, step.text);
        cache.LineChanged(step.line);
        cache.Update(store, highlighter);
        EXPECT_EQ(cache.LastMatchCount(), step.matched) << step.text;
        EXPECT_EQ(cache.Matches().size(), static_cast<std::size_t>(step.pairs)) << step.text;
    }
}

}  // namespace
}  // namespace kau::editor
