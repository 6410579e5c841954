// The matched block pairs as the editor control paints them: each structure
// joins a closing word to the line below its opening word, and remembers
// where its line was last drawn. Structures that go out of the list wait in
// a pool for the next refill instead of being freed.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "editor/model/edit_types.h"
#include "platform/draw/geometry.h"

namespace kau::editor {

class TCustomSynEdit;

struct TStructure {
  TRect bounds;       // the last drawn line, in client pixels
  TPoint OpenPoint;   // the opener's first column, on the line below it (1-based)
  TPoint ClosePoint;  // the closer's first column and line (1-based)
};

class TStructures {
 public:
  explicit TStructures(TCustomSynEdit* owner) : owner_(owner) {}
  ~TStructures();
  TStructures(const TStructures&) = delete;
  TStructures& operator=(const TStructures&) = delete;

  void Add(TStructure* structure) { list_.push_back(structure); }
  // Moves the structure at `index` to the pool.
  void Delete(int index);
  // Takes `structure` out of the list, if it is there, into the pool.
  void Remove(TStructure* structure);
  void Clear();
  // Moves the `count` structures from `index` on to the pool and puts
  // `added` in their place.
  void Splice(int index, int count, const std::vector<TStructure*>& added);
  int GetCount() const { return static_cast<int>(list_.size()); }
  TStructure* GetStructure(int index) const { return list_[static_cast<std::size_t>(index)]; }
  // A pooled structure when one is free, else a new one; the caller adds it
  // to the list or returns it with Remove.
  TStructure* NewStructure();
  TCustomSynEdit* Owner() const { return owner_; }
  template <typename Less>
  void Sort(Less less) {
    std::sort(list_.begin(), list_.end(), less);
  }

 private:
  std::vector<TStructure*> list_;
  std::vector<std::unique_ptr<TStructure>> owned_;  // every structure made
  std::vector<TStructure*> pool_;
  TCustomSynEdit* owner_;
};

}  // namespace kau::editor
