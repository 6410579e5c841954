// Checks of what TSynEditKAU shows, on an image of its viewport (the image's
// (0, 0) at the viewport's top left), shared by the offscreen and the X
// tests. Each returns what is wrong, empty when all holds.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "editor/structure/syn_edit_kau.h"

namespace kau::editor::testing {

QRgb ToQRgb(TColor color);
// Every structure line in view: its pixels, from the closer's row up to the
// row below the opener, alternate between the line's colour and another.
std::vector<std::string> StructureLinePixels(const QImage& image, const TSynEditKAU& edit);
// The cell at a text position: mostly of `background`.
std::vector<std::string> CellBackground(const QImage& image, const TSynEditKAU& edit, TPoint at, TColor background);
// The cells of the token link hold blue ink.
std::vector<std::string> TokenLinkPixels(const QImage& image, const TSynEditKAU& edit);

}  // namespace kau::editor::testing
