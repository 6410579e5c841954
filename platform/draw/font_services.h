// Creating and measuring fonts: the process-wide service that stands in for the
// window system's font handles and the screen's device context.
#pragma once

#include <memory>
#include <string_view>

#include "platform/draw/font.h"
#include "platform/draw/geometry.h"

namespace kau::platform {

// A created font (the window system's font handle). Back ends derive their own
// kind and keep what they need to draw with it.
class PlatformFont {
 public:
  explicit PlatformFont(TFontDesc desc) : desc_(std::move(desc)) {}
  virtual ~PlatformFont() = default;
  const TFontDesc& Desc() const { return desc_; }

 private:
  TFontDesc desc_;
};

class FontServices {
 public:
  virtual ~FontServices() = default;
  virtual std::unique_ptr<PlatformFont> CreateFont(const TFontDesc& desc) = 0;
  virtual TTextMetrics GetTextMetrics(const PlatformFont& font) = 0;
  // False when the font gives no such widths (then the average width serves).
  virtual bool GetCharABCWidths(const PlatformFont& font, unsigned char ch, TAbc& abc) = 0;
  // Width and height of a code page 1252 text in one line.
  virtual TSize TextExtent(const PlatformFont& font, std::string_view text) = 0;
  // Whether the font's character set encodes characters in two bytes, and
  // whether a byte starts such a character in it.
  virtual bool IsDBCSFont(const PlatformFont& font) = 0;
  virtual bool IsDBCSLeadByte(const PlatformFont& font, unsigned char ch) = 0;
};

// The installed service; a back end installs its own at start. Without one, a
// built-in service measures every font as a fixed cell of 8 x 16 pixels.
FontServices& Fonts();
void SetFonts(FontServices* services);

}  // namespace kau::platform
