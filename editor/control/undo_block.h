// An undo block for a scope: the items recorded inside share one change
// number, and the block closes also when the scope throws.
#pragma once

#include "editor/model/scope_exit.h"
#include "editor/model/undo_list.h"

namespace kau::editor {

using TUndoBlock = TScopedBracket<TSynEditUndoList, &TSynEditUndoList::BeginBlock, &TSynEditUndoList::EndBlock>;

}  // namespace kau::editor
