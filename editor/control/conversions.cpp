// Conversions between logical positions (characters), display positions
// (screen columns after tab expansion) and client pixels. Positions past a
// line's end are counted arithmetically, never column by column, and every
// sum is made in 64 bits.
#include <cmath>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

TPoint TCustomSynEdit::LogicalToPhysicalPos(const TPoint& P) const {
  if (P.Y < 1 || P.Y > LineCount()) return P;
  const std::string s = fLines->Get(P.Y - 1);
  const std::int64_t len = static_cast<std::int64_t>(s.size());
  const std::int64_t before = std::int64_t{P.X} - 1;  // characters before the column
  std::int64_t x = 0;
  const std::int64_t inText = before < len ? before : len;
  for (std::int64_t i = 0; i < inText; ++i) {
    if (s[static_cast<std::size_t>(i)] == '\t') x += fTabWidth - x % fTabWidth;
    else ++x;
  }
  if (before > len) x += before - len;
  return {ClampToInt(x + 1), P.Y};
}

TPoint TCustomSynEdit::PhysicalToLogicalPos(const TPoint& P) const {
  if (P.Y < 1 || P.Y > LineCount()) return P;
  const std::string s = fLines->Get(P.Y - 1);
  const std::int64_t len = static_cast<std::int64_t>(s.size());
  std::int64_t x = 0;
  std::int64_t i = 0;
  while (x < P.X && i < len) {
    ++i;
    if (s[static_cast<std::size_t>(i - 1)] == '\t') x += fTabWidth - x % fTabWidth;
    else ++x;
  }
  // Past the text every column is one character.
  if (x < P.X) i += P.X - x;
  return {ClampToInt(i), P.Y};
}

TPixelPoint TCustomSynEdit::RowColumnToPixels(const TPoint& RowCol) const {
  const TPoint q = LogicalToPhysicalPos(RowCol);
  return {ClampToInt(ColumnToX(q.X)),
          ClampToInt((std::int64_t{RowCol.Y} - fTopLine) * fTextHeight)};
}

TPoint TCustomSynEdit::PixelsToRowColumn(TPixelPoint P) const {
  const int cw = fCharWidth > 0 ? fCharWidth : 1;
  return {ClampToInt((std::int64_t{P.X} - fGutterWidth - 2) / cw + fLeftChar),
          ClampToInt(std::int64_t{P.Y} / fTextHeight + fTopLine)};
}

TPoint TCustomSynEdit::PixelsToNearestRowColumn(TPixelPoint P) const {
  const int cw = fCharWidth > 0 ? fCharWidth : 1;
  const double f = (static_cast<double>(fLeftChar) * cw + P.X - fGutterWidth - 2) / cw;
  const double rounded = f >= 0 ? std::trunc(f + 0.5) : std::trunc(f - 0.5);
  std::int64_t y = P.Y;
  const std::int64_t windowHeight = std::int64_t{fLinesInWindow} * fTextHeight;
  if (y >= windowHeight) y = windowHeight - 1;
  if (y < 0) y = 0;
  return {ClampToInt(static_cast<std::int64_t>(rounded)), ClampToInt(y / fTextHeight + fTopLine)};
}

int TCustomSynEdit::CaretXPix() const { return RowColumnToPixels(CaretXY()).X; }
int TCustomSynEdit::CaretYPix() const { return RowColumnToPixels({1, fCaretY}).Y; }

void TCustomSynEdit::ComputeCaret(int X, int Y) {
  InternalSetCaretXY(PhysicalToLogicalPos(PixelsToNearestRowColumn({X, Y})));
}

bool TCustomSynEdit::GetPositionOfMouse(TPoint& aPos) const {
  if (!HandleAllocated()) return false;
  const TPixelPoint p = fHost->CursorPos();
  if (p.X < 0 || p.Y < 0 || p.X > ClientWidth() || p.Y > ClientHeight()) return false;
  aPos = PixelsToRowColumn(p);
  return true;
}

// Under code page 1252 no column falls on the second byte of a character.
void TCustomSynEdit::MBCSGetSelRangeInLineWhenColumnSelectionMode(const std::string&, int&, int&) const {}

}  // namespace kau::editor
