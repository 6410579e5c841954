// The compiled program as it follows the runner in a generated executable:
// the marker 1A 1A 1A, the LZSS stream of the program dump, its checksum and
// FF (see runner_loader.h).
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/word_code.h"

namespace kau {

class ArquivoCompilado {
 public:
  // `wordCount` is N, the index of the closing OP_HALT plus one.
  ArquivoCompilado(const Word* code, int wordCount) : code_(code), wordCount_(wordCount) {}

  // Appends the marker, the stream, its checksum and the end byte to `image`.
  void Write(std::vector<std::uint8_t>& image) const;

 private:
  const Word* code_;
  int wordCount_;
};

}  // namespace kau
