// A canvas over a QPainter (on the window's back buffer or any image).
#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "platform/draw/canvas.h"

namespace kau::platform {

class QtCanvas : public Canvas {
 public:
  // Draws with `painter`, which must outlive the canvas; `bounds` is the
  // drawable area (the first clip).
  QtCanvas(QPainter& painter, TRect bounds);

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
  void IntersectClipRect(const TRect& rect) override;
  TRect ClipBox() const override { return state_.clip; }
  int SaveState() override;
  void RestoreState(int id) override;

 private:
  struct State {
    QFont font;
    TColor text = clBlack;
    TColor back = clWhite;
    int extra = 0;
    TColor penColor = clBlack;
    int penWidth = 1;
    TPenStyle penStyle = psSolid;
    TRect clip;
  };
  void ApplyClip();

  QPainter& painter_;
  State state_;
  std::vector<State> saved_;
};

}  // namespace kau::platform
