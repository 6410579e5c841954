// The generated LALR(1) tables against the figures the grammar must give.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "compiler/parse_tables.h"

namespace kau::parse_tables {
namespace {

TEST(ParseTables, FiguresOfTheAutomaton) {
  EXPECT_EQ(StateCount, 325);
  int shifts = 0, reduces = 0, accepts = 0;
  for (int s = 0; s < StateCount; ++s) {
    EXPECT_EQ(ActionTable[s][0], kErrorAction);
    for (int k = 1; k <= kTokenKindCount; ++k) {
      const std::int32_t a = ActionTable[s][k];
      if (a >= kShiftBase) {
        ++shifts;
        EXPECT_LT(a - kShiftBase, StateCount);
      } else if (a == kAcceptAction) {
        ++accepts;
        EXPECT_EQ(s, 1);
        EXPECT_EQ(k, TK_END_OF_TEXT);
      } else if (a > kReduceBase) {
        ++reduces;
        EXPECT_LE(a - kReduceBase, kProductionCount);
      } else {
        EXPECT_EQ(a, kErrorAction);
      }
    }
  }
  EXPECT_EQ(shifts, 895);
  EXPECT_EQ(reduces, 838);
  EXPECT_EQ(accepts, 1);
}

TEST(ParseTables, GotoRecordsAreSortedAndComplete) {
  ASSERT_EQ(GotoRecordCount, 300);
  for (int i = 1; i < GotoRecordCount; ++i) {
    EXPECT_LT(std::pair(GotoTable[i - 1].state, GotoTable[i - 1].nonterminal),
              std::pair(GotoTable[i].state, GotoTable[i].nonterminal));
  }
  // State 0 goes to the accepting state 1 over the start symbol.
  EXPECT_EQ(GotoTable[0].state, 0);
  EXPECT_EQ(GotoTable[0].nonterminal, 1);
  EXPECT_EQ(GotoTable[0].target, 1);
  for (int i = 0; i < GotoRecordCount; ++i) {
    EXPECT_GE(GotoTable[i].nonterminal, 1);
    EXPECT_LE(GotoTable[i].nonterminal, kNonterminalCount);
    EXPECT_LT(GotoTable[i].target, StateCount);
  }
}

TEST(ParseTables, GotoLookupFindsEveryRecordAndNothingElse) {
  for (int i = 0; i < GotoRecordCount; ++i) {
    EXPECT_EQ(GotoLookup(GotoTable[i].state, GotoTable[i].nonterminal), GotoTable[i].target);
  }
  EXPECT_EQ(GotoLookup(0, 1), 1);
  EXPECT_EQ(GotoLookup(1, 1), -1);      // the accepting state has no gotos
  EXPECT_EQ(GotoLookup(0, 36), -1);     // a statement cannot start a program
  EXPECT_EQ(GotoLookup(-1, 1), -1);
  EXPECT_EQ(GotoLookup(StateCount, 1), -1);
}

TEST(ParseTables, OnlyConflictIsTheDanglingElseResolvedByShifting) {
  ASSERT_EQ(ConflictCount, 1);
  const ConflictRecord& c = Conflicts[0];
  EXPECT_EQ(c.kind, 37);         // ELSE
  EXPECT_EQ(c.production, 72);   // IF expression THEN statement
  EXPECT_GE(ActionTable[c.state][37], kShiftBase);
  EXPECT_EQ(ActionTable[c.state][4], kReduceBase + 72);   // reduced only on ";"
  for (int k = 1; k <= kTokenKindCount; ++k) {
    if (k != 4 && k != 37) {
      EXPECT_EQ(ActionTable[c.state][k], kErrorAction) << "kind " << k;
    }
  }
}

TEST(ParseTables, ProductionShapes) {
  // A few productions whose shape the parser's list building depends on.
  EXPECT_EQ(LeftSide[1], 1);
  EXPECT_EQ(RightSideLength[1], 1);
  EXPECT_EQ(RightSideLength[2], 4);
  EXPECT_EQ(RightSideNonterminals[2], 3);
  EXPECT_EQ(RightSideLength[6], 0);
  EXPECT_EQ(RightSideLength[79], 8);
  EXPECT_EQ(RightSideNonterminals[79], 4);
  int total = 0;
  for (int n = 1; n <= kNonterminalCount; ++n) {
    EXPECT_GE(AlternativeCount[n], 1);
    total += AlternativeCount[n];
  }
  EXPECT_EQ(total, kProductionCount);
  // The nonterminals with a single alternative never reach the production list.
  for (int n : {1, 2, 3, 4, 5, 11, 12, 16, 22, 24, 29, 33, 52, 53}) EXPECT_EQ(AlternativeCount[n], 1) << n;
  EXPECT_EQ(AlternativeCount[36], 28);   // statement
}

}  // namespace
}  // namespace kau::parse_tables
