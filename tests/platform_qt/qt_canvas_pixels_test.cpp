// The canvas draws runs of text and one-pixel lines in few calls; these
// compare its pixels with the plain way of drawing the same thing: each
// character as its own text at its cell, each pixel of a line on its own.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>
#include <string>

#include "editor/text_drawer/text_drawer.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_fonts.h"

namespace kau::platform {
namespace {

constexpr int kWidth = 420, kHeight = 170;

// Every character of code page 1252, 32 to a row, in one call per row.
std::string Row(int r) {
  std::string text;
  for (int c = 0; c < 32; ++c) text += static_cast<char>(r * 32 + c);
  return text;
}

QImage ByCanvas(const PlatformFont& font, int cell, int extra, bool withAdvances) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter, {0, 0, kWidth, kHeight});
  canvas.SelectFont(&font);
  canvas.SetTextColor(clNavy);
  canvas.SetBkColor(clYellow);
  canvas.SetCharExtra(extra);
  const std::vector<int> advances(32, cell);
  for (int r = 0; r < 8; ++r) {
    const TRect box{3, 3 + r * 20, 3 + 30 * cell, 3 + r * 20 + 18};
    canvas.ExtTextOut(5, box.Top, ETO_OPAQUE | ETO_CLIPPED, &box, Row(r), withAdvances ? advances.data() : nullptr);
  }
  return image;
}

QImage ByCharacter(const QFont& font, int cell, int extra, bool withAdvances) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  const QFontMetrics fm(font);
  const int ascent = CellExtentOf(fm).ascent;  // the baseline's place in the character cell
  for (int r = 0; r < 8; ++r) {
    const QRect box(3, 3 + r * 20, 30 * cell, 18);
    painter.setClipRect(box);
    painter.fillRect(box, ToQColor(clYellow));
    painter.setPen(ToQColor(clNavy));
    const QString chars = FromCp1252(Row(r));
    int at = 5;
    for (const QChar c : chars) {
      painter.drawText(at, box.top() + ascent, QString(c));
      at += withAdvances ? cell : fm.horizontalAdvance(c) + extra;
    }
  }
  return image;
}

TEST(QtCanvasPixels, RunsOfTextEqualCharacterByCharacterText) {
  QtFontServices fonts;
  for (const char* name : {"Courier New", "Arial"})
    for (TFontStyles style : {TFontStyles(0), fsBold, fsItalic, TFontStyles(fsBold | fsItalic), fsUnderline,
                              fsStrikeOut}) {
      TFontDesc desc;
      desc.Name = name;
      desc.Height = -13;
      desc.Weight = style & fsBold ? FW_BOLD : FW_NORMAL;
      desc.Italic = style & fsItalic;
      desc.Underline = style & fsUnderline;
      desc.StrikeOut = style & fsStrikeOut;
      const std::unique_ptr<PlatformFont> font = fonts.CreateFont(desc);
      const QFont qfont = QtFontServices::FontOf(*font);
      for (const bool withAdvances : {true, false})
        for (const int extra : {0, 2}) {
          const int cell = QFontMetrics(qfont).horizontalAdvance(QLatin1Char('M')) + extra;
          EXPECT_TRUE(ByCanvas(*font, cell, extra, withAdvances) == ByCharacter(qfont, cell, extra, withAdvances))
              << name << " style " << int(style) << " advances " << withAdvances << " extra " << extra;
        }
    }
}

TEST(QtCanvasPixels, TextExtentIsTheSumOfTheCharacterAdvances) {
  QtFontServices fonts;
  TFontDesc desc;
  desc.Name = "Arial";
  desc.Height = -15;
  const std::unique_ptr<PlatformFont> font = fonts.CreateFont(desc);
  const QFontMetrics fm(QtFontServices::FontOf(*font));
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter, {0, 0, 10, 10});
  canvas.SelectFont(font.get());
  canvas.SetCharExtra(1);
  for (int r = 0; r < 8; ++r) {
    const TSize size = canvas.TextExtent(Row(r));
    EXPECT_EQ(size.cx, SumOfAdvances(fm, FromCp1252(Row(r)), 1)) << r;
    EXPECT_EQ(size.cy, CellExtentOf(fm).Height());
  }
}

// Each pixel of a one-pixel line, the end left out, every other one for the
// alternate pen.
void LineByPixels(QPainter& painter, QPoint from, QPoint to, const QColor& color, bool alternate) {
  const int dx = to.x() - from.x(), dy = to.y() - from.y();
  const int steps = std::max(std::abs(dx), std::abs(dy));
  for (int i = 0; i < steps; ++i) {
    if (alternate && i % 2) continue;
    const int px = from.x() + (dx * i + (dx >= 0 ? steps / 2 : -steps / 2)) / steps;
    const int py = from.y() + (dy * i + (dy >= 0 ? steps / 2 : -steps / 2)) / steps;
    painter.fillRect(px, py, 1, 1, color);
  }
}

TEST(QtCanvasPixels, OnePixelLinesEqualTheirPixelsDrawnOneByOne) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-10, 70);
  for (int round = 0; round < 300; ++round) {
    const QPoint from(coordinate(random), coordinate(random));
    QPoint to(coordinate(random), coordinate(random));
    if (round % 3 == 0) to.setX(from.x());
    if (round % 3 == 1) to.setY(from.y());
    if (to == from) continue;
    const bool alternate = round % 2;
    const TRect clip{round % 7, round % 5, 60 - round % 11, 60};
    QImage mine(64, 64, QImage::Format_RGB32), plain(64, 64, QImage::Format_RGB32);
    mine.fill(Qt::white);
    plain.fill(Qt::white);
    {
      QPainter painter(&mine);
      QtCanvas canvas(painter, {0, 0, 64, 64});
      canvas.IntersectClipRect(clip);
      canvas.SetPen(clTeal, 1, alternate ? psAlternate : psSolid);
      canvas.Line({from.x(), from.y()}, {to.x(), to.y()});
    }
    {
      QPainter painter(&plain);
      painter.setClipRect(QRect(clip.Left, clip.Top, clip.Width(), clip.Height()));
      LineByPixels(painter, from, to, ToQColor(clTeal), alternate);
    }
    EXPECT_TRUE(mine == plain) << round << ": " << from.x() << "," << from.y() << " to " << to.x() << ","
                               << to.y() << (alternate ? " alternate" : " solid");
  }
}

}  // namespace
}  // namespace kau::platform
