#include "editor/print/print_fonts.h"

#include <tuple>

namespace kau::editor {

TSize PrintTextExtent(const TFontDesc& font, std::string_view text) {
  const auto created = platform::Fonts().CreateFont(font);
  return platform::Fonts().TextExtent(*created, text);
}

TTextMetrics PrintTextMetrics(const TFontDesc& font) {
  const auto created = platform::Fonts().CreateFont(font);
  return platform::Fonts().GetTextMetrics(*created);
}

bool TPrintFontCache::Less::operator()(const TFontDesc& a, const TFontDesc& b) const {
  return std::tie(a.Name, a.Height, a.Weight, a.Italic, a.Underline, a.StrikeOut, a.Pitch, a.CharSet) <
         std::tie(b.Name, b.Height, b.Weight, b.Italic, b.Underline, b.StrikeOut, b.Pitch, b.CharSet);
}

const platform::PlatformFont* TPrintFontCache::Get(const TFontDesc& font) {
  auto& slot = fFonts[font];
  if (!slot) slot = platform::Fonts().CreateFont(font);
  return slot.get();
}

}  // namespace kau::editor
