// Fonts for printing: measured through the installed font services in the
// pixels of the font's own height (the printer's, once the font took the
// printer's resolution), never through the canvas drawn on, which may be a
// scaled preview.
#pragma once

#include <map>
#include <memory>
#include <string_view>

#include "platform/draw/font_services.h"

namespace kau::editor {

TSize PrintTextExtent(const TFontDesc& font, std::string_view text);
TTextMetrics PrintTextMetrics(const TFontDesc& font);

// Created fonts kept alive while a canvas draws with them.
class TPrintFontCache {
 public:
  const platform::PlatformFont* Get(const TFontDesc& font);

 private:
  struct Less {
    bool operator()(const TFontDesc& a, const TFontDesc& b) const;
  };
  std::map<TFontDesc, std::unique_ptr<platform::PlatformFont>, Less> fFonts;
};

}  // namespace kau::editor
