// The LALR(1) automaton of a grammar and the parse tables made from it.
//
// The LR(0) item sets are built with the first production as the start (its
// left side being the start symbol); the LALR(1) look-ahead sets are then
// found by propagating through the item sets until nothing changes. One extra
// state, number 1, is reached from state 0 over the start symbol and accepts
// on the end-of-text kind (the last terminal).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/lalr/grammar.h"

namespace kau::lalr {

// Action encoding shared with the parser.
inline constexpr std::int32_t kErrorAction = 0;
inline constexpr std::int32_t kAcceptAction = 1000;
inline constexpr std::int32_t kReduceBase = 1000;   // 1001..1999: reduce by action - 1000
inline constexpr std::int32_t kShiftBase = 2000;    // 2000 and above: shift to action - 2000

struct GotoRecord {
  int state = 0;
  int nonterminal = 0;
  int target = 0;
};

// A shift/reduce conflict, resolved by shifting, or a reduce/reduce
// conflict, resolved for the lower production number.
struct Conflict {
  int state = 0;
  int kind = 0;
  int shiftedTo = -1;      // -1 for reduce/reduce
  int production = 0;      // the production not chosen
};

struct Tables {
  int stateCount = 0;
  std::vector<std::vector<std::int32_t>> action;   // [state][kind], kind 1..terminalCount
  std::vector<GotoRecord> gotos;                   // sorted by state, then nonterminal
  std::vector<Conflict> conflicts;
};

Tables buildTables(const Grammar& grammar);

// One line per conflict, for the build's error output.
std::string describeConflict(const Grammar& grammar, const Conflict& conflict);

}  // namespace kau::lalr
