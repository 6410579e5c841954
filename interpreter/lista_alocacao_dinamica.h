// The heap of a running program: the blocks of NEW and DISPOSE, reached by
// negative handles (the first block of a run is -1, the next -2, ...; handles
// are never reused within a run; NIL is 0). The live blocks are kept in a hash
// table keyed by handle, so its memory follows the blocks alive, not the
// handles ever given. The storage of a disposed small block is kept for the
// next NEW of its size, so that a program that builds and frees lists does not
// call the allocator for every node.
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/word_code.h"

namespace kau {

class ListaAlocacaoDinamica {
 public:
  // Upper bounds of one run's heap: words and blocks alive at once. Beyond
  // them Allocate fails.
  static constexpr std::int64_t kMaxLiveWords = 32 * 1024 * 1024;
  static constexpr std::int64_t kMaxLiveBlocks = 8 * 1024 * 1024;
  // Handles run from -1 down to the most negative 32-bit word.
  static constexpr std::int64_t kHandleCount = std::int64_t{1} << 31;

  // A heap that has already given `handlesGiven` handles (0 for a run's
  // heap); its next handle is -(handlesGiven + 1).
  explicit ListaAlocacaoDinamica(std::int64_t handlesGiven = 0);
  ~ListaAlocacaoDinamica();
  ListaAlocacaoDinamica(const ListaAlocacaoDinamica&) = delete;
  ListaAlocacaoDinamica& operator=(const ListaAlocacaoDinamica&) = delete;

  // A new zeroed block of n words; its handle, or 0 when n is negative, a
  // bound would be passed or the handles are spent.
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

  std::int64_t LiveBlocks() const { return liveBlocks_; }
  // Slots of the block table (memory in use follows this).
  std::size_t TableSlots() const { return table_.size(); }

 private:
  struct Block {
    Word handle;  // 0 marks an empty slot
    Word size;
    Word* words;  // owned
  };
  // Fibonacci hashing: consecutive handles spread over the whole table.
  std::size_t home(Word handle) const {
    return (static_cast<std::uint32_t>(handle) * 0x9E3779B9u) >> shift_;
  }
  // Open addressing with linear probing; the table is at most half full.
  const Block* live(Word handle) const {
    if (handle >= 0) return nullptr;
    for (std::size_t slot = home(handle);; slot = (slot + 1) & mask_) {
      const Block& block = table_[slot];
      if (block.handle == handle) return &block;
      if (block.handle == 0) return nullptr;
    }
  }
  void insert(const Block& block);
  void erase(std::size_t slot);
  bool resize(std::size_t slots);

  // Blocks of up to kRecycledSizes words keep their storage after DISPOSE,
  // at most kMaxRecycledWords words in all.
  static constexpr Word kRecycledSizes = 32;
  static constexpr std::int64_t kMaxRecycledWords = 1024 * 1024;
  static constexpr std::size_t kMinSlots = 64;
  std::vector<Block> table_;
  std::size_t mask_ = 0;
  unsigned shift_ = 32;
  std::int64_t handlesGiven_ = 0;
  std::int64_t liveBlocks_ = 0;
  std::vector<Word*> recycled_[kRecycledSizes + 1];  // by size
  std::int64_t recycledWords_ = 0;
  std::int64_t liveWords_ = 0;
};

}  // namespace kau
