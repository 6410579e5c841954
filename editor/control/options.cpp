// Options and the small property setters, and the reactions to the option
// objects' changes.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::SetOptions(TSynEditorOptions Value) {
  if (Value == fOptions) return;
  const TSynEditorOptions changed = Value ^ fOptions;
  constexpr TSynEditorOptions scrollOptions = eoDisableScrollArrows | eoHideShowScrollbars | eoScrollPastEof | eoScrollPastEol;
  fOptions = Value;
  // LeftChar, TopLine and the caret column are clamped under the new rules.
  if (!(fOptions & eoScrollPastEol)) SetLeftChar(fLeftChar);
  if (!(fOptions & eoScrollPastEof)) SetTopLine(fTopLine);
  if (!(fOptions & eoScrollPastEol)) SetCaretX(fCaretX);
  if ((changed & eoDropFiles) && HandleAllocated()) fHost->AcceptFiles((fOptions & eoDropFiles) != 0);
  if (((fOptions & eoShowSpecialChars) != 0) != fShowSpecialChars) {
    fShowSpecialChars = (fOptions & eoShowSpecialChars) != 0;
    Invalidate();
  }
  if (changed & scrollOptions) UpdateScrollBars();
}

void TCustomSynEdit::SetOptionFlag(TSynEditorOptions Flag, bool Value) {
  SetOptions(Value ? (fOptions | Flag) : (fOptions & ~Flag));
}

void TCustomSynEdit::SetTabWidth(int Value) {
  Value = std::clamp(Value, 1, 256);
  if (Value == fTabWidth) return;
  fTabWidth = Value;
  fLines->SetTabWidth(Value);
  Invalidate();
}

void TCustomSynEdit::SetReadOnly(bool Value) {
  if (fReadOnly == Value) return;
  fReadOnly = Value;
  StatusChanged(scReadOnly);
}

void TCustomSynEdit::SetInsertMode(bool Value) {
  if (fInserting == Value) return;
  fInserting = Value;
  InitializeCaret();
  StatusChanged(scInsertMode);
}

void TCustomSynEdit::SetInsertCaret(TSynEditCaretType Value) {
  if (fInsertCaret == Value) return;
  fInsertCaret = Value;
  InitializeCaret();
}

void TCustomSynEdit::SetOverwriteCaret(TSynEditCaretType Value) {
  if (fOverwriteCaret == Value) return;
  fOverwriteCaret = Value;
  InitializeCaret();
}

void TCustomSynEdit::SetHideSelection(bool Value) {
  if (fHideSelection == Value) return;
  fHideSelection = Value;
  Invalidate();
}

void TCustomSynEdit::SetBorderStyle(TBorderStyle Value) {
  if (fBorderStyle == Value) return;
  fBorderStyle = Value;
  if (HandleAllocated()) fHost->SetBorder(Value == bsSingle);
}

void TCustomSynEdit::SetRightEdge(int Value) {
  if (fRightEdge == Value) return;
  fRightEdge = Value;
  Invalidate();
}

void TCustomSynEdit::SetRightEdgeColor(TColor Value) {
  if (fRightEdgeColor == Value) return;
  fRightEdgeColor = Value;
  if (!HandleAllocated()) return;
  const std::int64_t x = ColumnToX(std::int64_t{fRightEdge} + 1);
  InvalidateRect({ClampToInt(x - 1), 0, ClampToInt(x + 1), ClientHeight()}, false);
}

void TCustomSynEdit::SetActiveLineColor(TColor Value) {
  if (fActiveLineColor == Value) return;
  fActiveLineColor = Value;
  InvalidateLine(fCaretY);
}

void TCustomSynEdit::SetKeystrokes(const TSynEditKeyStrokes* Value) {
  if (!Value) fKeyStrokes->Clear();
  else fKeyStrokes->Assign(*Value);
}

void TCustomSynEdit::SetDefaultKeystrokes() { fKeyStrokes->ResetDefaults(); }

void TCustomSynEdit::SelectedColorsChanged(TObject*) { Invalidate(); }
void TCustomSynEdit::BookMarkOptionsChanged(TObject*) { InvalidateGutter(); }
void TCustomSynEdit::MarkListChange(TObject*) { InvalidateGutter(); }

void TCustomSynEdit::GutterChanged(TObject*) {
  if (fGutter->ShowLineNumbers() && fGutter->AutoSize()) fGutter->AutoSizeDigitCount(LineCount());
  const int width = fGutter->RealGutterWidth(fGutter->ShowLineNumbers() ? GutterNumberCellWidth() : fCharWidth);
  if (width == fGutterWidth) InvalidateGutter();
  else SetGutterWidth(width);
}

}  // namespace kau::editor
