// Caret moves by characters, lines and the Home key, with or without
// extending the selection, and the mouse wheel.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "platform/window/system_services.h"

namespace kau::editor {

void TCustomSynEdit::MoveCaretAndSelection(const TPoint& ptBefore, const TPoint& ptAfter, bool SelectionCommand) {
  // Typing after a caret move starts a new undo group.
  EndUndoGroup();
  PaintLockGuard lock(*this);
  if (SelectionCommand) {
    if (!GetSelAvail()) SetBlockBegin(ptBefore);
    if (fSelectionMode == smColumn && ptBefore.X == ptAfter.X)
      SetBlockEnd({ClampToInt(std::int64_t{ptAfter.X} + 1), ptAfter.Y});
    else
      SetBlockEnd(ptAfter);
  } else {
    SetBlockBegin(ptAfter);
  }
  InternalSetCaretXY(ptAfter);
}

void TCustomSynEdit::MoveCaretHorz(int DX, bool SelectionCommand) {
  const TPoint o = CaretXY();
  const std::int64_t len = std::int64_t{LineLength(o.Y)};
  const bool mayChangeLine = !(fOptions & eoScrollPastEol);
  TPoint dest;
  if (mayChangeLine && DX == -1 && o.X == 1 && o.Y > 1) {
    dest = {ClampToInt(std::int64_t{LineLength(o.Y - 1)} + 1), o.Y - 1};
  } else if (mayChangeLine && DX == 1 && o.X > len && o.Y < LineCount()) {
    dest = {1, o.Y + 1};
  } else {
    std::int64_t x = std::max<std::int64_t>(1, std::int64_t{o.X} + DX);
    if (DX > 0 && mayChangeLine) x = std::min(x, len + 1);
    dest = {ClampToInt(x), o.Y};
  }
  MoveCaretAndSelection(fBlockBegin, dest, SelectionCommand);
}

void TCustomSynEdit::MoveCaretVert(int DY, bool SelectionCommand) {
  const TPoint o = LogicalToPhysicalPos(CaretXY());
  std::int64_t y = std::int64_t{o.Y} + DY;
  if (DY >= 0) y = std::min<std::int64_t>(y, LineCount());
  else y = std::max<std::int64_t>(y, 1);
  TPoint dest{o.X, ClampToInt(y)};
  const bool lineChanged = dest.Y != o.Y;
  if (lineChanged && (fOptions & eoKeepCaretX)) dest.X = fLastCaretX;
  dest = PhysicalToLogicalPos(dest);
  bool stepAside = fMBCSStepAside;
  if (lineChanged) {
    if (fMBCSStepAside && !(fOptions & eoKeepCaretX)) dest.X = ClampToInt(std::int64_t{dest.X} + 1);
    // Under code page 1252 no column falls on a second byte to step aside from.
    stepAside = false;
  }
  const int saveLastCaretX = fLastCaretX;
  MoveCaretAndSelection(fBlockBegin, dest, SelectionCommand);
  fMBCSStepAside = stepAside;
  fLastCaretX = saveLastCaretX;
}

void TCustomSynEdit::DoHomeKey(bool Selection) {
  int newX = 1;
  if (fOptions & eoEnhanceHomeKey) {
    const std::string s = GetLineText();
    // Leading blanks and tabs; the scan stops before the line's last character.
    std::size_t blanks = 0;
    while (blanks + 1 < s.size() && (s[blanks] == ' ' || s[blanks] == '\t')) ++blanks;
    const std::int64_t count = static_cast<std::int64_t>(blanks);
    if (std::int64_t{fCaretX} - 1 > count || fCaretX == 1) newX = ClampToInt(count + 1);
  }
  MoveCaretAndSelection(CaretXY(), {newX, fCaretY}, Selection);
}

void TCustomSynEdit::MouseWheel(TShiftState Shift, int WheelDelta, int, int) {
  constexpr int kWheelDelta = 120;
  constexpr int kPageScroll = -1;  // the system's "one page per notch", all bits set
  int linesPerNotch;
  if (Shift.Contains(ssCtrl)) {
    linesPerNotch = fLinesInWindow;
    if (fOptions & eoHalfPageScroll) linesPerNotch >>= 1;
  } else {
    linesPerNotch = platform::System().WheelScrollLines();
  }
  // The window system reports the turn in 16 bits.
  fMouseWheelAccumulator += std::clamp(WheelDelta, -32768, 32767);
  const int notches = fMouseWheelAccumulator / kWheelDelta;
  fMouseWheelAccumulator %= kWheelDelta;
  if (linesPerNotch == kPageScroll || linesPerNotch > fLinesInWindow) linesPerNotch = fLinesInWindow;
  SetTopLine(ClampToInt(std::int64_t{fTopLine} - std::int64_t{linesPerNotch} * notches));
  Update();
  if (OnScroll) OnScroll(this, sbVertical);
}

}  // namespace kau::editor
