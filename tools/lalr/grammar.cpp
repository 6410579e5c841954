#include "tools/lalr/grammar.h"

#include <map>
#include <set>
#include <sstream>

namespace kau::lalr {

namespace {

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> result;
  for (std::string w; in >> w;) result.push_back(w);
  return result;
}

// A production's name becomes a C++ enumerator: capital letters, digits and
// underscores, starting with a letter.
bool isProductionName(const std::string& word) {
  if (word.empty() || word[0] < 'A' || word[0] > 'Z') return false;
  for (char c : word)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

bool parseNumber(const std::string& word, int& value) {
  if (word.empty() || word.size() > 6) return false;
  value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

// Declarations must come numbered 1, 2, 3... so that the file reads as the
// table of numbers it defines.
bool addNumbered(std::vector<std::string>& names, const std::vector<std::string>& w, std::string& problem) {
  int number = 0;
  if (w.size() != 3 || !parseNumber(w[1], number)) {
    problem = "expected: " + w[0] + " NUMBER NAME";
    return false;
  }
  if (number != static_cast<int>(names.size())) {
    problem = "numbers must follow each other from 1";
    return false;
  }
  names.push_back(w[2]);
  return true;
}

}  // namespace

bool readGrammar(const std::string& text, Grammar& grammar, std::string& error) {
  grammar = Grammar{};
  grammar.terminalNames.assign(1, "");
  grammar.nonterminalNames.assign(1, "");
  grammar.productions.assign(1, Production{});
  std::map<std::string, int> terminalByName, nonterminalByName;
  std::vector<std::vector<std::string>> productionLines;
  std::vector<int> productionLineNumbers;

  std::istringstream in(text);
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    std::string problem;
    const auto w = words(line);
    if (w.empty() || w[0][0] == '#') continue;
    if (w[0] == "%token") {
      if (addNumbered(grammar.terminalNames, w, problem))
        terminalByName[w[2]] = static_cast<int>(grammar.terminalNames.size()) - 1;
    } else if (w[0] == "%nonterminal") {
      if (addNumbered(grammar.nonterminalNames, w, problem))
        nonterminalByName[w[2]] = static_cast<int>(grammar.nonterminalNames.size()) - 1;
    } else if (w[0] == "%expect") {
      if (w.size() != 2 || !parseNumber(w[1], grammar.expectedConflicts)) problem = "expected: %expect NUMBER";
    } else if (w.size() >= 4 && w[3] == ":") {
      productionLines.push_back(w);
      productionLineNumbers.push_back(lineNumber);
    } else if (w.size() >= 3 && w[2] == ":") {
      problem = "expected: NUMBER NAME LEFT : RIGHT...";
    } else {
      problem = "unknown line";
    }
    if (!problem.empty()) {
      error = "line " + std::to_string(lineNumber) + ": " + problem;
      return false;
    }
  }
  grammar.terminalCount = static_cast<int>(grammar.terminalNames.size()) - 1;
  grammar.nonterminalCount = static_cast<int>(grammar.nonterminalNames.size()) - 1;
  if (grammar.terminalCount == 0 || grammar.nonterminalCount == 0) {
    error = "the grammar declares no terminals or no nonterminals";
    return false;
  }

  std::set<std::string> productionNames;
  for (std::size_t i = 0; i < productionLines.size(); ++i) {
    const auto& w = productionLines[i];
    auto fail = [&](const std::string& problem) {
      error = "line " + std::to_string(productionLineNumbers[i]) + ": " + problem;
      return false;
    };
    Production p;
    if (!parseNumber(w[0], p.number) || p.number != static_cast<int>(i) + 1)
      return fail("productions must be numbered 1, 2, 3...");
    p.name = w[1];
    if (!isProductionName(p.name)) return fail("a production's name is written in capitals: " + p.name);
    if (!productionNames.insert(p.name).second) return fail("production name " + p.name + " used twice");
    auto left = nonterminalByName.find(w[2]);
    if (left == nonterminalByName.end()) return fail("unknown nonterminal " + w[2]);
    p.left = left->second;
    for (std::size_t k = 4; k < w.size(); ++k) {
      if (w[k] == "%empty") {
        if (w.size() != 5) return fail("%empty must stand alone");
        continue;
      }
      if (auto t = terminalByName.find(w[k]); t != terminalByName.end()) {
        p.right.push_back(t->second);
      } else if (auto n = nonterminalByName.find(w[k]); n != nonterminalByName.end()) {
        p.right.push_back(grammar.nonterminalSymbol(n->second));
      } else {
        return fail("unknown symbol " + w[k]);
      }
    }
    if (w.size() == 4) return fail("write %empty for an empty right side");
    grammar.productions.push_back(p);
  }
  if (grammar.productionCount() == 0) {
    error = "the grammar has no productions";
    return false;
  }
  std::vector<bool> hasProduction(grammar.nonterminalCount + 1, false);
  for (int p = 1; p <= grammar.productionCount(); ++p) hasProduction[grammar.productions[p].left] = true;
  for (int n = 1; n <= grammar.nonterminalCount; ++n) {
    if (!hasProduction[n]) {
      error = "nonterminal " + grammar.nonterminalNames[n] + " has no production";
      return false;
    }
  }
  return true;
}

}  // namespace kau::lalr
