#include "interpreter/lista_alocacao_dinamica.h"

#include <algorithm>
#include <new>

namespace kau {

ListaAlocacaoDinamica::ListaAlocacaoDinamica(std::int64_t handlesGiven) : windowStart_(handlesGiven) {}

ListaAlocacaoDinamica::~ListaAlocacaoDinamica() {
  for (const HeapBlock& block : window_) delete[] block.words;
  for (const HeapBlock& block : elders_.Slots()) delete[] block.words;
  for (const auto& sized : recycled_) {
    for (Word* words : sized) delete[] words;
  }
}

// Drops the older half of the window; its live blocks move to the hash
// table. Each handle is dropped once, so the work is constant per NEW.
void ListaAlocacaoDinamica::compactWindow() {
  const std::size_t cut = window_.size() / 2;
  const auto dropped = window_.begin() + static_cast<std::ptrdiff_t>(cut);
  const auto moving = static_cast<std::size_t>(
      std::count_if(window_.begin(), dropped, [](const HeapBlock& block) { return block.words != nullptr; }));
  if (!elders_.Reserve(moving)) return;  // the window stays as it is
  for (auto it = window_.begin(); it != dropped; ++it) {
    if (it->words) elders_.Insert(*it);
  }
  window_.erase(window_.begin(), dropped);
  windowStart_ += static_cast<std::int64_t>(cut);
  windowLive_ -= static_cast<std::int64_t>(moving);
  if (window_.capacity() > 4 * window_.size() + kWindowSlack) {
    try {
      std::vector<HeapBlock>(window_.begin(), window_.end()).swap(window_);
    } catch (const std::bad_alloc&) {
    }
  }
}

Word ListaAlocacaoDinamica::Allocate(Word n) {
  const std::int64_t handlesGiven = windowStart_ + static_cast<std::int64_t>(window_.size());
  if (n < 0 || liveWords_ + n > kMaxLiveWords || LiveBlocks() >= kMaxLiveBlocks || handlesGiven >= kHandleCount)
    return 0;
  if (window_.size() > 2 * static_cast<std::size_t>(windowLive_) + kWindowSlack) compactWindow();
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
  const auto handle = static_cast<Word>(-(windowStart_ + static_cast<std::int64_t>(window_.size())) - 1);
  try {
    window_.push_back(HeapBlock{handle, n, words});
  } catch (const std::bad_alloc&) {
    delete[] words;
    return 0;
  }
  ++windowLive_;
  liveWords_ += n;
  return handle;
}

Word ListaAlocacaoDinamica::WordsFrom(Word handle, Word k) const {
  const HeapBlock* block = live(handle);
  if (!block || k < 0 || k >= block->size) return 0;
  return block->size - k;
}

bool ListaAlocacaoDinamica::Free(Word handle) {
  const HeapBlock* found = live(handle);
  if (!found) return false;
  const HeapBlock block = *found;
  const std::uint64_t offset = windowOffset(handle);
  if (offset < window_.size()) {
    window_[offset].words = nullptr;
    --windowLive_;
  } else {
    elders_.Erase(found);
  }
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
  return true;
}

}  // namespace kau
