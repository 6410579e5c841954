#include "platform/qt/qt_font_glyphs.h"

#include <QList>

#include "platform/qt/qt_fonts.h"

namespace kau::platform {

QtFontGlyphs::QtFontGlyphs(const QFont& font)
    : font_(font), metrics_(font), raw_(QRawFont::fromFont(font)) {
  glyphRuns_ = raw_.isValid() && !font.underline() && !font.strikeOut() && !font.overline();
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    const QString s = FromCp1252(std::string_view(&byte, 1));
    const QChar c = s.size() == 1 ? s.at(0) : QChar(u'?');
    chars_[static_cast<std::size_t>(b)] = c;
    advances_[static_cast<std::size_t>(b)] = metrics_.horizontalAdvance(c);
    if (!glyphRuns_ || s.size() != 1) continue;
    blanks_[static_cast<std::size_t>(b)] = c == u' ' || c == QChar(0xA0);
    if (!c.isPrint() || c.isSpace() || !raw_.supportsCharacter(c)) continue;
    const QList<quint32> glyphs = raw_.glyphIndexesForString(s);
    if (glyphs.size() == 1) glyphs_[static_cast<std::size_t>(b)] = glyphs.front();
  }
}

}  // namespace kau::platform
