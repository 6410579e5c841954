#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <cstring>
#include <QImage>
#include <QPainter>

#include "editor/text_drawer/text_drawer.h"
#include "editor/text_drawer/text_drawer_ex.h"
#include "platform/draw/double_byte.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_fonts.h"

namespace kau::platform {
namespace {

// The leftmost and rightmost columns holding ink darker than mid-grey.
std::pair<int, int> InkExtent(const QImage& image) {
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return {left, right};
}

QImage RenderIn(editor::TheTextDrawer& drawer, TFontStyles style, const char* text, int x, int y, const TRect& rect,
                TColor back = clWhite) {
  QImage image(200, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter, {0, 0, 200, 40});
  drawer.BeginDrawing(&canvas);
  drawer.SetStyle(style);
  drawer.SetForeColor(clBlack);
  drawer.SetBackColor(back);
  drawer.ExtTextOut(x, y, ETO_OPAQUE, rect, text, static_cast<int>(std::strlen(text)));
  drawer.EndDrawing();
  return image;
}

QImage Render(editor::TheTextDrawer& drawer, TFontStyles style, const char* text, int x) {
  return RenderIn(drawer, style, text, x, 4, {0, 0, 200, 40});
}

// "MMMM" in a style lands on the cells: its ink spans exactly three cells more
// than one "M" of that style, and moving the run by one cell moves its ink by
// exactly one cell.
void ExpectRunOnTheCells(editor::TheTextDrawer& drawer, TFontStyles style, int cell) {
  const auto one = InkExtent(Render(drawer, style, "M", 10));
  const auto four = InkExtent(Render(drawer, style, "MMMM", 10));
  ASSERT_LE(one.first, one.second) << int(style);
  EXPECT_EQ(four.first, one.first) << int(style);
  EXPECT_EQ(four.second, one.second + 3 * cell) << int(style);
  const auto moved = InkExtent(Render(drawer, style, "MMMM", 10 + cell));
  EXPECT_EQ(moved.first, four.first + cell) << int(style);
}

TEST(QtFonts, WindowsFamiliesResolveToLocalFonts) {
  QtFontServices fonts;
  TFontDesc courier;
  courier.Name = "Courier New";
  courier.Height = HeightFromPointSize(10);
  const QFontInfo mono(QtFontServices::FontOf(*fonts.CreateFont(courier)));
  EXPECT_EQ(mono.family(), "Liberation Mono");
  EXPECT_TRUE(mono.fixedPitch());
  EXPECT_EQ(mono.pixelSize(), 13);
  TFontDesc arial;
  arial.Name = "Arial";
  EXPECT_EQ(QFontInfo(QtFontServices::FontOf(*fonts.CreateFont(arial))).family(), "Liberation Sans");
  arial.Pitch = fpFixed;  // a fixed font where a proportional one was named
  EXPECT_TRUE(QFontInfo(QtFontServices::FontOf(*fonts.CreateFont(arial))).fixedPitch());
}

TEST(QtFonts, AdvanceOfMIsTheSumOfItsAbcWidths) {
  QtFontServices fonts;
  TFontDesc d;
  d.Name = "Courier New";
  d.Height = -13;
  auto f = fonts.CreateFont(d);
  TAbc abc;
  ASSERT_TRUE(fonts.GetCharABCWidths(*f, 'M', abc));
  EXPECT_EQ(abc.Sum(), fonts.TextExtent(*f, "M").cx);
  EXPECT_EQ(fonts.TextExtent(*f, "MMMM").cx, 4 * abc.Sum());
}

TEST(QtFonts, OutlineAndDoubleByteFontsAreTold) {
  QtFontServices fonts;
  TFontDesc d;
  d.Name = "Courier New";
  const auto courier = fonts.CreateFont(d);
  EXPECT_TRUE(fonts.GetTextMetrics(*courier).TrueType);
  EXPECT_FALSE(fonts.IsDBCSFont(*courier));
  EXPECT_FALSE(fonts.IsDBCSLeadByte(*courier, 0x82));
  d.CharSet = SHIFTJIS_CHARSET;
  const auto japanese = fonts.CreateFont(d);
  EXPECT_TRUE(fonts.IsDBCSFont(*japanese));
  EXPECT_TRUE(fonts.IsDBCSLeadByte(*japanese, 0x82));
  EXPECT_FALSE(fonts.IsDBCSLeadByte(*japanese, 'a'));
  EXPECT_FALSE(fonts.IsDBCSLeadByte(*japanese, 0xA0));  // a single-byte katakana's range
}

// Plain, bold and italic "MMMM" each land on the same cell multiples: the
// run's ink spans exactly three cells more than one "M" of that style, and the
// cell is the plain style's width.
TEST(QtDrawing, StylesLandOnTheBaseStyleCells) {
  editor::TFont font;
  font.SetName("Courier New");
  font.SetSize(10);
  editor::TheTextDrawer drawer(0, &font);
  const int cell = drawer.GetCharWidth();
  ASSERT_GT(cell, 4);
  for (TFontStyles style : {TFontStyles(0), fsBold, fsItalic, TFontStyles(fsBold | fsItalic)})
    ExpectRunOnTheCells(drawer, style, cell);
}

// The drawer that keeps to the cells by extra spacing alone, with a
// proportional font whose bold "M" is not as wide as its plain one.
TEST(QtDrawing, TheSpacingDrawerKeepsBoldOnThePlainCells) {
  editor::TFont font;
  font.SetName("Times New Roman");
  font.SetSize(14);
  editor::TheTextDrawerEx drawer(0, &font);
  editor::TheTextDrawer withAdvances(0, &font);
  const int cell = drawer.GetCharWidth();
  drawer.SetStyle(fsBold);
  ASSERT_NE(drawer.CrntDx(), 0) << "the bold M advances as the plain one";
  for (TFontStyles style : {TFontStyles(0), fsBold, TFontStyles(fsBold | fsItalic)}) {
    ExpectRunOnTheCells(drawer, style, cell);
    // Where the text fills its rectangle the output is plain; its pixels,
    // background included, are those of the drawer with advances.
    const TRect cells{0, 0, 4 * cell, drawer.GetCharHeight()};
    EXPECT_EQ(RenderIn(drawer, style, "MMMM", 0, 0, cells, clYellow),
              RenderIn(withAdvances, style, "MMMM", 0, 0, cells, clYellow))
        << int(style);
  }
}

TEST(QtDrawing, AlternatePenSetsEveryOtherPixelAndLeavesTheEnd) {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, {0, 0, 20, 20});
    canvas.SetPen(clRed, 1, psAlternate);
    canvas.Line({5, 2}, {5, 12});
    canvas.SetPen(clBlue, 1, psSolid);
    canvas.Line({0, 15}, {4, 15});
    canvas.SetPixel(19, 19, clLime);
  }
  for (int y = 2; y <= 12; ++y)
    EXPECT_EQ(image.pixelColor(5, y) == QColor(255, 0, 0), y < 12 && (y - 2) % 2 == 0) << y;
  for (int x = 0; x <= 4; ++x) EXPECT_EQ(image.pixelColor(x, 15) == QColor(0, 0, 255), x < 4) << x;
  EXPECT_EQ(image.pixelColor(19, 19), QColor(0, 255, 0));
}

