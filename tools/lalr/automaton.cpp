#include "tools/lalr/automaton.h"

#include <algorithm>
#include <bitset>
#include <map>
#include <utility>

namespace kau::lalr {

namespace {

// Generous for a grammar of token kinds; checked in buildTables' caller.
constexpr int kMaxTerminals = 256;
using TerminalSet = std::bitset<kMaxTerminals>;

struct Item {
  int production = 0;
  int dot = 0;
  auto operator<=>(const Item&) const = default;
};

struct State {
  std::vector<Item> kernel;                  // sorted
  std::vector<TerminalSet> kernelLookahead;  // parallel to kernel
  std::map<int, int> successor;              // symbol -> LR(0) state
};

class Builder {
 public:
  explicit Builder(const Grammar& g) : g_(g) {
    computeFirstSets();
    for (int p = 1; p <= g_.productionCount(); ++p) byLeft_[g_.productions[p].left].push_back(p);
  }

  Tables build() {
    buildItemSets();
    propagateLookaheads();
    return makeTables();
  }

 private:
  int nextSymbol(const Item& item) const {
    const auto& right = g_.productions[item.production].right;
    return item.dot < static_cast<int>(right.size()) ? right[item.dot] : 0;
  }

  void computeFirstSets() {
    nullable_.assign(g_.nonterminalCount + 1, false);
    first_.assign(g_.nonterminalCount + 1, TerminalSet{});
    for (bool changed = true; changed;) {
      changed = false;
      for (int p = 1; p <= g_.productionCount(); ++p) {
        const auto& prod = g_.productions[p];
        TerminalSet set;
        bool allNullable = sequenceFirst(prod.right, 0, set);
        TerminalSet merged = first_[prod.left] | set;
        if (merged != first_[prod.left]) first_[prod.left] = merged, changed = true;
        if (allNullable && !nullable_[prod.left]) nullable_[prod.left] = true, changed = true;
      }
    }
  }

  // FIRST of symbols[from..] into `set`; true when the whole rest is nullable.
  bool sequenceFirst(const std::vector<int>& symbols, std::size_t from, TerminalSet& set) const {
    for (std::size_t i = from; i < symbols.size(); ++i) {
      int s = symbols[i];
      if (g_.isTerminal(s)) {
        set.set(s);
        return false;
      }
      set |= first_[g_.nonterminalOf(s)];
      if (!nullable_[g_.nonterminalOf(s)]) return false;
    }
    return true;
  }

  // The LR(0) closure of a kernel, kernel items first.
  std::vector<Item> closure(const std::vector<Item>& kernel) const {
    std::vector<Item> items = kernel;
    std::vector<bool> added(g_.nonterminalCount + 1, false);
    for (std::size_t i = 0; i < items.size(); ++i) {
      int s = nextSymbol(items[i]);
      if (s == 0 || g_.isTerminal(s) || added[g_.nonterminalOf(s)]) continue;
      added[g_.nonterminalOf(s)] = true;
      for (int p : byLeft_.at(g_.nonterminalOf(s))) items.push_back(Item{p, 0});
    }
    return items;
  }

  void buildItemSets() {
    std::map<std::vector<Item>, int> stateOfKernel;
    states_.push_back(State{{Item{1, 0}}, {}, {}});
    stateOfKernel[states_[0].kernel] = 0;
    for (std::size_t s = 0; s < states_.size(); ++s) {
      std::map<int, std::vector<Item>> kernels;   // ordered by symbol: deterministic numbering
      for (const Item& item : closure(states_[s].kernel)) {
        if (int x = nextSymbol(item)) kernels[x].push_back(Item{item.production, item.dot + 1});
      }
      for (auto& [symbol, kernel] : kernels) {
        std::sort(kernel.begin(), kernel.end());
        kernel.erase(std::unique(kernel.begin(), kernel.end()), kernel.end());
        auto [it, isNew] = stateOfKernel.emplace(kernel, static_cast<int>(states_.size()));
        if (isNew) states_.push_back(State{kernel, {}, {}});
        states_[s].successor[symbol] = it->second;
      }
    }
    for (auto& st : states_) st.kernelLookahead.assign(st.kernel.size(), TerminalSet{});
    states_[0].kernelLookahead[0].set(g_.terminalCount);   // end of text follows the start
  }

