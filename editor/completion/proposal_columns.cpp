#include "editor/completion/proposal_columns.h"

#include <algorithm>
#include <stdexcept>

namespace kau::editor {

void TProposalColumn::Assign(const TProposalColumn& Source) {
  fBiggestWord = Source.fBiggestWord;
  fInternalWidth = Source.fInternalWidth;
  fDefaultFontStyle = Source.fDefaultFontStyle;
}

int TProposalColumn::Index() const { return fCollection.IndexOf(*this); }

TProposalColumn& TProposalColumns::Insert(int Index) {
  Index = std::clamp(Index, 0, Count());
  auto item = std::make_unique<TProposalColumn>(*this, fNextID++);
  TProposalColumn& result = *item;
  fItems.insert(fItems.begin() + Index, std::move(item));
  return result;
}

TProposalColumn& TProposalColumns::GetItem(int Index) const {
  if (Index < 0 || Index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
  return *fItems[static_cast<std::size_t>(Index)];
}

TProposalColumn* TProposalColumns::FindItemID(int ID) const {
  for (const auto& item : fItems)
    if (item->ID() == ID) return item.get();
  return nullptr;
}

void TProposalColumns::Delete(int Index) {
  GetItem(Index);  // range check
  fItems.erase(fItems.begin() + Index);
}

void TProposalColumns::Assign(const TProposalColumns& Source) {
  if (&Source == this) return;
  Clear();
  for (const auto& item : Source.fItems) Add().Assign(*item);
}

int TProposalColumns::IndexOf(const TProposalColumn& Item) const {
  for (int i = 0; i < Count(); ++i)
    if (fItems[static_cast<std::size_t>(i)].get() == &Item) return i;
  return -1;
}

}  // namespace kau::editor
