// The table generator on small grammars whose automata are known by hand.
#include <gtest/gtest.h>

#include <string>

#include "tools/lalr/automaton.h"
#include "tools/lalr/grammar.h"
#include "tools/lalr/table_writer.h"

namespace kau::lalr {
namespace {

Grammar read(const std::string& text) {
  Grammar g;
  std::string error;
  EXPECT_TRUE(readGrammar(text, g, error)) << error;
  return g;
}

struct Counts {
  int shifts = 0, reduces = 0, accepts = 0;
};

Counts count(const Tables& t) {
  Counts c;
  for (const auto& row : t.action) {
    for (std::int32_t a : row) {
      if (a >= kShiftBase) ++c.shifts;
      else if (a == kAcceptAction) ++c.accepts;
      else if (a > kReduceBase) ++c.reduces;
    }
  }
  return c;
}

TEST(Lalr, ExpressionGrammar) {
  const Grammar g = read(
      "%token 1 \"+\"\n%token 2 id\n%token 3 $end\n"
      "%nonterminal 1 start\n%nonterminal 2 expr\n%nonterminal 3 term\n"
      "1 START start : expr\n2 SUM expr : expr \"+\" term\n3 TERM expr : term\n4 ID term : id\n");
  const Tables t = buildTables(g);
  // Six item sets plus the accepting state 1.
  EXPECT_EQ(t.stateCount, 7);
  EXPECT_TRUE(t.conflicts.empty());
  const Counts c = count(t);
  EXPECT_EQ(c.accepts, 1);
  EXPECT_EQ(t.action[1][3], kAcceptAction);
  EXPECT_EQ(c.shifts, 3);    // id from state 0, "+" after expr, id after "+"
  EXPECT_EQ(c.reduces, 7);   // start on $end; expr+term and term on "+" $end; id on "+" $end
  ASSERT_FALSE(t.gotos.empty());
  EXPECT_EQ(t.gotos[0].state, 0);
  EXPECT_EQ(t.gotos[0].nonterminal, 1);
  EXPECT_EQ(t.gotos[0].target, 1);
  EXPECT_EQ(t.gotos.size(), 4u);   // start, expr, term from 0; term after "+"
}

// Not SLR(1): FOLLOW(R) holds "=", so an SLR table would reduce R -> L before
// "=" where it must shift. LALR(1) look-aheads keep it clean.
TEST(Lalr, LookaheadsAreFinerThanFollowSets) {
  const Grammar g = read(
      "%token 1 \"=\"\n%token 2 \"*\"\n%token 3 id\n%token 4 $end\n"
      "%nonterminal 1 start\n%nonterminal 2 s\n%nonterminal 3 l\n%nonterminal 4 r\n"
      "1 START start : s\n2 S_ASSIGN s : l \"=\" r\n3 S_R s : r\n4 L_STAR l : \"*\" r\n5 L_ID l : id\n6 R r : l\n");
  EXPECT_TRUE(buildTables(g).conflicts.empty());
}

TEST(Lalr, DanglingElseShifts) {
  const Grammar g = read(
      "%token 1 \"IF\"\n%token 2 \"ELSE\"\n%token 3 x\n%token 4 $end\n"
      "%nonterminal 1 start\n%nonterminal 2 s\n"
      "1 START start : s\n2 IF s : \"IF\" s\n3 IF_ELSE s : \"IF\" s \"ELSE\" s\n4 X s : x\n");
  const Tables t = buildTables(g);
  ASSERT_EQ(t.conflicts.size(), 1u);
  const Conflict& c = t.conflicts[0];
  EXPECT_EQ(c.kind, 2);
  EXPECT_EQ(c.production, 2);
  EXPECT_GE(t.action[c.state][2], kShiftBase);
  EXPECT_EQ(t.action[c.state][4], kReduceBase + 2);
  EXPECT_NE(describeConflict(g, c).find("\"ELSE\""), std::string::npos);
}

// LR(1) but not LALR(1): merging the two states of "c" joins their look-aheads.
TEST(Lalr, MergedStatesGiveReduceReduceConflicts) {
  const Grammar g = read(
      "%token 1 a\n%token 2 b\n%token 3 c\n%token 4 d\n%token 5 e\n%token 6 $end\n"
      "%nonterminal 1 start\n%nonterminal 2 s\n%nonterminal 3 x\n%nonterminal 4 y\n"
      "1 START start : s\n2 AXD s : a x d\n3 BYD s : b y d\n4 AYE s : a y e\n5 BXE s : b x e\n6 X x : c\n7 Y y : c\n");
  const Tables t = buildTables(g);
  ASSERT_EQ(t.conflicts.size(), 2u);
  for (const Conflict& c : t.conflicts) {
    EXPECT_EQ(c.shiftedTo, -1);
    EXPECT_EQ(c.production, 7);   // the lower production wins
    EXPECT_EQ(t.action[c.state][c.kind], kReduceBase + 6);
  }
}

TEST(Lalr, EmptyProductionsAndWrittenSource) {
  const Grammar g = read(
      "%token 1 x\n%token 2 $end\n%nonterminal 1 start\n%nonterminal 2 list\n%expect 0\n"
      "1 START start : list\n2 LIST_MORE list : list x\n3 LIST_NONE list : %empty\n");
  const Tables t = buildTables(g);
  EXPECT_TRUE(t.conflicts.empty());
  EXPECT_EQ(t.action[0][1], kReduceBase + 3);
  EXPECT_EQ(t.action[0][2], kReduceBase + 3);
  const std::string source = writeTableSource(g, t);
  EXPECT_NE(source.find("const int StateCount = " + std::to_string(t.stateCount) + ";"), std::string::npos);
  EXPECT_NE(source.find("const int ConflictCount = 0;"), std::string::npos);
  const std::string header = writeProductionHeader(g);
  EXPECT_NE(header.find("  PROD_LIST_MORE = 2,  // list : list x\n"), std::string::npos) << header;
  EXPECT_NE(header.find("  PROD_LIST_NONE = 3,  // list : %empty\n"), std::string::npos) << header;
}

TEST(Lalr, MalformedGrammarsNameTheLine) {
  const std::string header = "%token 1 x\n%token 2 $end\n%nonterminal 1 start\n";
  struct Case {
    std::string text;
    const char* problem;
  };
  const Case cases[] = {
      {header + "1 S start : y\n", "line 4: unknown symbol y"},
      {header + "2 S start : x\n", "line 4: productions must be numbered 1, 2, 3..."},
      {header + "1 S start :\n", "line 4: write %empty for an empty right side"},
      {header + "1 S start : x %empty\n", "line 4: %empty must stand alone"},
      {header + "1 start : x\n", "line 4: expected: NUMBER NAME LEFT : RIGHT..."},
      {header + "1 s start : x\n", "line 4: a production's name is written in capitals: s"},
      {header + "1 S start : x\n2 S start : x x\n", "line 5: production name S used twice"},
      {"%token 2 x\n", "line 1: numbers must follow each other from 1"},
      {header + "%nonterminal 2 other\n1 S start : x\n", "nonterminal other has no production"},
      {header + "bogus\n", "line 4: unknown line"},
      {header, "the grammar has no productions"},
  };
  for (const Case& c : cases) {
    Grammar g;
    std::string error;
    EXPECT_FALSE(readGrammar(c.text, g, error)) << c.text;
    EXPECT_EQ(error, c.problem) << c.text;
  }
}

}  // namespace
}  // namespace kau::lalr
