#include "platform/draw/fixed_cell_fonts.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/draw/double_byte.h"
#include "platform/draw/font_families.h"

namespace kau::platform {

namespace {

bool IsBitmapFamily(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  for (const char* bitmap : {"ms sans serif", "ms serif", "courier", "system", "fixedsys", "terminal", "small fonts"})
    if (name == bitmap) return true;
  return false;
}

}  // namespace

std::unique_ptr<PlatformFont> FixedCellFonts::CreateFont(const TFontDesc& desc) {
  created_.push_back(desc);
  return std::make_unique<PlatformFont>(desc);
}

TTextMetrics FixedCellFonts::GetTextMetrics(const PlatformFont& font) {
  const int w = AdvanceOf(font.Desc());
  // A family that is not fixed-pitch reports a wider widest character, so
  // that a proportional font is recognised as one.
  const bool fixed = MapFontFamily(font.Desc().Name, font.Desc().Pitch).FixedPitch;
  return {kCellHeight, 13, 3, w, fixed ? w : 2 * w, 0, !IsBitmapFamily(font.Desc().Name)};
}

bool FixedCellFonts::GetCharABCWidths(const PlatformFont& font, unsigned char, TAbc& abc) {
  abc = {0, AdvanceOf(font.Desc()), 0};
  return true;
}

TSize FixedCellFonts::TextExtent(const PlatformFont& font, std::string_view text) {
  return {static_cast<std::int32_t>(text.size()) * AdvanceOf(font.Desc()), kCellHeight};
}

bool FixedCellFonts::IsDBCSFont(const PlatformFont& font) { return IsDoubleByteCharSet(font.Desc().CharSet); }

bool FixedCellFonts::IsDBCSLeadByte(const PlatformFont& font, unsigned char ch) {
  return IsLeadByteOfCharSet(font.Desc().CharSet, ch);
}

namespace {
FontServices* installedFonts = nullptr;
}

FontServices& Fonts() {
  static FixedCellFonts builtIn;
  return installedFonts ? *installedFonts : builtIn;
}

void SetFonts(FontServices* services) { installedFonts = services; }

}  // namespace kau::platform
