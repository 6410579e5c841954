// The binding to the line store, the highlighter and the undo limit, and the
// notifications of components that go away.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "editor/control/syn_edit.h"

namespace kau::editor {

namespace {

// Repaints reaching "to the end" name the largest line; the invalidation
// routines keep to the window.
constexpr int kLastLine = std::numeric_limits<int>::max();

// With eoAutoSizeMaxLineWidth the widest line seen sets the scrolling width.
void GrowMaxLineWidth(TCustomSynEdit& Edit, int Index, int Count = 1) {
  if (!(Edit.Options() & eoAutoSizeMaxLineWidth)) return;
  for (int i = Index; i < Index + Count; ++i) {
    const int length = Edit.Lines().GetExpandedStringLength(i);
    if (length > Edit.MaxLineWidth()) Edit.SetMaxLineWidth(length);
  }
}

}  // namespace

void TCustomSynEdit::SetHighlighter(TSynCustomHighlighter* Value) {
  if (Value == fHighlighter) return;
  const TNotifyEvent handler = makeMethod<&TCustomSynEdit::HighlighterAttrChanged>(this);
  if (fHighlighter) {
    fHighlighter->UnhookAttrChangeEvent(handler);
    fHighlighter->RemoveFreeNotification(this);
  }
  if (Value) {
    Value->HookAttrChangeEvent(handler);
    Value->FreeNotification(this);
  }
  fHighlighter = Value;
  if (!fDestroying) HighlighterAttrChanged(fHighlighter);
}

void TCustomSynEdit::ListScanRanges(TObject*) {
  if (!fHighlighter || LineCount() == 0) return;
  fHighlighter->ResetRange();
  for (int i = 0; i < LineCount(); ++i) {
    fHighlighter->SetLine(fLines->Get(i), i);
    fHighlighter->NextToEol();
    fLines->PutRange(i, fHighlighter->GetRange());
  }
}

int TCustomSynEdit::ScanFrom(int Index) {
  Index = std::max(Index, 0);
  if (!fHighlighter || Index >= LineCount()) return Index;
  const auto scanLine = [this](int Line) {
    fHighlighter->SetLine(fLines->Get(Line), Line);
    fHighlighter->NextToEol();
    return fHighlighter->GetRange();
  };
  if (Index == 0) fHighlighter->ResetRange();
  else fHighlighter->SetRange(fLines->GetRange(Index - 1));
  SynRange range = scanLine(Index);
  if (range == fLines->GetRange(Index)) return Index;
  // Storing a range outside an update notifies a change (DeleteLines reports
  // outside one): one notification for the whole scan.
  TStringsUpdate update(*fLines);
  for (;;) {
    fLines->PutRange(Index, range);
    if (Index + 1 >= LineCount()) break;
    range = scanLine(++Index);
    if (range == fLines->GetRange(Index)) break;
  }
  return Index;
}

void TCustomSynEdit::Notification(TObject* AComponent, TOperation Operation) {
  if (Operation != opRemove || !AComponent) return;
  if (fHighlighter && AComponent == fHighlighter) SetHighlighter(nullptr);
  if (fSearchEngine && AComponent == fSearchEngine) SetSearchEngine(nullptr);
  if (fBookMarkOpt && AComponent == fBookMarkOpt->BookmarkImages()) fBookMarkOpt->SetBookmarkImages(nullptr);
  if (fChainedEditor && AComponent == fChainedEditor) RemoveLinesPointer();
}

int TCustomSynEdit::GetMaxUndo() const { return fUndoList->MaxUndoActions(); }

void TCustomSynEdit::SetMaxUndo(int Value) {
  if (Value < 0) return;
  fUndoList->SetMaxUndoActions(Value);
  fRedoList->SetMaxUndoActions(Value);
}

void TCustomSynEdit::LinesChanging(TObject*) { Include(sfLinesChanging); }

void TCustomSynEdit::LinesChanged(TObject*) {
  Exclude(sfLinesChanging);
  if (HandleAllocated()) UpdateScrollBars();
  SetBlockBegin(CaretXY());
  // Outside a paint lock a scroll made during the change shows now; inside
  // one it waits for the lock's end, and so do the repaints held for it.
  if (fPaintLock == 0) ScrollPixels();
  ReleaseHeldRepaints();
  if (fGutter->ShowLineNumbers() && fGutter->AutoSize()) fGutter->AutoSizeDigitCount(LineCount());
  if (!(fOptions & eoScrollPastEof)) SetTopLine(fTopLine);
}

// Store indexes are 0-based, repainted lines 1-based: line Index + 1 is the
// first one changed.
// A block of lines comes with one event; every line of it may widen.
void TCustomSynEdit::ListAdded(int Index, const std::string&) {
  if (fHighlighter) ScanFrom(Index);
  InvalidateLines(Index + 1, kLastLine);
  InvalidateGutterLines(Index + 1, kLastLine);
  GrowMaxLineWidth(*this, Index, std::max(1, fLines->AddedLineCount()));
}

// The lines below move down by one, so only the window's lines need paint.
void TCustomSynEdit::ListInserted(int Index, const std::string&) {
  if (fHighlighter && LineCount() > 0) ScanFrom(Index);
  const int windowEnd = static_cast<int>(std::min<std::int64_t>(kLastLine, std::int64_t{fTopLine} + fLinesInWindow));
  InvalidateLines(Index + 1, windowEnd);
  InvalidateGutterLines(Index + 1, windowEnd);
  GrowMaxLineWidth(*this, Index);
}

void TCustomSynEdit::ListDeleted(int Index) {
  if (fHighlighter && LineCount() > 0) ScanFrom(Index);
  InvalidateLines(Index + 1, kLastLine);
  InvalidateGutterLines(Index + 1, kLastLine);
}

// A replaced line repaints down to the last line whose end state changed.
void TCustomSynEdit::ListPutted(int Index, const std::string&) {
  const int last = fHighlighter ? ScanFrom(Index) : Index;
  InvalidateLines(Index + 1, last + 1);
  GrowMaxLineWidth(*this, Index);
}

void TCustomSynEdit::ListCleared(TObject*) {
  fUndoList->Clear();
  fRedoList->Clear();
  fInvalidateRect = {};
  Invalidate();
  SetCaretXY({1, 1});
  SetTopLine(1);
  SetLeftChar(1);
  StatusChanged(scAll);
}

}  // namespace kau::editor
