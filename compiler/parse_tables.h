// The parser's LALR(1) tables, generated at build time by tools/lalr from
// compiler/grammar.txt (the generated source defines everything below).
#pragma once

#include <cstdint>

#include "compiler/token_kinds.h"

namespace kau::parse_tables {

inline constexpr int kNonterminalCount = 53;    // nonterminals 1..53
inline constexpr int kProductionCount = 143;    // productions 1..143

// Actions: 0 error; 1000 accept; 1001..1999 reduce by action - 1000;
// 2000 and above shift and go to state action - 2000.
inline constexpr std::int32_t kErrorAction = 0;
inline constexpr std::int32_t kAcceptAction = 1000;
inline constexpr std::int32_t kReduceBase = 1000;
inline constexpr std::int32_t kShiftBase = 2000;

extern const int StateCount;
// [state][kind]; column 0 is unused.
extern const std::int32_t ActionTable[][kTokenKindCount + 1];

struct GotoRecord {
  std::int32_t state;
  std::int32_t nonterminal;
  std::int32_t target;
};
// Sorted by state, then nonterminal.
extern const GotoRecord GotoTable[];
extern const int GotoRecordCount;

// Orders goto records by state, then nonterminal.
bool CompareGotoRecords(const GotoRecord& a, const GotoRecord& b);
// The target of the goto from `state` over `nonterminal` (binary search);
// -1 when the table holds no such record.
int GotoLookup(int state, int nonterminal);

// Per production [1..143]: symbols on the right side, the left-side
// nonterminal, nonterminals on the right side. Per nonterminal [1..53]: the
// number of its productions.
extern const std::uint8_t RightSideLength[kProductionCount + 1];
extern const std::uint8_t LeftSide[kProductionCount + 1];
extern const std::uint8_t RightSideNonterminals[kProductionCount + 1];
extern const std::uint8_t AlternativeCount[kNonterminalCount + 1];

// The grammar's conflicts as the generator resolved them: the state, the
// token kind, and the production that was not reduced there.
struct ConflictRecord {
  std::int32_t state;
  std::int32_t kind;
  std::int32_t production;
};
extern const ConflictRecord Conflicts[];
extern const int ConflictCount;

}  // namespace kau::parse_tables
