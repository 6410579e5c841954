// Reads the text form of a compiled program as a runner finds it: the word
// count N, then N + 1, then the N code words, each a signed decimal number
// followed by one blank, nothing else.
#pragma once

#include <string_view>
#include <vector>

#include "compiler/word_code.h"

namespace kau {

enum class DumpStatus {
  Ok,
  Malformed,   // not numbers and blanks, counts that disagree, a number out of range
  TooLarge,    // the code would not fit the interpreter's memory
};

// On success `code` holds the N words and `wordCount` is M, the count the
// runner hands to the interpreter.
DumpStatus ReadProgramDump(std::string_view text, std::vector<Word>& code, Word& wordCount);

}  // namespace kau
