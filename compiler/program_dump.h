// The text form of a compiled program: the word count N (the index of the
// closing OP_HALT plus one), then N + 1, then the N code words, all as signed
// decimal numbers, each followed by one blank.
#pragma once

#include <string>

#include "compiler/word_code.h"

namespace kau {

std::string FormatProgramDump(const Word* code, int wordCount);

}  // namespace kau
