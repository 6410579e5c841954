// Heap blocks keyed by handle in an open-addressing hash table (linear
// probing, at most half full, shrinking as blocks leave), for the blocks that
// outlived the heap's window of recent handles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "compiler/word_code.h"

namespace kau {

struct HeapBlock {
  Word handle;  // 0 marks an empty slot (or, in the window, a disposed block)
  Word size;
  Word* words;  // owned by the heap
};

class HeapBlockTable {
 public:
  HeapBlockTable();

  const HeapBlock* Find(Word handle) const {
    if (handle >= 0 || count_ == 0) return nullptr;
    for (std::size_t slot = home(handle);; slot = (slot + 1) & mask_) {
      const HeapBlock& block = slots_[slot];
      if (block.handle == handle) return &block;
      if (block.handle == 0) return nullptr;
    }
  }
  // Makes room for `more` blocks, so that as many Inserts need no memory;
  // false when the memory cannot be had.
  bool Reserve(std::size_t more);
  void Insert(const HeapBlock& block);
  // Removes a block that Find returned.
  void Erase(const HeapBlock* block);

  std::size_t Count() const { return count_; }
  const std::vector<HeapBlock>& Slots() const { return slots_; }

 private:
  static constexpr std::size_t kMinSlots = 16;
  // Fibonacci hashing: consecutive handles spread over the whole table.
  std::size_t home(Word handle) const { return (static_cast<std::uint32_t>(handle) * 0x9E3779B9u) >> shift_; }
  bool rehash(std::size_t slots);

  std::vector<HeapBlock> slots_;
  std::size_t mask_ = 0;
  unsigned shift_ = 32;
  std::size_t count_ = 0;
};

}  // namespace kau
