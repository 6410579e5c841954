#include "platform/qt/qt_font_glyphs.h"

#include <QList>

#include "platform/qt/qt_fonts.h"

namespace kau::platform {

QtFontGlyphs::QtFontGlyphs(const QFont& font)
    : font_(font), metrics_(font), cell_(CellExtentOf(metrics_)), raw_(QRawFont::fromFont(font)) {
  glyphRuns_ = raw_.isValid() && !font.underline() && !font.strikeOut() && !font.overline();
}

const QtFontGlyphs::Character& QtFontGlyphs::Learn(unsigned char b) const {
  Character& k = characters_[b];
  const char byte = static_cast<char>(b);
  const QString s = FromCp1252(std::string_view(&byte, 1));
  k.known = true;
  k.ch = s.size() == 1 ? s.at(0) : QChar(u'?');
  k.advance = metrics_.horizontalAdvance(k.ch);
  if (!glyphRuns_ || s.size() != 1) return k;
  k.blank = k.ch == u' ' || k.ch == QChar(0xA0);
  if (!k.ch.isPrint() || k.ch.isSpace() || !raw_.supportsCharacter(k.ch)) return k;
  const QList<quint32> glyphs = raw_.glyphIndexesForString(s);
  if (glyphs.size() == 1) k.glyph = glyphs.front();
  return k;
}

}  // namespace kau::platform