TEST(QtDrawing, ClipAndSavedStates) {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, {0, 0, 20, 20});
    const int saved = canvas.SaveState();
    canvas.IntersectClipRect({0, 0, 10, 10});
    canvas.FillRect({0, 0, 20, 20}, clBlack);
    canvas.RestoreState(saved);
    EXPECT_EQ(canvas.ClipBox(), (TRect{0, 0, 20, 20}));
    canvas.FillRect({15, 15, 16, 16}, clBlack);
    TImage glyph(2, 1, 0xFF00FF);
    glyph.SetPixel(1, 0, 0x000000);
    canvas.DrawImage(glyph, {0, 0, 2, 1}, {12, 0, 14, 1}, clFuchsia);
  }
  EXPECT_EQ(image.pixelColor(9, 9), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(10, 10), QColor(255, 255, 255));
  EXPECT_EQ(image.pixelColor(15, 15), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(12, 0), QColor(255, 255, 255));  // transparent
  EXPECT_EQ(image.pixelColor(13, 0), QColor(0, 0, 0));
}

}  // namespace
}  // namespace kau::platform

namespace kau::platform {
namespace {

TEST(QtColors, ValuesAndSystemColoursFromThePalette) {
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0x123456), QColor(0x56, 0x34, 0x12));
  const QPalette palette = QApplication::palette();
  EXPECT_EQ(ToQColor(clWindow), palette.color(QPalette::Active, QPalette::Base));
  EXPECT_EQ(ToQColor(clHighlight), palette.color(QPalette::Active, QPalette::Highlight));
  EXPECT_EQ(ToQColor(clInfoBk), palette.color(QPalette::Active, QPalette::ToolTipBase));
}

}  // namespace
}  // namespace kau::platform
