// The binding to the line store, the highlighter and the undo limit, and the
// notifications of components that go away.
#include "editor/control/syn_edit.h"

namespace kau::editor {

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

// Rescanning after a change comes with the line-store handlers.
int TCustomSynEdit::ScanFrom(int Index) { return Index; }

void TCustomSynEdit::Notification(TObject* AComponent, TOperation Operation) {
  if (Operation != opRemove || !AComponent) return;
  if (fHighlighter && AComponent == fHighlighter) SetHighlighter(nullptr);
  if (fSearchEngine && AComponent == fSearchEngine) SetSearchEngine(nullptr);
  if (fBookMarkOpt && AComponent == fBookMarkOpt->BookmarkImages()) fBookMarkOpt->SetBookmarkImages(nullptr);
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
  if (HandleAllocated() && !fInvalidateRect.IsEmpty()) InvalidateRect(fInvalidateRect, false);
  fInvalidateRect = {};
  if (fGutter->ShowLineNumbers() && fGutter->AutoSize()) fGutter->AutoSizeDigitCount(LineCount());
  if (!(fOptions & eoScrollPastEof)) SetTopLine(fTopLine);
}

// The reactions to single lines come with the line-store handlers.
void TCustomSynEdit::ListAdded(int, const std::string&) {}
void TCustomSynEdit::ListInserted(int, const std::string&) {}
void TCustomSynEdit::ListDeleted(int) {}
void TCustomSynEdit::ListPutted(int, const std::string&) {}
void TCustomSynEdit::ListCleared(TObject*) {}

}  // namespace kau::editor
