// Compiles a program text the way the compiler driver does and hands back
// the code words or the error.
#pragma once

#include <string>
#include <vector>

#include "compiler/word_code.h"

namespace kau::testing {

struct Compiled {
  int flag = 1;
  std::string message;  // code page 1252
  int line = 0;
  std::vector<Word> code;  // words 0 to the OP_HALT, inclusive
};

Compiled compile(const std::string& text);

// True when `needle` occurs in `code` as consecutive words.
bool containsSequence(const std::vector<Word>& code, const std::vector<Word>& needle);

}  // namespace kau::testing
