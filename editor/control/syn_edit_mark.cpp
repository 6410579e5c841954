#include "editor/control/syn_edit_mark.h"

#include <algorithm>

#include "editor/control/syn_edit.h"

namespace kau::editor {

TCustomSynEdit* TSynEditMark::GetEdit() {
  if (fEdit && fEdit->Marks().IndexOf(this) < 0) fEdit = nullptr;
  return fEdit;
}

void TSynEditMark::InvalidateGutterLine(int ALine) {
  if (fVisible && fEdit) fEdit->InvalidateGutterLines(ALine, ALine);
}

void TSynEditMark::SetLine(int Value) {
  if (fVisible && fEdit) {
    if (fLine > 0) InvalidateGutterLine(fLine);
    InvalidateGutterLine(Value);
  }
  fLine = Value;
}

void TSynEditMark::SetImage(int Value) {
  fImage = Value;
  InvalidateGutterLine(fLine);
}

void TSynEditMark::SetInternalImage(bool Value) {
  fInternalImage = Value;
  InvalidateGutterLine(fLine);
}

void TSynEditMark::SetVisible(bool Value) {
  if (fVisible == Value) return;
  fVisible = Value;
  if (fEdit) fEdit->InvalidateGutterLines(fLine, fLine);
}

// A mark in the list belongs to the list's editor; one taken out belongs to
// no editor, so that it never reaches an editor that is gone.
int TSynEditMarkList::Add(std::unique_ptr<TSynEditMark> Item) {
  Item->fEdit = fEdit;
  fItems.push_back(std::move(Item));
  DoChange();
  return Count() - 1;
}

void TSynEditMarkList::Insert(int Index, std::unique_ptr<TSynEditMark> Item) {
  Item->fEdit = fEdit;
  fItems.insert(fItems.begin() + std::clamp(Index, 0, Count()), std::move(Item));
  DoChange();
}

std::unique_ptr<TSynEditMark> TSynEditMarkList::Put(int Index, std::unique_ptr<TSynEditMark> Item) {
  Item->fEdit = fEdit;
  std::unique_ptr<TSynEditMark> old = std::move(fItems.at(static_cast<std::size_t>(Index)));
  fItems[static_cast<std::size_t>(Index)] = std::move(Item);
  if (old) old->fEdit = nullptr;
  DoChange();
  return old;
}

std::unique_ptr<TSynEditMark> TSynEditMarkList::Delete(int Index) {
  std::unique_ptr<TSynEditMark> old = std::move(fItems.at(static_cast<std::size_t>(Index)));
  fItems.erase(fItems.begin() + Index);
  old->fEdit = nullptr;
  DoChange();
  return old;
}

std::unique_ptr<TSynEditMark> TSynEditMarkList::Remove(TSynEditMark* Item) {
  const int i = IndexOf(Item);
  return i < 0 ? nullptr : Delete(i);
}

int TSynEditMarkList::IndexOf(const TSynEditMark* Item) const {
  for (int i = 0; i < Count(); ++i)
    if (fItems[static_cast<std::size_t>(i)].get() == Item) return i;
  return -1;
}

std::vector<std::unique_ptr<TSynEditMark>> TSynEditMarkList::ClearLine(int Line) {
  std::vector<std::unique_ptr<TSynEditMark>> removed;
  for (int i = Count() - 1; i >= 0; --i) {
    TSynEditMark* m = fItems[static_cast<std::size_t>(i)].get();
    if (!m->IsBookmark() && m->Line() == Line) removed.push_back(Delete(i));
  }
  return removed;
}

void TSynEditMarkList::GetMarksForLine(int Line, TSynEditMarks& Marks) const {
  Marks.fill(nullptr);
  std::size_t n = 0;
  for (const auto& m : fItems) {
    if (m->Line() != Line) continue;
    Marks[n++] = m.get();
    if (n == Marks.size()) break;
  }
}

void TSynEditMarkList::Place(std::unique_ptr<TSynEditMark> Mark) {
  TSynEditMark* offered = Mark.get();
  if (fEdit && fEdit->OnPlaceBookmark) fEdit->OnPlaceBookmark(fEdit, offered);
  // A handler may cancel the placement (none) or hand over a mark of its
  // own, made with new, in place of the offered one.
  if (offered == Mark.get()) Add(std::move(Mark));
  else if (offered) Add(std::unique_ptr<TSynEditMark>(offered));
  else DoChange();
}

void TSynEditMarkList::DoChange() {
  if (OnChange) OnChange(this);
}

}  // namespace kau::editor
