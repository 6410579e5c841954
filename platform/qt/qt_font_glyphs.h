// What drawing and measuring a font needs again and again, worked out once:
// its metrics, and for every code page 1252 character its advance and the
// glyph of the font itself, so that a run of characters is drawn in one call
// with each glyph placed where a character-by-character drawing puts it.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRawFont>
#include <QString>
#include <array>
#include <cstdint>

namespace kau::platform {

class QtFontGlyphs {
 public:
  explicit QtFontGlyphs(const QFont& font);

  const QFont& Font() const { return font_; }
  const QFontMetrics& Metrics() const { return metrics_; }
  const QRawFont& Raw() const { return raw_; }
  // Whether runs may be drawn as glyphs at all: underline and strike-out
  // are drawn per character, as decorations of each one.
  bool GlyphRuns() const { return glyphRuns_; }
  // The character as Qt knows it, its whole-pixel advance, and its glyph
  // (0 when the font lacks it or the character is not drawn as a plain glyph).
  QChar Char(unsigned char c) const { return chars_[c]; }
  int Advance(unsigned char c) const { return advances_[c]; }
  std::uint32_t Glyph(unsigned char c) const { return glyphs_[c]; }
  // A blank leaves no pixel: a run skips it.
  bool Blank(unsigned char c) const { return blanks_[c]; }

 private:
  QFont font_;
  QFontMetrics metrics_;
  QRawFont raw_;
  bool glyphRuns_ = false;
  std::array<QChar, 256> chars_{};
  std::array<int, 256> advances_{};
  std::array<std::uint32_t, 256> glyphs_{};
  std::array<bool, 256> blanks_{};
};

}  // namespace kau::platform
