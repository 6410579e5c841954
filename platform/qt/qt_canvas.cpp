#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <cstdlib>

#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_fonts.h"

namespace kau::platform {

QtCanvas::QtCanvas(QPainter& painter, TRect bounds) : painter_(painter) {
  state_.font = QtFontServices::ToQFont(TFontDesc{});
  state_.clip = bounds;
  ApplyClip();
}

void QtCanvas::ApplyClip() {
  painter_.setClipRect(QRect(state_.clip.Left, state_.clip.Top, state_.clip.Width(), state_.clip.Height()));
}

void QtCanvas::SelectFont(const PlatformFont* font) {
  state_.font = font ? QtFontServices::FontOf(*font) : QtFontServices::ToQFont(TFontDesc{});
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
  if (rect && (options & ETO_OPAQUE)) FillRect(*rect, state_.back);
  painter_.setFont(state_.font);
  painter_.setPen(ToQColor(state_.text));
  const QFontMetrics fm(state_.font);
  const int baseline = y + fm.ascent();
  // Character by character, so that each one starts exactly where its cell
  // does whatever the font's own advances.
  const QString chars = FromCp1252(text);
  int at = x;
  for (qsizetype i = 0; i < chars.size(); ++i) {
    const QChar c = chars.at(i);
    painter_.drawText(at, baseline, QString(c));
    at += advances ? advances[i] : fm.horizontalAdvance(c) + state_.extra;
  }
  if (clipped) {
    painter_.restore();
    ApplyClip();
  }
}

TSize QtCanvas::TextExtent(std::string_view text) {
  const QFontMetrics fm(state_.font);
  return {SumOfAdvances(fm, FromCp1252(text), state_.extra), fm.height()};
}

void QtCanvas::SetPen(TColor color, int width, TPenStyle style) {
  state_.penColor = color;
  state_.penWidth = width < 1 ? 1 : width;
  state_.penStyle = style;
}

void QtCanvas::Line(TPixelPoint from, TPixelPoint to) {
  if (from == to) return;
  const QColor color = ToQColor(state_.penColor);
  // Pixel by pixel for one-pixel pens, so that the end point is left out and
  // the alternate pen sets exactly every other pixel.
  if (state_.penWidth == 1) {
    const int dx = to.X - from.X, dy = to.Y - from.Y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < steps; ++i) {
      if (state_.penStyle == psAlternate && i % 2) continue;
      const int px = from.X + (dx * i + (dx >= 0 ? steps / 2 : -steps / 2)) / steps;
      const int py = from.Y + (dy * i + (dy >= 0 ? steps / 2 : -steps / 2)) / steps;
      painter_.fillRect(px, py, 1, 1, color);
    }
    return;
  }
  QPen pen(color, state_.penWidth);
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

void QtCanvas::IntersectClipRect(const TRect& rect) {
  state_.clip = IntersectRect(state_.clip, rect);
  ApplyClip();
}

int QtCanvas::SaveState() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

void QtCanvas::RestoreState(int id) {
  if (id < 1 || id > static_cast<int>(saved_.size())) return;
  state_ = saved_[static_cast<std::size_t>(id - 1)];
  saved_.resize(static_cast<std::size_t>(id - 1));
  ApplyClip();
}

}  // namespace kau::platform
