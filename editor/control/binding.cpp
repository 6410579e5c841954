// The binding to the line store, the highlighter and the undo limit, and the
// notifications of components that go away.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/model/shared_text_buffer.h"

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
  fRanges.Reset(LineCount());
  if (fHighlighter && LineCount() > 0) ScanRangesThrough(std::min(RangeScanLimit(), LineCount() - 1));
}

namespace {

// A stored end state is the highlighter's cache, not a change of the text:
// a scan made on demand (while painting, or from a query) stores its states
// without the store's change notification.
class QuietStore {
 public:
  explicit QuietStore(TSynEditStringList& Lines)
      : fLines(Lines), fChanging(Lines.OnChanging), fChange(Lines.OnChange) {
    Lines.OnChanging = {};
    Lines.OnChange = {};
  }
  ~QuietStore() {
    fLines.OnChanging = fChanging;
    fLines.OnChange = fChange;
  }
  QuietStore(const QuietStore&) = delete;
  QuietStore& operator=(const QuietStore&) = delete;

 private:
  TSynEditStringList& fLines;
  TNotifyEvent fChanging;
  TNotifyEvent fChange;
};

}  // namespace

// Several editors showing one store each rescan at its changes and trust the
// states the others stored: they must all leave every state right, so a
// shared text is scanned to its end.
int TCustomSynEdit::RangeScanLimit() const {
  if (fLines != fOrigLines.get() || TSynSharedTextBuffer::ViewerCount(*fLines) > 0) return kLastLine;
  return ClampToInt(std::int64_t{fTopLine} - 1 + fLinesInWindow);
}

int TCustomSynEdit::ScanFrom(int Index) { return ScanChanged(Index, 0); }

int TCustomSynEdit::ScanChanged(int Index, int Count) {
  Count = std::max(Count, 0);
  Index = std::max(Index, 0);
  fRanges.Inserted(Index, Count);
  if (fRanges.Lines != LineCount()) fRanges.Reset(LineCount());  // a change that was not reported
  if (Index >= LineCount()) return Index;
  // The stored states of new lines mean nothing: they are scanned whatever
  // they hold, and so is the first old line after them, which began in the
  // state of the line above them.
  const int through = Count > 0 ? std::min(Index + Count, LineCount() - 1) : Index - 1;
  const int limit = RangeScanLimit();
  if (!fHighlighter || Index > limit) {
    fRanges.Defer(Index, Index + Count);
    return Index;
  }
  if (Index > fRanges.Valid) ScanRangesThrough(Index - 1);
  // Storing a state outside an update notifies a change (DeleteLines reports
  // outside one): one notification for the whole scan.
  TStringsUpdate update(*fLines);
  return RescanRanges(Index, through, std::max(limit, through));
}

// Scans from line Index (the lines above it right) until a line's new end
// state is the stored one and the lines after it follow it, or past Limit.
int TCustomSynEdit::RescanRanges(int Index, int Through, int Limit) {
  const int count = LineCount();
  if (Index == 0) fHighlighter->ResetRange();
  else fHighlighter->SetRange(fLines->GetRange(Index - 1));
  int line = Index;
  for (;;) {
    fHighlighter->SetLine(fLines->LineView(line), line);
    fHighlighter->NextToEol();
    const SynRange range = fHighlighter->GetRange();
    const bool same = range == fLines->GetRange(line);
    if (!same) fLines->PutRange(line, range);
    const int next = line + 1;
    if (next >= count) {
      fRanges.SetComplete();
      break;
    }
    if (same && line >= Through) {
      if (next < fRanges.Valid) break;
      if (next > fRanges.UnknownTo) {
        fRanges.SetComplete();
        break;
      }
    }
    if (line >= Limit) {
      fRanges.Valid = next;
      if (!same) fRanges.UnknownTo = std::max(fRanges.UnknownTo, next);
      break;
    }
    line = next;
  }
  RangesRescanned(Index, line);
  return line;
}

void TCustomSynEdit::ScanRangesThrough(int Index) const {
  auto& self = const_cast<TCustomSynEdit&>(*this);  // the stored states are a cache
  if (!fHighlighter) return;
  if (fRanges.Lines != LineCount()) self.fRanges.Reset(LineCount());
  Index = std::min(Index, LineCount() - 1);
  if (Index < fRanges.Valid) return;
  QuietStore quiet(*fLines);
  const int limit = RangeScanLimit() == kLastLine ? kLastLine : Index;
  self.RescanRanges(fRanges.Valid, fRanges.Valid - 1, limit);
}

void TCustomSynEdit::RangesRescanned(int, int) {}

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
  ScanChanged(Index, LineCount() - fRanges.Lines);
  InvalidateLines(Index + 1, kLastLine);
  InvalidateGutterLines(Index + 1, kLastLine);
  GrowMaxLineWidth(*this, Index, std::max(1, fLines->AddedLineCount()));
}

// The lines below move down by one, so only the window's lines need paint.
void TCustomSynEdit::ListInserted(int Index, const std::string&) {
  ScanChanged(Index, LineCount() - fRanges.Lines);
  const int windowEnd = static_cast<int>(std::min<std::int64_t>(kLastLine, std::int64_t{fTopLine} + fLinesInWindow));
  InvalidateLines(Index + 1, windowEnd);
  InvalidateGutterLines(Index + 1, windowEnd);
  GrowMaxLineWidth(*this, Index);
}

void TCustomSynEdit::ListDeleted(int Index) {
  if (fRanges.Lines > LineCount()) fRanges.Deleted(Index, fRanges.Lines - LineCount());
  ScanFrom(Index);
  InvalidateLines(Index + 1, kLastLine);
  InvalidateGutterLines(Index + 1, kLastLine);
}

// A replaced line repaints down to the last line whose end state changed.
void TCustomSynEdit::ListPutted(int Index, const std::string&) {
  const int last = ScanFrom(Index);
  InvalidateLines(Index + 1, last + 1);
  GrowMaxLineWidth(*this, Index);
}

void TCustomSynEdit::ListCleared(TObject*) {
  fRanges.Reset(LineCount());
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
