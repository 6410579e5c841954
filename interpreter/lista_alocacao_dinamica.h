// The heap of a running program: the blocks of NEW and DISPOSE, reached by
// negative handles (the first block of a run is -1, the next -2, ...; handles
// are never reused within a run; NIL is 0).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "compiler/word_code.h"

namespace kau {

class ListaAlocacaoDinamica {
 public:
  // Upper bounds of one run's heap: words in live blocks, and blocks ever
  // allocated (handles are not reused). Beyond them Allocate fails.
  static constexpr std::int64_t kMaxLiveWords = 32 * 1024 * 1024;
  static constexpr std::int64_t kMaxBlocks = 8 * 1024 * 1024;

  // A new zeroed block of n words; its handle, or 0 when n is negative or a
  // bound would be passed.
  Word Allocate(Word n);
  // Word k of a live block; nullptr for NIL, an unknown or disposed handle
  // or k outside the block.
  Word* At(Word handle, Word k);
  // The words from k to the end of a live block (0 when At would fail).
  Word WordsFrom(Word handle, Word k) const;
  Word Read(Word handle, Word k) { Word* w = At(handle, k); return w ? *w : 0; }
  void Write(Word handle, Word k, Word value) { if (Word* w = At(handle, k)) *w = value; }
  // Releases a live block; false for an unknown or already disposed handle.
  bool Free(Word handle);

 private:
  struct Block {
    std::unique_ptr<Word[]> words;  // null once disposed
    Word size = 0;
  };
  const Block* live(Word handle) const;
  std::vector<Block> blocks_;
  std::int64_t liveWords_ = 0;
};

}  // namespace kau
