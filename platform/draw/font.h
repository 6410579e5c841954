// A font as the window system is asked for one, compared by value, and the
// measures the window system gives back.
#pragma once

#include <cstdint>
#include <string>

namespace kau {

// Font styles as a one-byte set: a style is a value 0-15.
using TFontStyles = std::uint8_t;
inline constexpr TFontStyles fsBold = 1;
inline constexpr TFontStyles fsItalic = 2;
inline constexpr TFontStyles fsUnderline = 4;
inline constexpr TFontStyles fsStrikeOut = 8;

enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;

// The screen's resolution for converting point sizes, as the class library
// assumes for a standard display.
inline constexpr int kScreenPixelsPerInch = 96;

// A font request: the family as the program names it (a Windows family such as
// "Courier New" is mapped to a local one by the back end), the height in pixels
// (negative: the character height without internal leading, as a point size
// gives it; positive: the cell height), weight, the three style flags, pitch
// and character set.
struct TFontDesc {
  std::string Name = "MS Sans Serif";
  std::int32_t Height = -11;
  std::int32_t Weight = FW_NORMAL;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  TFontPitch Pitch = fpDefault;
  std::uint8_t CharSet = DEFAULT_CHARSET;

  TFontStyles Style() const {
    return static_cast<TFontStyles>((Weight >= FW_BOLD ? fsBold : 0) | (Italic ? fsItalic : 0) |
                                    (Underline ? fsUnderline : 0) | (StrikeOut ? fsStrikeOut : 0));
  }
  void SetStyle(TFontStyles style) {
    Weight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
    Italic = style & fsItalic;
    Underline = style & fsUnderline;
    StrikeOut = style & fsStrikeOut;
  }
  friend bool operator==(const TFontDesc&, const TFontDesc&) = default;
};

// a * b / c rounded half away from zero, as the window system's MulDiv.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// Pixel height of a point size at a resolution, and back (rounded as the
// window system's multiply-then-divide does).
std::int32_t HeightFromPointSize(std::int32_t size, std::int32_t pixelsPerInch = kScreenPixelsPerInch);
std::int32_t PointSizeFromHeight(std::int32_t height, std::int32_t pixelsPerInch = kScreenPixelsPerInch);

// What the window system reports for a font.
struct TTextMetrics {
  std::int32_t Height = 0;  // ascent + descent
  std::int32_t Ascent = 0;
  std::int32_t Descent = 0;
  std::int32_t AveCharWidth = 0;
  std::int32_t MaxCharWidth = 0;
  std::int32_t Overhang = 0;
  bool TrueType = true;  // an outline font, not a bitmap one
  std::int32_t ExternalLeading = 0;  // space the font wants between lines, never negative
  friend bool operator==(const TTextMetrics&, const TTextMetrics&) = default;
};

// A character's advance split in three: the space before its ink, the ink and
// the space after (the last two may be negative for italic glyphs).
struct TAbc {
  std::int32_t A = 0;
  std::int32_t B = 0;
  std::int32_t C = 0;
  std::int32_t Sum() const { return A + B + C; }
};

}  // namespace kau
