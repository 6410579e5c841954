#include "tests/editor_kau/kau_pixels.h"

namespace kau::editor::testing {

QRgb ToQRgb(TColor color) {
  const std::uint32_t c = ColorToRGB(color);
  return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

namespace {

std::string At(const std::string& what, int x, int y) {
  return what + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

QRgb Pixel(const QImage& image, int x, int y) { return image.valid(x, y) ? image.pixel(x, y) : QRgb(0); }

}  // namespace

std::vector<std::string> StructureLinePixels(const QImage& image, const TSynEditKAU& edit) {
  std::vector<std::string> failures;
  const QRgb color = ToQRgb(edit.StructureLineColor());
  const int bottomRow = edit.TopLine() + edit.LinesInWindow();
  int seen = 0;
  for (int i = 0; i < edit.Structures().GetCount(); ++i) {
    const TStructure& s = *edit.Structures().GetStructure(i);
    if (s.OpenPoint.Y >= s.ClosePoint.Y || s.OpenPoint.Y < edit.TopLine() || s.ClosePoint.Y > bottomRow) continue;
    const TPixelPoint close = edit.RowColumnToPixels(s.ClosePoint);
    const TPixelPoint open = edit.RowColumnToPixels(s.OpenPoint);
    ++seen;
    for (int y = close.Y; y > open.Y; --y) {
      const bool dot = (close.Y - y) % 2 == 0;
      if ((Pixel(image, close.X, y) == color) != dot) {
        failures.push_back(At(dot ? "no structure dot" : "no gap in the structure line", close.X, y));
        break;
      }
    }
  }
  if (seen == 0) failures.push_back("no structure line in view");
  return failures;
}

std::vector<std::string> CellBackground(const QImage& image, const TSynEditKAU& edit, TPoint at, TColor background) {
  const TPixelPoint p = edit.RowColumnToPixels(at);
  int count = 0;
  for (int y = p.Y; y < p.Y + edit.LineHeight(); ++y)
    for (int x = p.X; x < p.X + edit.CharWidth(); ++x) count += Pixel(image, x, y) == ToQRgb(background);
  if (count * 2 < edit.CharWidth() * edit.LineHeight()) return {At("not the cell's background", p.X, p.Y)};
  return {};
}

std::vector<std::string> TokenLinkPixels(const QImage& image, const TSynEditKAU& edit) {
  const THighlightTokenInfo& info = edit.TokenInfo();
  if (!info.Active) return {"no token link"};
  std::vector<std::string> failures;
  for (int i = 0; i < static_cast<int>(info.Token.size()); ++i) {
    const TPixelPoint p = edit.RowColumnToPixels({info.StartColumn + i, info.Position.Y});
    bool blue = false;
    for (int y = p.Y; y < p.Y + edit.LineHeight() && !blue; ++y)
      for (int x = p.X; x < p.X + edit.CharWidth() && !blue; ++x) blue = Pixel(image, x, y) == ToQRgb(clBlue);
    if (!blue) failures.push_back(At("no blue ink in the token link", p.X, p.Y));
  }
  return failures;
}

}  // namespace kau::editor::testing
