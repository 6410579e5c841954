#include "editor/options/bookmark_glyphs.h"

#include <cctype>

namespace kau::editor {

namespace {

// Digits 0-9, five columns by seven rows, one row per byte (bit 4 leftmost).
constexpr std::uint8_t kDigits[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x06, 0x08, 0x10, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
};

constexpr int kGlyphWidth = 11;
constexpr int kStripWidth = 110;
constexpr int kStripHeight = 14;
constexpr std::uint32_t kFlag = 0x00D7FF;    // a warm yellow (0xBBGGRR)
constexpr std::uint32_t kBorder = 0x004080;  // a dark brown
constexpr std::uint32_t kInk = 0x000000;

// One glyph: a flag of 9 x 12 pixels with a notch at its foot and the digit
// in its middle, on the transparent background.
void DrawGlyph(TImage& strip, int digit) {
  const int left = digit * kGlyphWidth + 1;
  for (int y = 1; y < 13; ++y)
    for (int x = 0; x < 9; ++x) {
      const bool edge = x == 0 || x == 8 || y == 1;
      const bool notch = y >= 11 && x >= 3 + (12 - y) && x <= 5 - (12 - y);
      if (notch) continue;
      strip.SetPixel(left + x, y, edge || y == 12 ? kBorder : kFlag);
    }
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 5; ++col)
      if (kDigits[digit][row] & (0x10 >> col)) strip.SetPixel(left + 2 + col, 3 + row, kInk);
}

TImage MakeBookmarkStrip() {
  TImage strip(kStripWidth, kStripHeight, static_cast<std::uint32_t>(kGlyphBackground));
  for (int digit = 0; digit < 10; ++digit) DrawGlyph(strip, digit);
  return strip;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

std::optional<TImage> LoadBitmapResource(std::string_view Name) {
  if (SameName(Name, "SynEditInternalImages")) return MakeBookmarkStrip();
  return std::nullopt;
}

}  // namespace kau::editor
