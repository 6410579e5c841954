#include "interpreter/lista_alocacao_dinamica.h"

#include <new>

namespace kau {

const ListaAlocacaoDinamica::Block* ListaAlocacaoDinamica::live(Word handle) const {
  if (handle >= 0) return nullptr;
  const std::int64_t index = -static_cast<std::int64_t>(handle) - 1;
  if (index >= static_cast<std::int64_t>(blocks_.size())) return nullptr;
  const Block& block = blocks_[static_cast<std::size_t>(index)];
  return block.words ? &block : nullptr;
}

Word ListaAlocacaoDinamica::Allocate(Word n) {
  if (n < 0 || liveWords_ + n > kMaxLiveWords || static_cast<std::int64_t>(blocks_.size()) >= kMaxBlocks) return 0;
  Block block;
  // A block of 0 words still needs a distinct live allocation.
  block.words.reset(new (std::nothrow) Word[static_cast<std::size_t>(n) + 1]());
  if (!block.words) return 0;
  block.size = n;
  blocks_.push_back(std::move(block));
  liveWords_ += n;
  return -static_cast<Word>(blocks_.size());
}

Word* ListaAlocacaoDinamica::At(Word handle, Word k) {
  const Block* block = live(handle);
  if (!block || k < 0 || k >= block->size) return nullptr;
  return &block->words[static_cast<std::size_t>(k)];
}

Word ListaAlocacaoDinamica::WordsFrom(Word handle, Word k) const {
  const Block* block = live(handle);
  if (!block || k < 0 || k >= block->size) return 0;
  return block->size - k;
}

bool ListaAlocacaoDinamica::Free(Word handle) {
  const Block* found = live(handle);
  if (!found) return false;
  Block& block = blocks_[static_cast<std::size_t>(-static_cast<std::int64_t>(handle) - 1)];
  liveWords_ -= block.size;
  block.words.reset();
  return true;
}

}  // namespace kau
