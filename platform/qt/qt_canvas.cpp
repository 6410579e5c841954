#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <cstdlib>

#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_fonts.h"

namespace kau::platform {

QtCanvas::QtCanvas(QPainter& painter, TRect bounds) : StateCanvas(bounds), painter_(painter) { StateRestored(); }

void QtCanvas::StateRestored() {
  const TRect& c = Current().clip;
  painter_.setClipRect(QRect(c.Left, c.Top, c.Width(), c.Height()));
}

const QtFontGlyphs& QtCanvas::CurrentGlyphs() {
  const PlatformFont* font = Current().font;
  if (const auto* q = dynamic_cast<const QtFont*>(font)) return q->Glyphs();
  if (!otherGlyphs_ || otherFont_ != font) {
    otherGlyphs_ = std::make_unique<QtFontGlyphs>(font ? QtFontServices::FontOf(*font)
                                                       : QtFontServices::ToQFont(TFontDesc{}));
    otherFont_ = font;
  }
  return *otherGlyphs_;
}

void QtCanvas::FillRect(const TRect& rect, TColor color) {
  if (rect.IsEmpty()) return;
  painter_.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), ToQColor(color));
}

void QtCanvas::ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                          const int* advances) {
  const bool clipped = rect && (options & ETO_CLIPPED);
  if (clipped) {
    const TRect& c = Current().clip;
    const QRect inside = QRect(c.Left, c.Top, c.Width(), c.Height()) &
                         QRect(rect->Left, rect->Top, rect->Width(), rect->Height());
    if (inside.isEmpty()) return;
    painter_.setClipRect(inside);
  }
  if (rect && (options & ETO_OPAQUE)) FillRect(*rect, Current().back);
  const QtFontGlyphs& f = CurrentGlyphs();
  painter_.setPen(ToQColor(Current().text));
  DrawCharacters(x, y + f.Cell().ascent, text, advances, f);
  if (clipped) StateRestored();
}

// Each character starts exactly where its cell does, whatever the font's own
// advances: a run of plain glyphs goes in one call with those positions, any
// other character is drawn on its own as text.
void QtCanvas::DrawCharacters(int x, int baseline, std::string_view text, const int* advances,
                              const QtFontGlyphs& f) {
  runGlyphs_.clear();
  runPositions_.clear();
  auto flush = [&] {
    if (runGlyphs_.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(f.Raw());
    run.setGlyphIndexes(runGlyphs_);
    run.setPositions(runPositions_);
    painter_.drawGlyphRun(QPointF(0, 0), run);
    runGlyphs_.clear();
    runPositions_.clear();
  };
  int at = x;
  bool fontSet = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (const std::uint32_t glyph = f.Glyph(c)) {
      runGlyphs_.append(glyph);
      runPositions_.append(QPointF(at, baseline));
    } else if (!f.Blank(c)) {
      flush();
      if (!fontSet) painter_.setFont(f.Font());
      fontSet = true;
      painter_.drawText(at, baseline, QString(f.Char(c)));
    }
    at += advances ? advances[i] : f.Advance(c) + Current().extra;
  }
  flush();
}

TSize QtCanvas::TextExtent(std::string_view text) {
  const QtFontGlyphs& f = CurrentGlyphs();
  int width = 0;
  for (const char c : text) width += f.Advance(static_cast<unsigned char>(c)) + Current().extra;
  return {width, f.Cell().Height()};
}

void QtCanvas::Line(TPixelPoint from, TPixelPoint to) {
  if (from == to) return;
  const QColor color = ToQColor(Current().penColor);
  // One-pixel pens set the pixels themselves, so that the end point is left
  // out and the alternate pen sets exactly every other pixel: a solid
  // straight line is one rectangle, any other goes as one image.
  if (Current().penWidth == 1) {
    const int dx = to.X - from.X, dy = to.Y - from.Y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    auto pixel = [&](int i) {
      return QPoint(from.X + (dx * i + (dx >= 0 ? steps / 2 : -steps / 2)) / steps,
                    from.Y + (dy * i + (dy >= 0 ? steps / 2 : -steps / 2)) / steps);
    };
    const QPoint first = pixel(0), last = pixel(steps - 1);
    const QRect span(QPoint(std::min(first.x(), last.x()), std::min(first.y(), last.y())),
                     QPoint(std::max(first.x(), last.x()), std::max(first.y(), last.y())));
    if (Current().penStyle != psAlternate && (dx == 0 || dy == 0)) {
      painter_.fillRect(span, color);
      return;
    }
    // Only the part inside the clip can show: the image holds no more.
    const TRect& c = Current().clip;
    const QRect shown = span & QRect(c.Left, c.Top, c.Width(), c.Height());
    if (shown.isEmpty()) return;
    QImage dots(shown.size(), QImage::Format_ARGB32_Premultiplied);
    dots.fill(Qt::transparent);
    const QRgb rgb = color.rgba();
    for (int i = 0; i < steps; i += Current().penStyle == psAlternate ? 2 : 1) {
      const QPoint p = pixel(i);
      if (shown.contains(p)) dots.setPixel(p - shown.topLeft(), rgb);
    }
    const QPainter::CompositionMode mode = painter_.compositionMode();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.drawImage(shown.topLeft(), dots);
    painter_.setCompositionMode(mode);
    return;
  }
  QPen pen(color, Current().penWidth);
  painter_.setPen(pen);
  painter_.drawLine(from.X, from.Y, to.X, to.Y);
}

void QtCanvas::SetPixel(int x, int y, TColor color) { painter_.fillRect(x, y, 1, 1, ToQColor(color)); }

void QtCanvas::DrawImage(const TImage& image, const TRect& source, const TRect& dest,
                         std::optional<TColor> transparent) {
  const int w = std::min(source.Width(), dest.Width());
  const int h = std::min(source.Height(), dest.Height());
  if (w <= 0 || h <= 0) return;
  const std::uint32_t clear = transparent ? ColorToRGB(*transparent) : 0;
  QImage part(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t rgb = image.Pixel(source.Left + x, source.Top + y);
      const bool hidden = transparent && rgb == clear;
      part.setPixel(x, y, hidden ? 0u : qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    }
  painter_.drawImage(dest.Left, dest.Top, part);
}

}  // namespace kau::platform
