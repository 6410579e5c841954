// The mouse: a press places the caret and starts or extends a selection (a
// column selection with Alt), or waits for a drag when it falls inside the
// selection; moving with the button held extends the selection and scrolls
// through a 100 ms timer while the pointer is outside the text area; gutter
// clicks are reported with the mark under the pointer.
#include <cstdint>
#include <cstdlib>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "platform/virtual_keys.h"
#include "platform/window/in_process_drag.h"
#include "platform/window/system_services.h"

namespace kau::editor {

namespace {

// The signed step for a coordinate outside [Low, High): one cell more for
// every whole cell beyond the edge, 0 inside.
int ScrollStep(int V, int Low, int High, int Cell) {
  if (V < Low) return (V - Low) / Cell - 1;
  if (V >= High) return (V - High) / Cell + 1;
  return 0;
}

}  // namespace

bool TCustomSynEdit::MouseCaptured() const { return HandleAllocated() && fHost->HasCapture() && !fDrag; }

void TCustomSynEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TPoint anchor = fBlockBegin;
  const bool selected = GetSelAvail();
  if (Button == mbRight && selected) return;
  if (Button == mbLeft) {
    if (Shift.Contains(ssDouble)) return;
    fClickPending = true;
    if (selected) {
      fMouseDownX = X;
      fMouseDownY = Y;
    }
  }
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
  fKbdHandler->ExecuteMouseDown(this, Button, Shift, X, Y);
  if (Button == mbLeft || (Button == mbRight && (fOptions & eoRightMouseMovesCursor))) {
    // A press that places the caret ends the undo group, also one that waits
    // for a drag of the selection (no caret command follows it).
    const TPoint caret = CaretXY();
    ComputeCaret(X, Y);
    if (CaretXY() != caret) EndUndoGroup();
  }
  bool mayDrag = false;
  if (Button == mbLeft) {
    if (HandleAllocated()) fHost->SetCapture();
    Exclude(sfWaitForDragging);
    if (selected && (fOptions & eoDragDropEditing) && X >= fGutterWidth + 2 && fSelectionMode == smNormal &&
        IsPointInSelection(CaretXY())) {
      mayDrag = true;
    } else {
      TPoint caret = CaretXY();
      CommandProcessor(ecGotoXY, '\0', &caret);
    }
  }
  if (mayDrag) {
    Include(sfWaitForDragging);
  } else if (!(fStateFlags & sfDblClicked)) {
    if (Shift.Contains(ssShift)) {
      fBlockBegin = fBlockEnd = anchor;
      SetBlockEnd(CaretXY());
    } else {
      SetBlockBegin(CaretXY());
      if ((fOptions & eoAltSetsColumnMode) && fSelectionMode != smLine)
        SetSelectionMode(Shift.Contains(ssAlt) ? smColumn : smNormal);
    }
  }
  if (X < fGutterWidth) Include(sfPossibleGutterClick);
  if ((fStateFlags & sfPossibleGutterClick) && Button == mbRight) DoOnGutterClick(Button, X, Y);
  SetFocus();
}

void TCustomSynEdit::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
  if (fDrag) {
    fDrag->Move(X, Y);
    return;
  }
  const bool captured = MouseCaptured();
  if (captured && (fStateFlags & sfWaitForDragging)) {
    const TSize distance = platform::System().DragDistance();
    if (std::abs(X - fMouseDownX) >= distance.cx || std::abs(Y - fMouseDownY) >= distance.cy) {
      Exclude(sfWaitForDragging);
      BeginDrag(X, Y);
    }
    return;
  }
  if (!Shift.Contains(ssLeft) || !captured) return;
  ComputeScroll(X, Y);
  TPoint p = PhysicalToLogicalPos(PixelsToNearestRowColumn({X, Y}));
  if (fScrollDeltaX != 0) p.X = fCaretX;
  if (fScrollDeltaY != 0) p.Y = fCaretY;
  InternalSetCaretXY(p);
  if (fSelectionMode == smColumn && !(fOptions & eoScrollPastEol))
    SetBlockEnd({std::min(p.X, ClampToInt(std::int64_t{fLines->GetLengthOfLongestLine()} + 1)), p.Y});
  else
    SetBlockEnd(CaretXY());
}

void TCustomSynEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (fDrag) {
    EndDrag(X, Y);
    return;
  }
  // A left release inside the client that ends a single press is a click,
  // reported before the release itself.
  const bool click = Button == mbLeft && fClickPending && X >= 0 && Y >= 0 && X < ClientWidth() && Y < ClientHeight();
  if (Button == mbLeft) fClickPending = false;
  if (click) Click();
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
  StopScrollTimer();
  if (HandleAllocated()) fHost->ReleaseCapture();
  if ((fStateFlags & sfPossibleGutterClick) && X < fGutterWidth && Button != mbRight) {
    DoOnGutterClick(Button, X, Y);
  } else if ((fStateFlags & sfWaitForDragging) && !(fStateFlags & sfDblClicked)) {
    // The press inside the selection did not become a drag.
    ComputeCaret(X, Y);
    if (!Shift.Contains(ssShift)) SetBlockBegin(CaretXY());
    SetBlockEnd(CaretXY());
    Exclude(sfWaitForDragging);
  }
  Exclude(sfDblClicked | sfPossibleGutterClick);
}

void TCustomSynEdit::Click() {
  if (OnClick) OnClick(this);
}

void TCustomSynEdit::DblClick() {
  fClickPending = false;
  if (!HandleAllocated()) return;
  const TPixelPoint p = fHost->CursorPos();
  if (p.X >= fGutterWidth + 2 && !(fOptions & eoNoSelection)) SetWordBlock(CaretXY());
  if (OnDblClick) OnDblClick(this);
  Include(sfDblClicked);
  fHost->ReleaseCapture();
}

void TCustomSynEdit::DoOnGutterClick(TMouseButton Button, int X, int Y) {
  if (!OnGutterClick) return;
  const int line = PixelsToRowColumn({X, Y}).Y;
  if (line > LineCount()) return;
  TSynEditMarks marks{};
  fMarkList->GetMarksForLine(line, marks);
  TSynEditMark* clicked = nullptr;
  int offset = 0;
  for (TSynEditMark* mark : marks) {
    if (!mark) break;
    offset += fBookMarkOpt->Xoffset();
    if (X < offset) {
      clicked = mark;
      break;
    }
  }
  OnGutterClick(this, Button, X, Y, line, clicked);
}

// The text area is the client right of the gutter, within the whole lines
// and columns that fit.
void TCustomSynEdit::ComputeScroll(int X, int Y) {
  if (!MouseCaptured() && !fDragTarget) {
    StopScrollTimer();
    return;
  }
  TRect inside{fGutterWidth, 0, fGutterWidth + 2 + fCharsInWindow * fCharWidth, fLinesInWindow * fTextHeight};
  if (fBorderStyle == bsNone) inside = {inside.Left + 2, inside.Top + 2, inside.Right - 2, inside.Bottom - 2};
  fScrollDeltaX = ScrollStep(X, inside.Left, inside.Right, std::max(fCharWidth, 1));
  fScrollDeltaY = ScrollStep(Y, inside.Top, inside.Bottom, std::max(fTextHeight, 1));
  if (fScrollDeltaX == 0 && fScrollDeltaY == 0) {
    StopScrollTimer();
  } else if (!fScrollTimer.Enabled && HandleAllocated()) {
    fScrollTimer.Enabled = true;
    fHost->StartTimer(kScrollTimerId, fScrollTimer.Interval);
  }
}

void TCustomSynEdit::StopScrollTimer() {
  fScrollTimer.Enabled = false;
  if (HandleAllocated()) fHost->StopTimer(kScrollTimerId);
}

void TCustomSynEdit::Timer(int Id) {
  if (Id == kScrollTimerId) ScrollTimerHandler(this);
}

void TCustomSynEdit::ScrollTimerHandler(TObject*) {
  if (!HandleAllocated()) return;
  const TPixelPoint pointer = fHost->CursorPos();
  TPoint p = PixelsToRowColumn(pointer);
  if (fScrollDeltaX != 0) {
    SetLeftChar(ClampToInt(std::int64_t{fLeftChar} + fScrollDeltaX));
    p.X = fLeftChar;
    if (fScrollDeltaX > 0) p.X = ClampToInt(std::int64_t{p.X} + fCharsInWindow - 1);
  }
  if (fScrollDeltaY != 0) {
    const std::int64_t step = platform::System().KeyPressed(VK_SHIFT) ? std::int64_t{fScrollDeltaY} * fLinesInWindow
                                                                      : fScrollDeltaY;
    SetTopLine(ClampToInt(fTopLine + step));
    p.Y = fTopLine;
    if (fScrollDeltaY > 0) p.Y = ClampToInt(std::int64_t{p.Y} + fLinesInWindow - 1);
  }
  p = PhysicalToLogicalPos(p);
  if (p != CaretXY()) {
    PaintLockGuard lock(*this);
    InternalSetCaretXY(p);
    if (MouseCaptured()) SetBlockEnd(CaretXY());
  }
  ComputeScroll(pointer.X, pointer.Y);
}

void TCustomSynEdit::CaptureChanged() {
  if (!fDrag) StopScrollTimer();
}

}  // namespace kau::editor
