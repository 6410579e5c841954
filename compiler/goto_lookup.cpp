#include <algorithm>

#include "compiler/parse_tables.h"

namespace kau::parse_tables {

bool CompareGotoRecords(const GotoRecord& a, const GotoRecord& b) {
  return a.state != b.state ? a.state < b.state : a.nonterminal < b.nonterminal;
}

int GotoLookup(int state, int nonterminal) {
  const GotoRecord* end = GotoTable + GotoRecordCount;
  const GotoRecord key{state, nonterminal, 0};
  const GotoRecord* found = std::lower_bound(GotoTable, end, key, CompareGotoRecords);
  return found != end && found->state == state && found->nonterminal == nonterminal ? found->target : -1;
}

}  // namespace kau::parse_tables
