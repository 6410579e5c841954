// TMethodList: an ordered list of bound methods of one signature, the storage
// of a handler chain.
#pragma once

#include <algorithm>
#include <vector>

#include "editor/model/method.h"

namespace kau::editor {

template <typename Signature>
class TMethodList {
 public:
  using TMethod = Method<Signature>;

  // Appends; the same method may be added more than once.
  void Add(const TMethod& AHandler) { fItems.push_back(AHandler); }

  // Removes the last occurrence; nothing when absent.
  void Remove(const TMethod& AHandler) {
    const auto last = std::find(fItems.rbegin(), fItems.rend(), AHandler);
    if (last != fItems.rend()) fItems.erase(std::next(last).base());
  }

  int Count() const { return static_cast<int>(fItems.size()); }
  const TMethod& Items(int Index) const { return fItems.at(static_cast<std::size_t>(Index)); }
  bool Contains(const TMethod& AHandler) const {
    return std::find(fItems.begin(), fItems.end(), AHandler) != fItems.end();
  }

  // A copy to iterate over while handlers may add or remove themselves.
  std::vector<TMethod> Snapshot() const { return fItems; }

 private:
  std::vector<TMethod> fItems;
};

}  // namespace kau::editor
