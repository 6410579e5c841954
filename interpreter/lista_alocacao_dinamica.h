// The heap of a running program: the blocks of NEW and DISPOSE, reached by
// negative handles (the first block of a run is -1, the next -2, ...; handles
// are never reused within a run; NIL is 0). The storage of a disposed small
// block is kept for the next NEW of its size, so that a program that builds
// and frees lists does not call the allocator for every node.
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/word_code.h"

namespace kau {

class ListaAlocacaoDinamica {
 public:
  // Upper bounds of one run's heap: words in live blocks, and blocks ever
  // allocated (handles are not reused). Beyond them Allocate fails.
  static constexpr std::int64_t kMaxLiveWords = 32 * 1024 * 1024;
  static constexpr std::int64_t kMaxBlocks = 8 * 1024 * 1024;

  ListaAlocacaoDinamica() = default;
  ~ListaAlocacaoDinamica();
  ListaAlocacaoDinamica(const ListaAlocacaoDinamica&) = delete;
  ListaAlocacaoDinamica& operator=(const ListaAlocacaoDinamica&) = delete;

  // A new zeroed block of n words; its handle, or 0 when n is negative or a
  // bound would be passed.
  Word Allocate(Word n);
  // The n words (n >= 1) from word k of a live block; nullptr for NIL, an
  // unknown or disposed handle, or words outside the block.
  Word* Span(Word handle, Word k, Word n) {
    const Block* block = live(handle);
    if (!block || k < 0 || static_cast<std::int64_t>(k) + n > block->size) return nullptr;
    return block->words + k;
  }
  // Word k of a live block; nullptr for NIL, an unknown or disposed handle
  // or k outside the block.
  Word* At(Word handle, Word k) { return Span(handle, k, 1); }
  // The words from k to the end of a live block (0 when At would fail).
  Word WordsFrom(Word handle, Word k) const;
  Word Read(Word handle, Word k) { Word* w = At(handle, k); return w ? *w : 0; }
  void Write(Word handle, Word k, Word value) { if (Word* w = At(handle, k)) *w = value; }
  // Releases a live block; false for an unknown or already disposed handle.
  bool Free(Word handle);

 private:
  struct Block {
    Word* words;  // owned; null once disposed
    Word size;
  };
  const Block* live(Word handle) const {
    // Handle -1 is index 0; NIL and positive values wrap to huge indexes.
    const auto index = static_cast<std::uint64_t>(-static_cast<std::int64_t>(handle) - 1);
    if (index >= blocks_.size()) return nullptr;
    const Block& block = blocks_[index];
    return block.words ? &block : nullptr;
  }
  // Blocks of up to kRecycledSizes words keep their storage after DISPOSE,
  // at most kMaxRecycledWords words in all.
  static constexpr Word kRecycledSizes = 32;
  static constexpr std::int64_t kMaxRecycledWords = 1024 * 1024;
  std::vector<Block> blocks_;
  std::vector<Word*> recycled_[kRecycledSizes + 1];  // by size
  std::int64_t recycledWords_ = 0;
  std::int64_t liveWords_ = 0;
};

}  // namespace kau
