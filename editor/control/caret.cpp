// The caret setters. SetCaretXYEx is the one routine that moves the caret;
// the others choose whether the selection follows.
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::SetCaretX(int Value) { SetCaretXY({Value, fCaretY}); }
void TCustomSynEdit::SetCaretY(int Value) { SetCaretXY({fCaretX, Value}); }
void TCustomSynEdit::InternalSetCaretX(int Value) { InternalSetCaretXY({Value, fCaretY}); }
void TCustomSynEdit::InternalSetCaretY(int Value) { InternalSetCaretXY({fCaretX, Value}); }
void TCustomSynEdit::InternalSetCaretXY(const TPoint& Value) { SetCaretXYEx(true, Value); }

void TCustomSynEdit::SetCaretXY(const TPoint& Value) {
  PaintLockGuard lock(*this);
  fStatusChanges |= scSelection;
  SetCaretXYEx(true, Value);
  if (GetSelAvail()) InvalidateLines(fBlockBegin.Y, fBlockEnd.Y);
  fBlockBegin = {fCaretX, fCaretY};
  fBlockEnd = fBlockBegin;
}

void TCustomSynEdit::SetCaretXYEx(bool CallEnsureCursorPos, TPoint Value) {
  DoOnPaintTransient(ttBefore);
  std::int64_t limit = std::int64_t{fMaxLineWidth} + 1;
  if (Value.Y > LineCount()) Value.Y = LineCount();
  if (Value.Y >= 1) {
    if (!(fOptions & eoScrollPastEol)) limit = std::int64_t{LineLength(Value.Y)} + 1;
  } else {
    Value.Y = 1;
    if (!(fOptions & eoScrollPastEol)) limit = 1;
  }
  const bool unlimited = (fOptions & eoScrollPastEol) && (fOptions & eoAutoSizeMaxLineWidth);
  if (Value.X > limit && !unlimited) Value.X = ClampToInt(limit);
  if (Value.X < 1) Value.X = 1;
  if (Value.X == fCaretX && Value.Y == fCaretY) {
    UpdateLastCaretX();
  } else {
    PaintLockGuard lock(*this);
    if (Value.X != fCaretX) {
      fCaretX = Value.X;
      fStatusChanges |= scCaretX;
    }
    if (Value.Y != fCaretY) {
      if (fActiveLineColor != clNone) {
        InvalidateLine(Value.Y);
        InvalidateLine(fCaretY);
      }
      fCaretY = Value.Y;
      fStatusChanges |= scCaretY;
    }
    UpdateLastCaretX();
    if (CallEnsureCursorPos) EnsureCursorPosVisible();
    Include(sfCaretChanged | sfScrollbarChanged);
  }
  DoOnPaintTransient(ttAfter);
}

void TCustomSynEdit::UpdateLastCaretX() {
  fMBCSStepAside = false;
  fLastCaretX = GetDisplayX();
}

int TCustomSynEdit::GetDisplayX() const { return LogicalToPhysicalPos(CaretXY()).X; }

}  // namespace kau::editor
