// The Modified flag and its tie to the undo list, undo locks, key bindings
// and the standard edit actions.
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::SetModified(bool Value) {
  if (Value == fModified) return;
  fModified = Value;
  // Saving ends a group: typing after it is undone on its own.
  if (!Value) EndUndoGroup();
  fUndoList->SetInitialState(!Value);
  StatusChanged(scModified);
}

void TCustomSynEdit::EndUndoGroup() {
  if ((fOptions & eoGroupUndo) && fUndoList->GetCanUndo()) fUndoList->AddGroupBreak();
}

void TCustomSynEdit::UpdateModifiedStatus() { SetModified(!fUndoList->GetInitialState()); }

void TCustomSynEdit::LockUndo() {
  fUndoList->Lock();
  fRedoList->Lock();
}

void TCustomSynEdit::UnlockUndo() {
  fUndoList->Unlock();
  fRedoList->Unlock();
}

void TCustomSynEdit::ClearUndo() {
  fUndoList->Clear();
  fRedoList->Clear();
}

void TCustomSynEdit::SetSelWord() { SetWordBlock(CaretXY()); }

void TCustomSynEdit::AddKey(TSynEditorCommand Command, std::uint16_t Key1, TShiftState SS1, std::uint16_t Key2,
                            TShiftState SS2) {
  TSynEditKeyStroke& key = fKeyStrokes->Add();
  key.SetCommand(Command);
  key.SetKey(Key1);
  key.SetShift(SS1);
  key.SetKey2(Key2);
  key.SetShift2(SS2);
}

bool TCustomSynEdit::ExecuteAction(TEditAction Action) {
  switch (Action) {
    case TEditAction::Cut:
      CutToClipboard();
      break;
    case TEditAction::Copy:
      CopyToClipboard();
      break;
    case TEditAction::Paste:
      PasteFromClipboard();
      break;
    case TEditAction::Delete:
      ClearSelection();
      break;
    case TEditAction::Undo:
      Undo();
      break;
    case TEditAction::SelectAll:
      SelectAll();
      break;
  }
  return true;
}

bool TCustomSynEdit::UpdateAction(TEditAction Action, bool& Enabled) const {
  if (!Focused()) return false;
  switch (Action) {
    case TEditAction::Cut:
    case TEditAction::Copy:
      Enabled = GetSelAvail();
      break;
    case TEditAction::Paste:
      Enabled = CanPaste();
      break;
    case TEditAction::Undo:
      Enabled = GetCanUndo();
      break;
    case TEditAction::Delete:
    case TEditAction::SelectAll:
      Enabled = true;
      break;
  }
  return true;
}

}  // namespace kau::editor
