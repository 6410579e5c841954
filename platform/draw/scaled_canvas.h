// A canvas in one coordinate system drawn on another canvas at a scale and an
// offset: a printed page in printer pixels shown on the screen. Fonts are
// asked for at their height scaled; widths come back in the source's pixels.
#pragma once

#include <map>
#include <memory>

#include "platform/draw/canvas.h"

namespace kau::platform {

class ScaledCanvas : public Canvas {
 public:
  // A point (x, y) lands at (offsetX + x * scaleX, offsetY + y * scaleY).
  ScaledCanvas(Canvas& target, double scaleX, double scaleY, int offsetX, int offsetY);

  void SelectFont(const PlatformFont* font) override;
  void SetTextColor(TColor color) override { target_.SetTextColor(color); }
  void SetBkColor(TColor color) override { target_.SetBkColor(color); }
  void SetCharExtra(int extra) override { target_.SetCharExtra(static_cast<int>(extra * scaleX_)); }
  void FillRect(const TRect& rect, TColor color) override { target_.FillRect(Map(rect), color); }
  void ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                  const int* advances) override;
  TSize TextExtent(std::string_view text) override;
  void SetPen(TColor color, int width, TPenStyle style) override;
  void Line(TPixelPoint from, TPixelPoint to) override { target_.Line(Map(from), Map(to)); }
  void SetPixel(int x, int y, TColor color) override;
  void DrawImage(const TImage& image, const TRect& source, const TRect& dest,
                 std::optional<TColor> transparent) override;
  void IntersectClipRect(const TRect& rect) override { target_.IntersectClipRect(Map(rect)); }
  TRect ClipBox() const override;
  int SaveState() override { return target_.SaveState(); }
  void RestoreState(int id) override { target_.RestoreState(id); }

  int MapX(int x) const;
  int MapY(int y) const;
  TPixelPoint Map(TPixelPoint p) const { return {MapX(p.X), MapY(p.Y)}; }
  TRect Map(const TRect& r) const { return {MapX(r.Left), MapY(r.Top), MapX(r.Right), MapY(r.Bottom)}; }

 private:
  Canvas& target_;
  double scaleX_, scaleY_;
  int offsetX_, offsetY_;
  const PlatformFont* font_ = nullptr;  // the source's font
  std::map<const PlatformFont*, std::unique_ptr<PlatformFont>> scaled_;
};

}  // namespace kau::platform
