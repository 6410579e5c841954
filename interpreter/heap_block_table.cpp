#include "interpreter/heap_block_table.h"

#include <bit>
#include <new>

namespace kau {

HeapBlockTable::HeapBlockTable() { rehash(kMinSlots); }

bool HeapBlockTable::rehash(std::size_t slots) {
  std::vector<HeapBlock> old;
  try {
    old.assign(slots, HeapBlock{0, 0, nullptr});
  } catch (const std::bad_alloc&) {
    return false;
  }
  old.swap(slots_);
  mask_ = slots - 1;
  shift_ = 32 - static_cast<unsigned>(std::countr_zero(slots));
  count_ = 0;
  for (const HeapBlock& block : old) {
    if (block.handle != 0) Insert(block);
  }
  return true;
}

bool HeapBlockTable::Reserve(std::size_t more) {
  std::size_t slots = slots_.size();
  while ((count_ + more) * 2 > slots) slots *= 2;
  return slots == slots_.size() || rehash(slots);
}

void HeapBlockTable::Insert(const HeapBlock& block) {
  std::size_t slot = home(block.handle);
  while (slots_[slot].handle != 0) slot = (slot + 1) & mask_;
  slots_[slot] = block;
  ++count_;
}

// Backward-shift deletion: later blocks of the probe run move into the hole,
// so no tombstones pile up however many blocks come and go.
void HeapBlockTable::Erase(const HeapBlock* block) {
  std::size_t hole = static_cast<std::size_t>(block - slots_.data());
  for (std::size_t next = (hole + 1) & mask_; slots_[next].handle != 0; next = (next + 1) & mask_) {
    const std::size_t from = home(slots_[next].handle);
    if (((next - from) & mask_) >= ((next - hole) & mask_)) {
      slots_[hole] = slots_[next];
      hole = next;
    }
  }
  slots_[hole] = HeapBlock{0, 0, nullptr};
  --count_;
  // The table shrinks with its blocks; a failed shrink keeps it as it is.
  if (slots_.size() > kMinSlots && count_ * 8 < slots_.size()) rehash(slots_.size() / 2);
}

}  // namespace kau
