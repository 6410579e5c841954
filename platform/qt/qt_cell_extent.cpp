#include "platform/qt/qt_cell_extent.h"

#include <QString>
#include <algorithm>
#include <string>

#include "platform/qt/qt_fonts.h"
#include "text/char_class.h"

namespace kau::platform {

namespace {
// Every letter of the code page beyond ASCII: the accented ones, capitals
// with marks above and small ones with tails below.
const QString& CodePageLetters() {
  static const QString letters = [] {
    std::string bytes;
    for (int c = 0x80; c <= 0xFF; ++c)
      if (text::isLetter1252(static_cast<unsigned char>(c))) bytes += static_cast<char>(c);
    return FromCp1252(bytes);
  }();
  return letters;
}
}  // namespace

CellExtent CellExtentOf(const QFontMetrics& fm) {
  const QRect ink = fm.boundingRect(CodePageLetters());
  return {std::max(fm.ascent(), -ink.top()), std::max(fm.descent(), ink.bottom() + 1)};
}

}  // namespace kau::platform
