#include "platform/console/cursor_tracker.h"

#include <algorithm>

namespace kau::console {

void CursorTracker::advance(std::string_view cp850, int rows, int columns) {
  row_ = std::min(row_, rows);  // also when the window became smaller
  column_ = std::min(column_, columns);
  for (const char c : cp850) step(c, rows, columns);
}

bool CursorTracker::lineFeed(int rows) {
  if (row_ >= rows) {
    row_ = rows;
    return true;
  }
  ++row_;
  return false;
}

CursorTracker::Step CursorTracker::step(char c, int rows, int columns) {
  row_ = std::min(row_, rows);
  column_ = std::min(column_, columns);
  Step result;
  switch (c) {
    case '\a':
      break;
    case '\r':
      column_ = 1;
      wrapPending_ = false;
      break;
    case '\n':
      result.scrolled = lineFeed(rows);
      wrapPending_ = false;
      break;
    case '\b':
      column_ = std::max(1, column_ - 1);
      wrapPending_ = false;
      break;
    case '\t':
      column_ = std::min(columns, ((column_ - 1) / 8 + 1) * 8 + 1);
      wrapPending_ = false;
      break;
    default:
      if (wrapPending_) {
        column_ = 1;
        result.scrolled = lineFeed(rows);
        wrapPending_ = false;
      }
      result.placed = true;
      result.placedColumn = column_;
      result.placedRow = row_;
      if (column_ < columns) ++column_;
      else wrapPending_ = true;
  }
  return result;
}

void CursorTracker::moveTo(int column, int row) {
  column_ = column;
  row_ = row;
  wrapPending_ = false;
}

}  // namespace kau::console
