// A canvas that records what is drawn on it instead of drawing, for tests
// without a window system. Text output keeps its text, place, colours, font
// and per-character advances.
#pragma once

#include <string>
#include <vector>

#include "platform/draw/canvas.h"

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
};

class FakeCanvas : public Canvas {
 public:
  explicit FakeCanvas(TRect bounds = {0, 0, 640, 480});

  void SelectFont(const PlatformFont* font) override;
  void SetTextColor(TColor color) override { state_.text = color; }
  void SetBkColor(TColor color) override { state_.back = color; }
  void SetCharExtra(int extra) override { state_.extra = extra; }
  void FillRect(const TRect& rect, TColor color) override;
  void ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                  const int* advances) override;
  TSize TextExtent(std::string_view text) override;
  void SetPen(TColor color, int width, TPenStyle style) override;
  void Line(TPixelPoint from, TPixelPoint to) override;
  void SetPixel(int x, int y, TColor color) override;
  void DrawImage(const TImage& image, const TRect& source, const TRect& dest,
                 std::optional<TColor> transparent) override;
  void IntersectClipRect(const TRect& rect) override { state_.clip = IntersectRect(state_.clip, rect); }
  TRect ClipBox() const override { return state_.clip; }
  int SaveState() override;
  void RestoreState(int id) override;

  const std::vector<FakeDrawing>& Drawings() const { return drawings_; }
  void ClearDrawings() { drawings_.clear(); }
  const PlatformFont* SelectedFont() const { return state_.font; }
  TColor TextColor() const { return state_.text; }
  TColor BkColor() const { return state_.back; }
  int CharExtra() const { return state_.extra; }
  int SavedStates() const { return static_cast<int>(saved_.size()); }

 private:
  struct State {
    const PlatformFont* font = nullptr;
    TColor text = clBlack;
    TColor back = clWhite;
    int extra = 0;
    TColor penColor = clBlack;
    TPenStyle penStyle = psSolid;
    TRect clip;
  };
  FakeDrawing Start(FakeDrawing::Kind kind) const;

  State state_;
  std::vector<State> saved_;
  std::vector<FakeDrawing> drawings_;
};

}  // namespace kau::platform
