// Rebuilds the whole derivation tree from ProductionList the way the
// translator reads it: a nonterminal with one alternative is implied, any
// other takes the next production number from the list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/lalr/grammar.h"

namespace kau::testing {

struct DerivationNode {
  int production = 0;
  std::vector<std::unique_ptr<DerivationNode>> children;   // one per right-side nonterminal
};

// The grammar of compiler/grammar.txt, read once.
const lalr::Grammar& PascalGrammar();

// Consumes `list` (pre-order, multi-alternative productions only). Null when
// the list does not describe exactly one derivation of the start symbol.
std::unique_ptr<DerivationNode> RebuildDerivation(const std::vector<int>& list);

// Every production of the tree, counted; and the number of valued terminals
// (those whose kinds queue a value triple) on its leaves.
void CountProductions(const DerivationNode& node, std::vector<int>& counts);
int CountValuedTerminals(const DerivationNode& node, const std::vector<int>& valuedKinds);

}  // namespace kau::testing
