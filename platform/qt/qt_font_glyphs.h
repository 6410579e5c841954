// What drawing and measuring a font needs again and again, worked out once:
// its metrics, and for every code page 1252 character its advance and the
// glyph of the font itself, so that a run of characters is drawn in one call
// with each glyph placed where a character-by-character drawing puts it.
// A character is looked at when it is first drawn or measured: measuring one
// the font lacks loads a fallback font.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRawFont>
#include <QString>
#include <array>
#include <cstdint>

#include "platform/qt/qt_cell_extent.h"

namespace kau::platform {

class QtFontGlyphs {
 public:
  explicit QtFontGlyphs(const QFont& font);

  const QFont& Font() const { return font_; }
  const QFontMetrics& Metrics() const { return metrics_; }
  const QRawFont& Raw() const { return raw_; }
  // The character cell of the font.
  const CellExtent& Cell() const { return cell_; }
  // The character as Qt knows it, its whole-pixel advance, and its glyph
  // (0 when the font lacks it or the character is not drawn as a plain glyph;
  // always 0 for fonts with underline or strike-out, whose decorations are
  // drawn per character).
  QChar Char(unsigned char c) const { return Known(c).ch; }
  int Advance(unsigned char c) const { return Known(c).advance; }
  std::uint32_t Glyph(unsigned char c) const { return Known(c).glyph; }
  // A blank leaves no pixel: a run skips it.
  bool Blank(unsigned char c) const { return Known(c).blank; }

 private:
  struct Character {
    bool known = false;
    bool blank = false;
    QChar ch;
    int advance = 0;
    std::uint32_t glyph = 0;
  };
  const Character& Known(unsigned char c) const {
    const Character& k = characters_[c];
    return k.known ? k : Learn(c);
  }
  const Character& Learn(unsigned char c) const;

  QFont font_;
  QFontMetrics metrics_;
  CellExtent cell_;
  QRawFont raw_;
  bool glyphRuns_ = false;
  mutable std::array<Character, 256> characters_{};
};

}  // namespace kau::platform
