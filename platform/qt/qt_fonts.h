// Fonts through Qt: a request becomes a QFont of the mapped local family, and
// is measured with QFontMetrics.
#pragma once

#include <QFont>
#include <QFontMetrics>

#include <memory>

#include "platform/draw/font_services.h"
#include "platform/qt/qt_font_glyphs.h"

namespace kau::platform {

class QtFont : public PlatformFont {
 public:
  QtFont(const TFontDesc& desc, QFont font) : PlatformFont(desc), font_(std::move(font)) {}
  const QFont& Font() const { return font_; }
  // Built at the first use, kept as long as the font.
  const QtFontGlyphs& Glyphs() const {
    if (!glyphs_) glyphs_ = std::make_unique<QtFontGlyphs>(font_);
    return *glyphs_;
  }

 private:
  QFont font_;
  mutable std::unique_ptr<QtFontGlyphs> glyphs_;
};

class QtFontServices : public FontServices {
 public:
  std::unique_ptr<PlatformFont> CreateFont(const TFontDesc& desc) override;
  TTextMetrics GetTextMetrics(const PlatformFont& font) override;
  bool GetCharABCWidths(const PlatformFont& font, unsigned char ch, TAbc& abc) override;
  TSize TextExtent(const PlatformFont& font, std::string_view text) override;
  // By the character set asked for, as the window system's font mapper
  // takes it; the text drawn is code page 1252 whatever the font.
  bool IsDBCSFont(const PlatformFont& font) override;
  bool IsDBCSLeadByte(const PlatformFont& font, unsigned char ch) override;

  static QFont ToQFont(const TFontDesc& desc);
  // The QFont of a created font (of any back end's kind).
  static QFont FontOf(const PlatformFont& font);
};

// Width of a text drawn character by character, each advancing by its own
// whole-pixel width plus `extra`, as the canvas draws it.
int SumOfAdvances(const QFontMetrics& fm, const QString& text, int extra = 0);

// A code page 1252 text as a QString, and back ('?' for what 1252 lacks).
QString FromCp1252(std::string_view text);
std::string ToCp1252(const QString& text);

}  // namespace kau::platform
