// A canvas over a QPainter (on the window's back buffer or any image).
#pragma once

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <memory>

#include "platform/draw/state_canvas.h"
#include "platform/qt/qt_font_glyphs.h"

namespace kau::platform {

class QtCanvas : public StateCanvas {
 public:
  // Draws with `painter`, which must outlive the canvas; `bounds` is the
  // drawable area (the first clip).
  QtCanvas(QPainter& painter, TRect bounds);

  void FillRect(const TRect& rect, TColor color) override;
  void ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                  const int* advances) override;
  TSize TextExtent(std::string_view text) override;
  void Line(TPixelPoint from, TPixelPoint to) override;
  void SetPixel(int x, int y, TColor color) override;
  void DrawImage(const TImage& image, const TRect& source, const TRect& dest,
                 std::optional<TColor> transparent) override;

 protected:
  void StateRestored() override;

 private:
  const QtFontGlyphs& CurrentGlyphs();
  void DrawCharacters(int x, int baseline, std::string_view text, const int* advances, const QtFontGlyphs& f);

  QPainter& painter_;
  // For a font of no Qt kind, or none selected.
  std::unique_ptr<QtFontGlyphs> otherGlyphs_;
  const PlatformFont* otherFont_ = nullptr;
  QList<quint32> runGlyphs_;
  QList<QPointF> runPositions_;
};

}  // namespace kau::platform
