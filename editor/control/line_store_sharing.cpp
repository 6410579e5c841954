// Showing another editor's text. The shown store keeps the list of editors
// that show it (TSynSharedTextBuffer), so each editor's tie to it comes and
// goes on its own, whatever the order.
#include <algorithm>
#include <cassert>

#include "editor/control/syn_edit.h"
#include "editor/model/shared_text_buffer.h"

namespace kau::editor {

void TCustomSynEdit::SetLinesPointer(TCustomSynEdit* Editor) {
  if (!Editor) return;
  HookTextBuffer(&Editor->Lines(), &Editor->UndoList(), &Editor->RedoList());
  // Editor may show this editor's own text: then there is nothing to tie.
  if (fLines == fOrigLines.get()) return;
  fChainedEditor = Editor;
  Editor->FreeNotification(this);
}

void TCustomSynEdit::RemoveLinesPointer() {
  if (fChainedEditor) fChainedEditor->RemoveFreeNotification(this);
  fChainedEditor = nullptr;
  UnHookTextBuffer();
}

void TCustomSynEdit::HookTextBuffer(TSynEditStringList* Buffer, TSynEditUndoList* Undo, TSynEditUndoList* Redo) {
  if (fChainedEditor) RemoveLinesPointer();
  else if (fLines != fOrigLines.get()) UnHookTextBuffer();
  if (!Buffer || !Undo || !Redo || Buffer == fOrigLines.get()) return;
  TSynSharedTextBuffer::Attach(*Buffer, *Undo, *Redo,
                               {fOrigLines.get(), fOrigUndoList.get(), fOrigRedoList.get(),
                                makeMethod<&TCustomSynEdit::SharedBufferReleased>(this)});
  fLines = Buffer;
  fUndoList = Undo;
  fRedoList = Redo;
  LinesHookChanged();
}

void TCustomSynEdit::UnHookTextBuffer() {
  assert(!fChainedEditor && "unhooking while tied to an editor");
  if (fLines == fOrigLines.get()) return;
  TSynSharedTextBuffer::Detach(*fLines, fOrigLines.get());
  ShowOwnText();
}

void TCustomSynEdit::ShowOwnText() {
  fLines = fOrigLines.get();
  fUndoList = fOrigUndoList.get();
  fRedoList = fOrigRedoList.get();
  if (!fDestroying) LinesHookChanged();
}

void TCustomSynEdit::LinesHookChanged() {
  fRanges.Reset(LineCount());  // the states stored in the text now shown are not known
  Invalidate();
  // The caret and the selection stay inside the text now shown.
  const int lastLine = std::max(LineCount(), 1);
  if (std::max({fCaretY, fBlockBegin.Y, fBlockEnd.Y}) > lastLine) SetCaretXY(CaretXY());
  if (fOptions & eoAutoSizeMaxLineWidth) {
    const int longest = fLines->GetLengthOfLongestLine();
    if (longest > fMaxLineWidth) SetMaxLineWidth(longest);
  }
  UpdateScrollBars();
}

// The shown store lets go of this editor by itself (its owner or the store
// goes away).
void TCustomSynEdit::SharedBufferReleased(TObject*) {
  if (fChainedEditor) fChainedEditor->RemoveFreeNotification(this);
  fChainedEditor = nullptr;
  ShowOwnText();
}

void TCustomSynEdit::ReleaseTextBuffers() {
  // Editors tied to this one return to their own texts first, while this
  // editor's store and lists are whole; then this editor lets go of the text
  // it shows, and last any editor still showing its store (one tied to an
  // editor that showed it) lets go too.
  fFreeNotifies.NotifyRemoval(this);
  RemoveLinesPointer();
  TSynSharedTextBuffer::ReleaseAll(*fOrigLines);
}

}  // namespace kau::editor
