// The character cell of a font above and below its baseline. Qt's ascent
// leaves out the marks of capitals in many fonts (Á, Ê, Õ reach above it);
// the cell holds the ink of every letter of code page 1252, so that a row
// clipped to it shows each of them whole.
#pragma once

#include <QFontMetrics>

namespace kau::platform {

struct CellExtent {
  int ascent = 0;
  int descent = 0;
  int Height() const { return ascent + descent; }
};

CellExtent CellExtentOf(const QFontMetrics& fm);

}  // namespace kau::platform
