// A stand-alone executable of a compiled program: the runner decoded from its
// stored image, then the marker, the LZSS stream of the program dump and FF.
#pragma once

#include <string>

#include "compiler/word_code.h"

namespace kau {

// `wordCount` is N, the index of the closing OP_HALT plus one. False with an
// error text (code page 1252, header#message) when it cannot be written; an
// older file at `path` then stays as it was.
bool GenerateExecutable(const std::string& path, const Word* code, int wordCount, std::string& errorText);

}  // namespace kau
