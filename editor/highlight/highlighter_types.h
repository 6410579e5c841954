// Value types shared by the highlighters and the editor that drives them:
// colours, font styles and character sets.
#pragma once

#include <bitset>
#include <cstdint>

namespace kau::editor {

// A colour as 0xBBGGRR, or a named system colour (high byte 0x80 and the
// system colour's index).
using TColor = std::int32_t;
// No colour of its own: the editor's background or font colour applies.
inline constexpr TColor clNone = 0x1FFFFFFF;

// Font styles as a one-byte set.
using TFontStyles = std::uint8_t;
inline constexpr TFontStyles fsBold = 1;
inline constexpr TFontStyles fsItalic = 2;
inline constexpr TFontStyles fsUnderline = 4;
inline constexpr TFontStyles fsStrikeOut = 8;

// A set of the 256 byte values of a code page 1252 text.
using TSynIdentChars = std::bitset<256>;

}  // namespace kau::editor
