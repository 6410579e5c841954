// Dragging selected text within an editor or between editors of this
// program: the source starts an in-process drag when the pointer leaves the
// press's drag distance; the editor under the pointer shows where the text
// would go with its caret and takes the drop, moving or copying the text as
// Ctrl and Shift say at the moment of the drop.
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/undo_block.h"
#include "platform/window/in_process_drag.h"
#include "platform/window/system_services.h"

namespace kau::editor {

void TCustomSynEdit::BeginDrag(int X, int Y) {
  if (!HandleAllocated()) return;
  fClickPending = false;
  fDrag = std::make_unique<platform::InProcessDrag>(*fHost, *this);
  fDrag->Move(X, Y);
}

void TCustomSynEdit::EndDrag(int X, int Y) {
  // Taken off first: the drop may land in this editor.
  const std::unique_ptr<platform::InProcessDrag> drag = std::move(fDrag);
  drag->Drop(X, Y);
  FinishDrag();
}

void TCustomSynEdit::CancelDrag() {
  const std::unique_ptr<platform::InProcessDrag> drag = std::move(fDrag);
  drag->Cancel();
  FinishDrag();
}

void TCustomSynEdit::FinishDrag() {
  StopScrollTimer();
  if (HandleAllocated()) fHost->ReleaseCapture();
  Exclude(sfDblClicked | sfPossibleGutterClick | sfWaitForDragging);
  UpdateMouseCursor();
}

void TCustomSynEdit::DragOver(platform::WindowClient* Source, int X, int Y, platform::TDragState State, bool& Accept) {
  Accept = false;
  auto* source = dynamic_cast<TCustomSynEdit*>(Source);
  fDragTarget = State != platform::dsDragLeave && source && !ReadOnly();
  if (!fDragTarget) {
    if (State == platform::dsDragLeave) StopScrollTimer();
    if (State != platform::dsDragLeave || !source || ReadOnly()) return;
  }
  Accept = State != platform::dsDragLeave;
  if (source != this) {
    ComputeCaret(X, Y);
  } else if (State == platform::dsDragLeave) {
    ComputeCaret(fMouseDownX, fMouseDownY);
  } else {
    TPoint p = PixelsToRowColumn({X, Y});
    p.X = std::clamp(p.X, fLeftChar, std::max(fLeftChar, ClampToInt(std::int64_t{fLeftChar} + fCharsInWindow - 1)));
    p.Y = std::clamp(p.Y, fTopLine, std::max(fTopLine, ClampToInt(std::int64_t{fTopLine} + fLinesInWindow - 1)));
    InternalSetCaretXY(PhysicalToLogicalPos(p));
    ComputeScroll(X, Y);
  }
}

void TCustomSynEdit::DragDrop(platform::WindowClient* Source, int X, int Y) {
  fDragTarget = false;
  StopScrollTimer();
  auto* source = dynamic_cast<TCustomSynEdit*>(Source);
  if (ReadOnly() || !source || !source->GetSelAvail()) return;
  PaintLockGuard lock(*this);
  ComputeCaret(X, Y);
  TPoint newPos = CaretXY();
  const TShiftState shift = platform::System().KeyShiftState();
  const bool same = source == this;
  const bool move = same ? !shift.Contains(ssCtrl) : shift.Contains(ssShift);
  const TPoint BB = GetBlockBegin();
  const TPoint BE = GetBlockEnd();
  bool dropAfter = false;
  bool doDrop = true;
  if (same) {
    dropAfter = newPos.Y > BE.Y || (newPos.Y == BE.Y && (newPos.X > BE.X || (!move && newPos.X == BE.X)));
    doDrop = dropAfter || newPos.Y < BB.Y || (newPos.Y == BB.Y && (newPos.X < BB.X || (!move && newPos.X == BB.X)));
  }
  if (!doDrop) return;
  TUndoBlock block(*fUndoList);
  const std::string text = source->GetSelText();
  if (same && move) {
    DeleteSelectionUndoable();
    // The drop point after the block moves with the text behind the block;
    // on the block's last line it keeps its distance from the block's end.
    if (dropAfter) {
      if (newPos.Y == BE.Y) newPos.X = ClampToInt(std::int64_t{newPos.X} - (std::int64_t{BE.X} - BB.X));
      newPos.Y -= BE.Y - BB.Y;
    }
  } else if (move) {
    TUndoBlock sourceBlock(source->UndoList());
    source->DeleteSelectionUndoable();
  }
  {
    const bool wasOff = !(fOptions & eoScrollPastEol);
    fOptions |= eoScrollPastEol;
    InternalSetCaretXY(newPos);
    SetBlockBegin(newPos);
    SetSelTextPrimitive(fSelectionMode, text);
    if (wasOff) fOptions &= ~eoScrollPastEol;
  }
  if (fSelectionMode != smColumn)
    fUndoList->AddChange(same ? crDragDropInsert : crInsert, fLastInsertStart, fLastInsertEnd, std::string(), smNormal);
  // The dropped text ends up selected, the caret at its start.
  const TPoint end = CaretXY();
  fBlockBegin = fBlockEnd = end;
  TPoint start = fSelectionMode == smColumn ? newPos : fLastInsertStart;
  CommandProcessor(ecSelGotoXY, '\0', &start);
}

void TCustomSynEdit::DragCanceled() { StopScrollTimer(); }

}  // namespace kau::editor
