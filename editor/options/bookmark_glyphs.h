// The pictures built into the editor, by resource name: the strip of the ten
// bookmark glyphs ("SynEditInternalImages", 110 x 14 pixels, the digits 0 to
// 9 on a small flag each).
#pragma once

#include <optional>
#include <string_view>

#include "platform/draw/colors.h"
#include "platform/draw/image.h"

namespace kau::editor {

// Names compare without regard to case; none for an unknown name.
std::optional<TImage> LoadBitmapResource(std::string_view Name);

// The colour of the strip's background: the gutter draws the glyphs with it
// left out (DrawMarkTransparent), so it never reaches the screen.
inline constexpr TColor kGlyphBackground = clFuchsia;

}  // namespace kau::editor
