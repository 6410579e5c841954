#include "interpreter/lista_alocacao_dinamica.h"

#include <algorithm>
#include <bit>
#include <new>

namespace kau {

ListaAlocacaoDinamica::ListaAlocacaoDinamica(std::int64_t handlesGiven) : handlesGiven_(handlesGiven) {
  table_.assign(kMinSlots, Block{0, 0, nullptr});
  mask_ = kMinSlots - 1;
  shift_ = 32 - static_cast<unsigned>(std::countr_zero(kMinSlots));
}

ListaAlocacaoDinamica::~ListaAlocacaoDinamica() {
  for (const Block& block : table_) delete[] block.words;
  for (const auto& sized : recycled_) {
    for (Word* words : sized) delete[] words;
  }
}

void ListaAlocacaoDinamica::insert(const Block& block) {
  std::size_t slot = home(block.handle);
  while (table_[slot].handle != 0) slot = (slot + 1) & mask_;
  table_[slot] = block;
}

// Backward-shift deletion: later blocks of the probe run move into the hole,
// so no tombstones pile up however many blocks come and go.
void ListaAlocacaoDinamica::erase(std::size_t slot) {
  std::size_t hole = slot;
  for (std::size_t next = (hole + 1) & mask_; table_[next].handle != 0; next = (next + 1) & mask_) {
    const std::size_t from = home(table_[next].handle);
    if (((next - from) & mask_) >= ((next - hole) & mask_)) {
      table_[hole] = table_[next];
      hole = next;
    }
  }
  table_[hole] = Block{0, 0, nullptr};
}

bool ListaAlocacaoDinamica::resize(std::size_t slots) {
  std::vector<Block> old;
  try {
    old.assign(slots, Block{0, 0, nullptr});
  } catch (const std::bad_alloc&) {
    return false;
  }
  old.swap(table_);
  mask_ = slots - 1;
  shift_ = 32 - static_cast<unsigned>(std::countr_zero(slots));
  for (const Block& block : old) {
    if (block.handle != 0) insert(block);
  }
  return true;
}

Word ListaAlocacaoDinamica::Allocate(Word n) {
  if (n < 0 || liveWords_ + n > kMaxLiveWords || liveBlocks_ >= kMaxLiveBlocks || handlesGiven_ >= kHandleCount)
    return 0;
  if (static_cast<std::size_t>(liveBlocks_ + 1) * 2 > table_.size() && !resize(table_.size() * 2)) return 0;
  Word* words = nullptr;
  if (n <= kRecycledSizes && !recycled_[n].empty()) {
    words = recycled_[n].back();
    recycled_[n].pop_back();
    recycledWords_ -= std::max<Word>(n, 1);
    std::fill_n(words, n, 0);
  } else {
    // A block of 0 words still needs a distinct live allocation.
    words = new (std::nothrow) Word[static_cast<std::size_t>(std::max<Word>(n, 1))]();
    if (!words) return 0;
  }
  ++handlesGiven_;
  const auto handle = static_cast<Word>(-handlesGiven_);
  insert(Block{handle, n, words});
  ++liveBlocks_;
  liveWords_ += n;
  return handle;
}

Word ListaAlocacaoDinamica::WordsFrom(Word handle, Word k) const {
  const Block* block = live(handle);
  if (!block || k < 0 || k >= block->size) return 0;
  return block->size - k;
}

bool ListaAlocacaoDinamica::Free(Word handle) {
  const Block* found = live(handle);
  if (!found) return false;
  const Block block = *found;
  erase(static_cast<std::size_t>(found - table_.data()));
  --liveBlocks_;
  liveWords_ -= block.size;
  // A block of 0 words holds one word of storage.
  const Word storage = std::max<Word>(block.size, 1);
  bool kept = false;
  if (block.size <= kRecycledSizes && recycledWords_ + storage <= kMaxRecycledWords) {
    try {
      recycled_[block.size].push_back(block.words);
      recycledWords_ += storage;
      kept = true;
    } catch (const std::bad_alloc&) {
    }
  }
  if (!kept) delete[] block.words;
  // The table shrinks with the blocks alive; a failed shrink keeps it as is.
  if (table_.size() > kMinSlots && static_cast<std::size_t>(liveBlocks_) * 8 < table_.size())
    resize(table_.size() / 2);
  return true;
}

}  // namespace kau
