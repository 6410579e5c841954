// Value types shared by the highlighters and the editor that drives them:
// colours, font styles and character sets.
#pragma once

#include <bitset>
#include <cstdint>

#include "platform/draw/colors.h"
#include "platform/draw/font.h"

namespace kau::editor {

// Colours (0xBBGGRR, a named system colour, or clNone) and font styles are
// the drawing layer's, named here too for code that spells them editor::.
using kau::clNone;
using kau::fsBold;
using kau::fsItalic;
using kau::fsStrikeOut;
using kau::fsUnderline;
using kau::TColor;
using kau::TFontStyles;

// A set of the 256 byte values of a code page 1252 text.
using TSynIdentChars = std::bitset<256>;

}  // namespace kau::editor
