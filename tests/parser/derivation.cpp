#include "tests/parser/derivation.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kau::testing {

const lalr::Grammar& PascalGrammar() {
  static const lalr::Grammar grammar = [] {
    std::ifstream in(KAU_GRAMMAR_FILE, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    lalr::Grammar g;
    std::string error;
    if (!lalr::readGrammar(text, g, error)) throw std::runtime_error("grammar: " + error);
    return g;
  }();
  return grammar;
}

namespace {

int onlyAlternative(const lalr::Grammar& g, int nonterminal) {
  int found = 0;
  for (int p = 1; p <= g.productionCount(); ++p) {
    if (g.productions[p].left == nonterminal) {
      if (found != 0) return 0;
      found = p;
    }
  }
  return found;
}

}  // namespace

std::unique_ptr<DerivationNode> RebuildDerivation(const std::vector<int>& list) {
  const lalr::Grammar& g = PascalGrammar();
  std::size_t next = 0;
  // Expands with an explicit stack: corpora may nest deeply.
  struct Open {
    DerivationNode* node;
    std::size_t child;
  };
  auto make = [&](int nonterminal) -> std::unique_ptr<DerivationNode> {
    int p = onlyAlternative(g, nonterminal);
    if (p == 0) {
      if (next >= list.size()) return nullptr;
      p = list[next++];
      if (p < 1 || p > g.productionCount() || g.productions[p].left != nonterminal) return nullptr;
    }
    auto node = std::make_unique<DerivationNode>();
    node->production = p;
    return node;
  };
  auto root = make(1);
  if (!root) return nullptr;
  std::vector<Open> open{{root.get(), 0}};
  while (!open.empty()) {
    Open& top = open.back();
    const auto& right = g.productions[top.node->production].right;
    while (top.child < right.size() && g.isTerminal(right[top.child])) ++top.child;
    if (top.child == right.size()) {
      open.pop_back();
      continue;
    }
    auto child = make(g.nonterminalOf(right[top.child++]));
    if (!child) return nullptr;
    DerivationNode* raw = child.get();
    top.node->children.push_back(std::move(child));
    open.push_back({raw, 0});
  }
  return next == list.size() ? std::move(root) : nullptr;
}

void CountProductions(const DerivationNode& root, std::vector<int>& counts) {
  std::vector<const DerivationNode*> stack{&root};
  while (!stack.empty()) {
    const DerivationNode* n = stack.back();
    stack.pop_back();
    ++counts.at(n->production);
    for (const auto& c : n->children) stack.push_back(c.get());
  }
}

int CountValuedTerminals(const DerivationNode& root, const std::vector<int>& valuedKinds) {
  const lalr::Grammar& g = PascalGrammar();
  int count = 0;
  std::vector<const DerivationNode*> stack{&root};
  while (!stack.empty()) {
    const DerivationNode* n = stack.back();
    stack.pop_back();
    for (int s : g.productions[n->production].right) {
      if (g.isTerminal(s) && std::find(valuedKinds.begin(), valuedKinds.end(), s) != valuedKinds.end()) ++count;
    }
    for (const auto& c : n->children) stack.push_back(c.get());
  }
  return count;
}

}  // namespace kau::testing
