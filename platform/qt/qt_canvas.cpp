#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
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

QFont QtCanvas::CurrentFont() const {
  return Current().font ? QtFontServices::FontOf(*Current().font) : QtFontServices::ToQFont(TFontDesc{});
}

void QtCanvas::FillRect(const TRect& rect, TColor color) {
  if (rect.IsEmpty()) return;
  painter_.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), ToQColor(color));
}

void QtCanvas::ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                          const int* advances) {
  const bool clipped = rect && (options & ETO_CLIPPED);
  if (clipped) {
    painter_.save();
    painter_.setClipRect(QRect(rect->Left, rect->Top, rect->Width(), rect->Height()), Qt::IntersectClip);
  }
  if (rect && (options & ETO_OPAQUE)) FillRect(*rect, Current().back);
  const QFont font = CurrentFont();
  painter_.setFont(font);
  painter_.setPen(ToQColor(Current().text));
  const QFontMetrics fm(font);
  const int baseline = y + fm.ascent();
  // Character by character, so that each one starts exactly where its cell
  // does whatever the font's own advances.
  const QString chars = FromCp1252(text);
  int at = x;
  for (qsizetype i = 0; i < chars.size(); ++i) {
    const QChar c = chars.at(i);
    painter_.drawText(at, baseline, QString(c));
    at += advances ? advances[i] : fm.horizontalAdvance(c) + Current().extra;
  }
  if (clipped) {
    painter_.restore();
    StateRestored();
  }
}

TSize QtCanvas::TextExtent(std::string_view text) {
  const QFontMetrics fm(CurrentFont());
  return {SumOfAdvances(fm, FromCp1252(text), Current().extra), fm.height()};
}

void QtCanvas::Line(TPixelPoint from, TPixelPoint to) {
  if (from == to) return;
  const QColor color = ToQColor(Current().penColor);
  // Pixel by pixel for one-pixel pens, so that the end point is left out and
  // the alternate pen sets exactly every other pixel.
  if (Current().penWidth == 1) {
    const int dx = to.X - from.X, dy = to.Y - from.Y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < steps; ++i) {
      if (Current().penStyle == psAlternate && i % 2) continue;
      const int px = from.X + (dx * i + (dx >= 0 ? steps / 2 : -steps / 2)) / steps;
      const int py = from.Y + (dy * i + (dy >= 0 ? steps / 2 : -steps / 2)) / steps;
      painter_.fillRect(px, py, 1, 1, color);
    }
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
