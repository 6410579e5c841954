#include "editor/structure/structures.h"

#include <algorithm>

namespace kau::editor {

TStructures::~TStructures() { Clear(); }

void TStructures::Delete(int index) {
  if (index < 0 || index >= GetCount()) return;
  pool_.push_back(list_[static_cast<std::size_t>(index)]);
  list_.erase(list_.begin() + index);
}

void TStructures::Remove(TStructure* structure) {
  const auto found = std::find(list_.begin(), list_.end(), structure);
  if (found != list_.end()) list_.erase(found);
  if (structure && std::find(pool_.begin(), pool_.end(), structure) == pool_.end()) pool_.push_back(structure);
}

void TStructures::Clear() {
  pool_.insert(pool_.end(), list_.begin(), list_.end());
  list_.clear();
}

void TStructures::Splice(int index, int count, const std::vector<TStructure*>& added) {
  const auto from = list_.begin() + index;
  pool_.insert(pool_.end(), from, from + count);
  list_.insert(list_.erase(from, from + count), added.begin(), added.end());
}

TStructure* TStructures::NewStructure() {
  if (!pool_.empty()) {
    TStructure* structure = pool_.back();
    pool_.pop_back();
    *structure = {};
    return structure;
  }
  owned_.push_back(std::make_unique<TStructure>());
  return owned_.back().get();
}

}  // namespace kau::editor
