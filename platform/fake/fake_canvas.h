// A canvas that records what is drawn on it instead of drawing, for tests
// without a window system. Text output keeps its text, place, colours, font,
// extra spacing and per-character advances.
#pragma once

#include <string>
#include <vector>

#include "platform/draw/state_canvas.h"

namespace kau::platform {

struct FakeDrawing {
  enum Kind { FillRect, Text, Line, Pixel, Image } kind;
  TRect rect;               // FillRect, the rectangle of Text, the destination of Image
  TPixelPoint from, to;     // Line; `from` is also the place of Text and Pixel
  std::string text;         // Text
  std::vector<int> advances;  // Text: the distance after each character
  unsigned options = 0;     // Text
  TColor color = clNone;    // FillRect, Pixel, Line, Text (text colour)
  TColor background = clNone;  // Text
  TFontDesc font;           // Text
  TPenStyle pen = psSolid;  // Line
  TRect source;             // Image
  TRect clip;               // the clip box at the time
  bool advancesGiven = false;  // Text: the caller passed the advances
  int extra = 0;               // Text: the extra spacing at the time
};

class FakeCanvas : public StateCanvas {
 public:
  explicit FakeCanvas(TRect bounds = {0, 0, 640, 480}) : StateCanvas(bounds) {}

  void FillRect(const TRect& rect, TColor color) override;
  void ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                  const int* advances) override;
  TSize TextExtent(std::string_view text) override;
  void Line(TPixelPoint from, TPixelPoint to) override;
  void SetPixel(int x, int y, TColor color) override;
  void DrawImage(const TImage& image, const TRect& source, const TRect& dest,
                 std::optional<TColor> transparent) override;

  const std::vector<FakeDrawing>& Drawings() const { return drawings_; }
  void ClearDrawings() { drawings_.clear(); }

 private:
  FakeDrawing Start(FakeDrawing::Kind kind) const;
  int Advance() const;

  std::vector<FakeDrawing> drawings_;
};

}  // namespace kau::platform
