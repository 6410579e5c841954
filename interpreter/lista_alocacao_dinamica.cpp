#include "interpreter/lista_alocacao_dinamica.h"

#include <algorithm>
#include <new>

namespace kau {

ListaAlocacaoDinamica::~ListaAlocacaoDinamica() {
  for (const Block& block : blocks_) delete[] block.words;
  for (const auto& sized : recycled_) {
    for (Word* words : sized) delete[] words;
  }
}

Word ListaAlocacaoDinamica::Allocate(Word n) {
  if (n < 0 || liveWords_ + n > kMaxLiveWords || static_cast<std::int64_t>(blocks_.size()) >= kMaxBlocks) return 0;
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
  try {
    blocks_.push_back(Block{words, n});
  } catch (const std::bad_alloc&) {
    delete[] words;
    return 0;
  }
  liveWords_ += n;
  return -static_cast<Word>(blocks_.size());
}

Word ListaAlocacaoDinamica::WordsFrom(Word handle, Word k) const {
  const Block* block = live(handle);
  if (!block || k < 0 || k >= block->size) return 0;
  return block->size - k;
}

bool ListaAlocacaoDinamica::Free(Word handle) {
  const Block* found = live(handle);
  if (!found) return false;
  Block& block = blocks_[static_cast<std::size_t>(found - blocks_.data())];
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
  block.words = nullptr;
  return true;
}

}  // namespace kau
