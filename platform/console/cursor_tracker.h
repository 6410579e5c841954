// The cursor position as it follows from what was written, so that the
// console can tell the cursor's row without asking the terminal, and the
// screen model can place each character.
#pragma once

#include <string_view>

namespace kau::console {

class CursorTracker {
 public:
  // What one byte did on the screen.
  struct Step {
    bool placed = false;  // the byte shows in the cell (placedColumn, placedRow)
    int placedColumn = 0;
    int placedRow = 0;
    bool scrolled = false;  // the screen moved up one row first
  };

  // Follows code page 850 text written at the cursor on a screen of the size
  // given. Like a terminal, a character written in the last column leaves
  // the cursor there until the next character wraps it to the next row; a
  // line feed on the last row scrolls (the row stays).
  void advance(std::string_view cp850, int rows, int columns);
  // The same for one byte, telling where it went. "\a", "\r", "\n", "\b" and
  // "\t" only move the cursor; every other byte is placed.
  Step step(char c, int rows, int columns);
  void moveTo(int column, int row);
  int row() const { return row_; }
  int column() const { return column_; }
  // The cursor stands in the last column, after the character written there.
  bool wrapPending() const { return wrapPending_; }

 private:
  // One row down; on the last row the screen scrolls instead.
  bool lineFeed(int rows);

  int column_ = 1;
  int row_ = 1;
  bool wrapPending_ = false;
};

}  // namespace kau::console
