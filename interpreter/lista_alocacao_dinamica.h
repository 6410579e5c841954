// The heap of a running program: the blocks of NEW and DISPOSE, reached by
// negative handles (the first block of a run is -1, the next -2, ...; handles
// are never reused within a run; NIL is 0).
//
// Recent handles live in a window: an array indexed by handle, as fast to
// reach as a plain table, that covers the handles from windowStart_ on. When
// most of the window is dead its older half is dropped and the blocks still
// alive there move to a hash table, so memory follows the blocks alive, not
// the handles ever given. The storage of a disposed small block is kept for
// the next NEW of its size, so that a program that builds and frees lists
// does not call the allocator for every node.
#pragma once

#include <cstdint>
#include <vector>

#include "compiler/word_code.h"
#include "interpreter/heap_block_table.h"

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
    const HeapBlock* block = live(handle);
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

  std::int64_t LiveBlocks() const { return windowLive_ + static_cast<std::int64_t>(elders_.Count()); }
  // Slots held for blocks, alive or not (the heap's own memory follows it).
  std::size_t Slots() const { return window_.capacity() + elders_.Slots().size(); }

 private:
  // The place of a handle in the window. Handle -1 is number 0; NIL,
  // positive values and handles older than the window wrap to huge offsets.
  std::uint64_t windowOffset(Word handle) const {
    return static_cast<std::uint64_t>(-static_cast<std::int64_t>(handle) - 1 - windowStart_);
  }
  const HeapBlock* live(Word handle) const {
    const std::uint64_t offset = windowOffset(handle);
    if (offset < window_.size()) {
      const HeapBlock& block = window_[offset];
      return block.words ? &block : nullptr;
    }
    return elders_.Find(handle);
  }
  void compactWindow();

  // Blocks of up to kRecycledSizes words keep their storage after DISPOSE,
  // at most kMaxRecycledWords words in all.
  static constexpr Word kRecycledSizes = 32;
  static constexpr std::int64_t kMaxRecycledWords = 1024 * 1024;
  // Dead slots the window may hold beyond twice its live blocks.
  static constexpr std::size_t kWindowSlack = 4096;
  std::vector<HeapBlock> window_;  // handle number windowStart_ + i at i
  std::int64_t windowStart_ = 0;
  std::int64_t windowLive_ = 0;
  HeapBlockTable elders_;
  std::vector<Word*> recycled_[kRecycledSizes + 1];  // by size
  std::int64_t recycledWords_ = 0;
  std::int64_t liveWords_ = 0;
};

}  // namespace kau
