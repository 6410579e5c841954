// The 95 reserved words of the language and what the lexer makes of them.
#pragma once

#include <string_view>
#include <vector>

namespace kau {

struct ReservedWord {
  int kind;
  int value;
  int value2;
  // Size in words with which the word is entered into the symbol table; -1
  // for the words that have no entry there.
  int symbolSize;
};

// The reserved word spelled by an upper-case text, or none.
const ReservedWord* FindReservedWord(std::string_view upperCaseWord);

// Every reserved word, upper case, in alphabetical order.
std::vector<std::string_view> ReservedWordSpellings();

}  // namespace kau
