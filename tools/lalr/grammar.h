// A context-free grammar as the table generator reads it: numbered terminals
// (token kinds), numbered nonterminals and numbered, named productions, the
// numbers kept exactly as the grammar file gives them.
#pragma once

#include <string>
#include <vector>

namespace kau::lalr {

// Symbols share one index space: terminal kinds 1..terminalCount, then
// nonterminal n at terminalCount + n. Index 0 is unused.
struct Production {
  int number = 0;
  std::string name;         // the enumerator's name without its PROD_ prefix
  int left = 0;             // nonterminal number
  std::vector<int> right;   // symbol indexes
};

struct Grammar {
  int terminalCount = 0;
  int nonterminalCount = 0;
  int expectedConflicts = 0;
  std::vector<std::string> terminalNames;      // [kind], [0] unused
  std::vector<std::string> nonterminalNames;   // [n], [0] unused
  std::vector<Production> productions;         // [number], [0] unused

  int symbolCount() const { return terminalCount + nonterminalCount + 1; }
  bool isTerminal(int symbol) const { return symbol >= 1 && symbol <= terminalCount; }
  int nonterminalSymbol(int n) const { return terminalCount + n; }
  int nonterminalOf(int symbol) const { return symbol - terminalCount; }
  std::string symbolName(int symbol) const {
    return isTerminal(symbol) ? terminalNames[symbol] : nonterminalNames[nonterminalOf(symbol)];
  }
  // Production numbers are dense from 1: the last one is the count.
  int productionCount() const { return static_cast<int>(productions.size()) - 1; }
};

// Reads the grammar file format (see compiler/grammar.txt). On a malformed
// file returns false with a message naming the line.
bool readGrammar(const std::string& text, Grammar& grammar, std::string& error);

}  // namespace kau::lalr
