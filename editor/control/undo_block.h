// An undo block for a scope: the items recorded inside share one change
// number, and the block closes also when the scope throws.
#pragma once

#include <exception>

#include "editor/undo_list.h"

namespace kau::editor {

class TUndoBlock {
 public:
  explicit TUndoBlock(TSynEditUndoList& List) : fList(List), fUncaught(std::uncaught_exceptions()) {
    fList.BeginBlock();
  }
  // A handler failing while the block closes fails the scope, unless the
  // scope already fails.
  ~TUndoBlock() noexcept(false) {
    if (std::uncaught_exceptions() == fUncaught) {
      fList.EndBlock();
      return;
    }
    try {
      fList.EndBlock();
    } catch (...) {
    }
  }
  TUndoBlock(const TUndoBlock&) = delete;
  TUndoBlock& operator=(const TUndoBlock&) = delete;

 private:
  TSynEditUndoList& fList;
  int fUncaught;
};

}  // namespace kau::editor
