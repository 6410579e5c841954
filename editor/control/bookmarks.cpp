// Bookmarks 0..9 and the marks following inserted and deleted lines.
#include <algorithm>
#include <memory>

#include "editor/control/syn_edit.h"

namespace kau::editor {

namespace {

bool ValidBookmark(int BookMark) { return BookMark >= 0 && BookMark <= 9; }

}  // namespace

void TCustomSynEdit::SetBookMark(int BookMark, int X, int Y) {
  if (!ValidBookmark(BookMark) || Y < 1 || Y > std::max(1, LineCount())) return;
  auto mark = std::make_unique<TSynEditMark>(this);
  mark->SetLine(Y);
  mark->SetColumn(X);
  mark->SetImage(BookMark);
  mark->SetBookmarkNumber(BookMark);
  mark->SetVisible(true);
  mark->SetInternalImage(fBookMarkOpt->BookmarkImages() == nullptr);
  TSynEditMark* offered = mark.get();
  DoOnPlaceMark(offered);
  // A mark the handler refused or replaced is freed with `mark`; one it
  // handed over in its place was made with new and is owned from here on.
  std::unique_ptr<TSynEditMark> placed = offered == mark.get() ? std::move(mark) : std::unique_ptr<TSynEditMark>(offered);
  if (!placed) return;
  ClearBookMark(BookMark);
  fBookMarks[static_cast<std::size_t>(BookMark)] = placed.get();
  fMarkList->Add(std::move(placed));
}

void TCustomSynEdit::ClearBookMark(int BookMark) {
  if (!ValidBookmark(BookMark)) return;
  TSynEditMark*& slot = fBookMarks[static_cast<std::size_t>(BookMark)];
  if (!slot) return;
  TSynEditMark* mark = slot;
  DoOnClearBookmark(mark);
  std::unique_ptr<TSynEditMark> removed = fMarkList->Remove(slot);
  slot = nullptr;
}

void TCustomSynEdit::GotoLineAndCenter(int ALine) {
  PaintLockGuard lock(*this);
  if (GetSelAvail()) InvalidateLines(fBlockBegin.Y, fBlockEnd.Y);
  SetCaretXYEx(false, {1, ALine});
  EnsureCursorPosVisibleEx(true);
  fBlockBegin = fBlockEnd = CaretXY();
  StatusChanged(scSelection);
}

void TCustomSynEdit::GotoBookMark(int BookMark) {
  if (!ValidBookmark(BookMark)) return;
  const TSynEditMark* mark = fBookMarks[static_cast<std::size_t>(BookMark)];
  if (!mark || mark->Line() > LineCount()) return;
  PaintLockGuard lock(*this);
  if (GetSelAvail()) InvalidateLines(fBlockBegin.Y, fBlockEnd.Y);
  SetCaretXYEx(false, {mark->Column(), mark->Line()});
  EnsureCursorPosVisibleEx(true);
  fBlockBegin = fBlockEnd = CaretXY();
  StatusChanged(scSelection);
}

bool TCustomSynEdit::GetBookMark(int BookMark, int& X, int& Y) const {
  for (int i = 0; i < fMarkList->Count(); ++i) {
    const TSynEditMark* mark = fMarkList->Get(i);
    if (mark->IsBookmark() && mark->BookmarkNumber() == BookMark) {
      X = mark->Column();
      Y = mark->Line();
      return true;
    }
  }
  return false;
}

bool TCustomSynEdit::IsBookmark(int BookMark) const {
  int x = 0;
  int y = 0;
  return GetBookMark(BookMark, x, y);
}

namespace {

// Plug-ins are called over a copy of the list; one that went away meanwhile
// is skipped.
template <typename Call>
void ForEachPlugin(const std::vector<TSynEditPlugin*>& Live, Call call) {
  const std::vector<TSynEditPlugin*> snapshot = Live;
  for (TSynEditPlugin* plugin : snapshot)
    if (std::find(Live.begin(), Live.end(), plugin) != Live.end()) call(*plugin);
}

}  // namespace

void TCustomSynEdit::DoLinesInserted(int FirstLine, int Count) {
  for (int i = 0; i < fMarkList->Count(); ++i) {
    TSynEditMark* mark = fMarkList->Get(i);
    if (mark->Line() >= FirstLine) mark->SetLine(mark->Line() + Count);
  }
  ForEachPlugin(fPlugins, [&](TSynEditPlugin& p) { p.LinesInserted(FirstLine, Count); });
}

void TCustomSynEdit::DoLinesDeleted(int FirstLine, int Count) {
  const int last = std::max(1, LineCount());
  for (int i = 0; i < fMarkList->Count(); ++i) {
    TSynEditMark* mark = fMarkList->Get(i);
    int line = mark->Line();
    if (line >= FirstLine + Count - 1) line -= Count;
    else if (line > FirstLine) line = FirstLine;
    // No mark ends outside the text.
    line = std::clamp(line, 1, last);
    if (line != mark->Line()) mark->SetLine(line);
  }
  ForEachPlugin(fPlugins, [&](TSynEditPlugin& p) { p.LinesDeleted(FirstLine, Count); });
}

}  // namespace kau::editor
