#include "editor/model/undo_list.h"

#include <stdexcept>
#include <utility>

namespace kau::editor {

void TSynEditUndoItem::Assign(const TSynEditUndoItem& Source) {
  ChangeReason = Source.ChangeReason;
  ChangeSelMode = Source.ChangeSelMode;
  ChangeStartPos = Source.ChangeStartPos;
  ChangeEndPos = Source.ChangeEndPos;
  ChangeStr = Source.ChangeStr;
  ChangeNumber = Source.ChangeNumber;
  ChangeReplacedStr = Source.ChangeReplacedStr;
}

TSynEditUndoList::TSynEditUndoList() = default;

TSynEditUndoList::~TSynEditUndoList() { Clear(); }

void TSynEditUndoList::AdvanceChangeNumber() {
  // Wraps around in 32 bits and skips 0, which means "no block".
  fNextChangeNumber = static_cast<std::int32_t>(static_cast<std::uint32_t>(fNextChangeNumber) + 1u);
  if (fNextChangeNumber == 0) fNextChangeNumber = 1;
}

void TSynEditUndoList::AddChange(TSynChangeReason AReason, const TPoint& AStart, const TPoint& AEnd,
                                 std::string ChangeText, TSynSelectionMode SelMode) {
  if (fLockCount > 0) return;
  auto item = std::make_unique<TSynEditUndoItem>();
  item->ChangeReason = AReason;
  item->ChangeSelMode = SelMode;
  item->ChangeStartPos = AStart;
  item->ChangeEndPos = AEnd;
  item->ChangeStr = std::move(ChangeText);
  if (BlockChangeNumber != 0) {
    item->ChangeNumber = BlockChangeNumber;
  } else {
    item->ChangeNumber = fNextChangeNumber;
    if (fBlockCount == 0) AdvanceChangeNumber();
  }
  PushItem(std::move(item));
}

void TSynEditUndoList::BeginBlock() {
  ++fBlockCount;
  BlockChangeNumber = fNextChangeNumber;
}

void TSynEditUndoList::EndBlock() {
  if (fBlockCount == 0) return;
  --fBlockCount;
  if (fBlockCount > 0) return;
  const std::int32_t n = BlockChangeNumber;
  BlockChangeNumber = 0;
  AdvanceChangeNumber();
  if (!fItems.empty() && fItems.back()->ChangeNumber == n && OnAddedUndo) OnAddedUndo(this);
}

void TSynEditUndoList::AddGroupBreak() {
  if (LastChangeReason() != crGroupBreak) AddChange(crGroupBreak, TPoint{}, TPoint{}, std::string(), smNormal);
}

void TSynEditUndoList::PushItem(std::unique_ptr<TSynEditUndoItem> Item) {
  if (!Item) return;
  const TSynChangeReason reason = Item->ChangeReason;
  fItems.push_back(std::move(Item));
  EnsureMaxEntries();
  if (reason != crGroupBreak && OnAddedUndo) OnAddedUndo(this);
}

std::unique_ptr<TSynEditUndoItem> TSynEditUndoList::PopItem() {
  if (fItems.empty()) return nullptr;
  auto item = std::move(fItems.back());
  fItems.pop_back();
  return item;
}

TSynEditUndoItem* TSynEditUndoList::PeekItem() const { return fItems.empty() ? nullptr : fItems.back().get(); }

void TSynEditUndoList::Clear() {
  fItems.clear();
  fFullUndoImpossible = false;
  fDroppedChangeNumber = 0;
}

void TSynEditUndoList::Lock() { ++fLockCount; }

void TSynEditUndoList::Unlock() {
  if (fLockCount > 0) --fLockCount;
}

TSynChangeReason TSynEditUndoList::LastChangeReason() const {
  return fItems.empty() ? crNothing : fItems.back()->ChangeReason;
}

void TSynEditUndoList::CheckItemIndex(int Index) const {
  if (Index < 0 || Index >= GetItemCount())
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

TSynEditUndoItem* TSynEditUndoList::GetItems(int Index) const {
  CheckItemIndex(Index);
  return fItems[static_cast<std::size_t>(Index)].get();
}

std::unique_ptr<TSynEditUndoItem> TSynEditUndoList::SetItems(int Index, std::unique_ptr<TSynEditUndoItem> Item) {
  CheckItemIndex(Index);
  std::swap(fItems[static_cast<std::size_t>(Index)], Item);
  return Item;
}

bool TSynEditUndoList::GetInitialState() const {
  if (fItems.empty()) return fInitialChangeNumber == 0;
  return fItems.back()->ChangeNumber == fInitialChangeNumber;
}

void TSynEditUndoList::SetInitialState(bool Value) {
  if (Value)
    fInitialChangeNumber = fItems.empty() ? 0 : fItems.back()->ChangeNumber;
  else if (GetInitialState())
    fInitialChangeNumber = -1;
}

void TSynEditUndoList::EnsureMaxEntries() {
  std::size_t drop = 0;
  if (fItems.size() > static_cast<std::size_t>(fMaxUndoActions)) {
    fFullUndoImpossible = true;
    drop = fItems.size() - static_cast<std::size_t>(fMaxUndoActions);
    fDroppedChangeNumber = fItems[drop - 1]->ChangeNumber;
  }
  // Never leave part of a group behind: undoing it would give a text that
  // never existed.
  while (drop < fItems.size() && fDroppedChangeNumber != 0 && fItems[drop]->ChangeNumber == fDroppedChangeNumber) ++drop;
  if (drop > 0) fItems.erase(fItems.begin(), fItems.begin() + static_cast<std::ptrdiff_t>(drop));
}

void TSynEditUndoList::SetMaxUndoActions(int Value) {
  if (Value < 0) Value = 0;
  if (Value == fMaxUndoActions) return;
  fMaxUndoActions = Value;
  EnsureMaxEntries();
}

void TSynEditUndoList::Assign(const TSynEditUndoList& Source) {
  if (&Source == this) return;
  Clear();
  for (const auto& item : Source.fItems) {
    auto copy = std::make_unique<TSynEditUndoItem>();
    copy->Assign(*item);
    fItems.push_back(std::move(copy));
  }
  BlockChangeNumber = Source.BlockChangeNumber;
  fBlockCount = Source.fBlockCount;
  fFullUndoImpossible = Source.fFullUndoImpossible;
  fDroppedChangeNumber = Source.fDroppedChangeNumber;
  fLockCount = Source.fLockCount;
  fMaxUndoActions = Source.fMaxUndoActions;
  fNextChangeNumber = Source.fNextChangeNumber;
}

}  // namespace kau::editor
