#include "platform/draw/scaled_canvas.h"

#include <cmath>
#include <vector>

namespace kau::platform {

ScaledCanvas::ScaledCanvas(Canvas& target, double scaleX, double scaleY, int offsetX, int offsetY)
    : target_(target), scaleX_(scaleX), scaleY_(scaleY), offsetX_(offsetX), offsetY_(offsetY) {}

int ScaledCanvas::MapX(int x) const { return offsetX_ + static_cast<int>(std::lround(x * scaleX_)); }
int ScaledCanvas::MapY(int y) const { return offsetY_ + static_cast<int>(std::lround(y * scaleY_)); }

void ScaledCanvas::SelectFont(const PlatformFont* font) {
  font_ = font;
  if (!font) {
    target_.SelectFont(nullptr);
    return;
  }
  auto& slot = scaled_[font];
  if (!slot) {
    TFontDesc desc = font->Desc();
    const int height = static_cast<int>(std::lround(std::abs(desc.Height) * scaleY_));
    desc.Height = (desc.Height < 0 ? -1 : 1) * std::max(1, height);
    slot = Fonts().CreateFont(desc);
  }
  target_.SelectFont(slot.get());
}

void ScaledCanvas::ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                              const int* advances) {
  const TRect mapped = rect ? Map(*rect) : TRect{};
  if (!advances) {
    target_.ExtTextOut(MapX(x), MapY(y), options, rect ? &mapped : nullptr, text, nullptr);
    return;
  }
  // Each character where its scaled source position lands, so that rounding
  // does not add up along the line.
  std::vector<int> scaled(text.size());
  int at = x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    scaled[i] = MapX(at + advances[i]) - MapX(at);
    at += advances[i];
  }
  target_.ExtTextOut(MapX(x), MapY(y), options, rect ? &mapped : nullptr, text, scaled.data());
}

TSize ScaledCanvas::TextExtent(std::string_view text) {
  if (!font_) return {};
  return Fonts().TextExtent(*font_, text);
}

void ScaledCanvas::SetPen(TColor color, int width, TPenStyle style) {
  target_.SetPen(color, std::max(1, static_cast<int>(std::lround(width * scaleX_))), style);
}

void ScaledCanvas::SetPixel(int x, int y, TColor color) { target_.SetPixel(MapX(x), MapY(y), color); }

void ScaledCanvas::DrawImage(const TImage& image, const TRect& source, const TRect& dest,
                             std::optional<TColor> transparent) {
  target_.DrawImage(image, source, Map(dest), transparent);
}

TRect ScaledCanvas::ClipBox() const {
  const TRect c = target_.ClipBox();
  const auto backX = [this](int x) { return static_cast<int>(std::floor((x - offsetX_) / scaleX_)); };
  const auto backY = [this](int y) { return static_cast<int>(std::floor((y - offsetY_) / scaleY_)); };
  return {backX(c.Left), backY(c.Top), backX(c.Right), backY(c.Bottom)};
}

}  // namespace kau::platform
