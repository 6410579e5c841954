// A canvas that only measures: text extents come from the installed font
// services for the selected font (the default font when none is), and what is
// drawn on it goes nowhere. It serves where a size is wanted before there is
// a surface to paint, as a window's own canvas would give it.
#pragma once

#include <memory>

#include "platform/draw/state_canvas.h"

namespace kau::platform {

class MeasureCanvas : public StateCanvas {
 public:
  MeasureCanvas() : StateCanvas({0, 0, 0, 0}) {}

  void FillRect(const TRect&, TColor) override {}
  void ExtTextOut(int, int, unsigned, const TRect*, std::string_view, const int*) override {}
  TSize TextExtent(std::string_view text) override;
  void Line(TPixelPoint, TPixelPoint) override {}
  void SetPixel(int, int, TColor) override {}
  void DrawImage(const TImage&, const TRect&, const TRect&, std::optional<TColor>) override {}

 private:
  std::unique_ptr<PlatformFont> defaultFont_;
};

}  // namespace kau::platform