  // The closure of state s with look-ahead sets, kernel items first.
  std::vector<std::pair<Item, TerminalSet>> lookaheadClosure(int s) const {
    const State& st = states_[s];
    std::vector<std::pair<Item, TerminalSet>> items;
    std::map<Item, std::size_t> index;
    for (std::size_t k = 0; k < st.kernel.size(); ++k) {
      index[st.kernel[k]] = items.size();
      items.emplace_back(st.kernel[k], st.kernelLookahead[k]);
    }
    std::vector<std::size_t> work(items.size());
    for (std::size_t i = 0; i < work.size(); ++i) work[i] = i;
    while (!work.empty()) {
      std::size_t i = work.back();
      work.pop_back();
      const Item item = items[i].first;
      int b = nextSymbol(item);
      if (b == 0 || g_.isTerminal(b)) continue;
      TerminalSet follow;
      if (sequenceFirst(g_.productions[item.production].right, item.dot + 1, follow)) follow |= items[i].second;
      for (int p : byLeft_.at(g_.nonterminalOf(b))) {
        Item added{p, 0};
        auto [it, isNew] = index.emplace(added, items.size());
        if (isNew) {
          items.emplace_back(added, follow);
          work.push_back(items.size() - 1);
        } else if ((items[it->second].second | follow) != items[it->second].second) {
          items[it->second].second |= follow;
          work.push_back(it->second);
        }
      }
    }
    return items;
  }

  void propagateLookaheads() {
    for (bool changed = true; changed;) {
      changed = false;
      for (std::size_t s = 0; s < states_.size(); ++s) {
        for (const auto& [item, lookahead] : lookaheadClosure(static_cast<int>(s))) {
          int x = nextSymbol(item);
          if (x == 0) continue;
          State& target = states_[states_[s].successor.at(x)];
          Item advanced{item.production, item.dot + 1};
          auto k = std::lower_bound(target.kernel.begin(), target.kernel.end(), advanced) - target.kernel.begin();
          TerminalSet merged = target.kernelLookahead[k] | lookahead;
          if (merged != target.kernelLookahead[k]) {
            target.kernelLookahead[k] = merged;
            changed = true;
          }
        }
      }
    }
  }

  // LR(0) state s becomes table state 0 for s == 0 and s + 1 otherwise:
  // number 1 is the accepting state.
  static int tableState(int s) { return s == 0 ? 0 : s + 1; }

  Tables makeTables() {
    Tables t;
    t.stateCount = static_cast<int>(states_.size()) + 1;
    t.action.assign(t.stateCount, std::vector<std::int32_t>(g_.terminalCount + 1, kErrorAction));
    const int endOfText = g_.terminalCount;
    const int start = 1;
    t.action[1][endOfText] = kAcceptAction;
    t.gotos.push_back(GotoRecord{0, start, 1});

    for (std::size_t s = 0; s < states_.size(); ++s) {
      const int ts = tableState(static_cast<int>(s));
      auto& row = t.action[ts];
      for (const auto& [symbol, target] : states_[s].successor) {
        if (g_.isTerminal(symbol)) {
          row[symbol] = kShiftBase + tableState(target);
        } else {
          t.gotos.push_back(GotoRecord{ts, g_.nonterminalOf(symbol), tableState(target)});
        }
      }
      for (const auto& [item, lookahead] : lookaheadClosure(static_cast<int>(s))) {
        if (nextSymbol(item) != 0) continue;
        for (int kind = 1; kind <= g_.terminalCount; ++kind) {
          if (!lookahead.test(kind)) continue;
          std::int32_t reduce = kReduceBase + item.production;
          std::int32_t& cell = row[kind];
          if (cell == kErrorAction) {
            cell = reduce;
          } else if (cell >= kShiftBase) {
            t.conflicts.push_back(Conflict{ts, kind, cell - kShiftBase, item.production});
          } else {
            int kept = std::min(cell, reduce) - kReduceBase;
            int dropped = std::max(cell, reduce) - kReduceBase;
            cell = kReduceBase + kept;
            t.conflicts.push_back(Conflict{ts, kind, -1, dropped});
          }
        }
      }
    }
    std::sort(t.gotos.begin(), t.gotos.end(), [](const GotoRecord& a, const GotoRecord& b) {
      return std::pair(a.state, a.nonterminal) < std::pair(b.state, b.nonterminal);
    });
    return t;
  }

  const Grammar& g_;
  std::vector<bool> nullable_;
  std::vector<TerminalSet> first_;
  std::map<int, std::vector<int>> byLeft_;
  std::vector<State> states_;
};

}  // namespace

Tables buildTables(const Grammar& grammar) {
  if (grammar.terminalCount >= kMaxTerminals) return Tables{};
  return Builder(grammar).build();
}

std::string describeConflict(const Grammar& grammar, const Conflict& c) {
  std::string text = "state " + std::to_string(c.state) + " on " + grammar.terminalNames[c.kind] + ": ";
  if (c.shiftedTo >= 0) {
    text += "shift to state " + std::to_string(c.shiftedTo) + " chosen over reducing by production ";
  } else {
    text += "reduce/reduce, not reducing by production ";
  }
  return text + std::to_string(c.production);
}

}  // namespace kau::lalr
