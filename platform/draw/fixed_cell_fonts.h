// A font service without a window system: every font measures as a cell of
// 8 x 16 pixels, except that bold faces advance 9 pixels (as bold faces are
// often wider), so that code which must keep to the base style's cells can be
// tested, and proportional families report a widest character twice as wide. Serves headless runs and the fake back end.
#pragma once

#include "platform/draw/font_services.h"

namespace kau::platform {

class FixedCellFonts : public FontServices {
 public:
  static constexpr int kCellWidth = 8;
  static constexpr int kCellHeight = 16;
  static constexpr int kBoldCellWidth = 9;

  std::unique_ptr<PlatformFont> CreateFont(const TFontDesc& desc) override;
  TTextMetrics GetTextMetrics(const PlatformFont& font) override;
  bool GetCharABCWidths(const PlatformFont& font, unsigned char ch, TAbc& abc) override;
  TSize TextExtent(const PlatformFont& font, std::string_view text) override;

  // Fonts created so far; tests read it to see that fonts are shared.
  int CreatedCount() const { return created_; }

  static int AdvanceOf(const TFontDesc& desc) { return desc.Weight >= FW_BOLD ? kBoldCellWidth : kCellWidth; }

 private:
  int created_ = 0;
};

}  // namespace kau::platform
