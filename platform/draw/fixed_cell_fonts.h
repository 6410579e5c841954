// A font service without a window system: every font measures as a cell of
// 8 x 16 pixels, except that bold faces advance 9 pixels (as bold faces are
// often wider), so that code which must keep to the base style's cells can be
// tested, and proportional families report a widest character twice as wide. Serves headless runs and the fake back end.
// The Windows bitmap families (MS Sans Serif, Courier, System and the like)
// report themselves as no outline fonts, and the double-byte character sets
// as double-byte fonts, so that the drawing paths for such fonts can be
// tested too.
#pragma once

#include <vector>

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
  bool IsDBCSFont(const PlatformFont& font) override;
  bool IsDBCSLeadByte(const PlatformFont& font, unsigned char ch) override;

  // Fonts created so far, and what was asked for each, in order; tests read
  // them to see that fonts are shared.
  int CreatedCount() const { return static_cast<int>(created_.size()); }
  const std::vector<TFontDesc>& CreatedFonts() const { return created_; }

  static int AdvanceOf(const TFontDesc& desc) { return desc.Weight >= FW_BOLD ? kBoldCellWidth : kCellWidth; }

 private:
  std::vector<TFontDesc> created_;
};

}  // namespace kau::platform
