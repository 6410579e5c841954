// The pieces printing needs from the drawing layer and the printer device.
#include <gtest/gtest.h>

#include "editor/text_drawer/font.h"
#include "platform/draw/fixed_cell_fonts.h"
#include "platform/draw/scaled_canvas.h"
#include "platform/fake/fake_printer.h"

namespace kau {
namespace {

using editor::TFont;
using platform::FakePrinter;

TEST(PrinterDevice, WithoutABackEndThereIsNoPrinterAndTheDefaultSheet) {
  platform::PrinterDevice& p = platform::Printer();
  EXPECT_FALSE(p.HasPrinter());
  EXPECT_EQ(p.Geometry(), platform::kDefaultPrinterGeometry);
  EXPECT_THROW(p.BeginDoc("x"), std::runtime_error);
  EXPECT_EQ(ColorToRGB(clAppWorkSpace), GetSysColor(COLOR_APPWORKSPACE));
}

TEST(PrinterDevice, FakeRecordsTheJobAndOnePagePerNewPage) {
  FakePrinter p;
  p.BeginDoc("doc");
  p.PageCanvas().TextOut(1, 2, "a");
  p.NewPage();
  p.PageCanvas().TextOut(3, 4, "b");
  p.EndDoc();
  EXPECT_EQ(p.Calls(), (std::vector<std::string>{"BeginDoc:doc", "NewPage", "EndDoc"}));
  ASSERT_EQ(p.Pages().size(), 2u);
  EXPECT_EQ(p.Pages()[1]->Drawings().at(0).text, "b");
  EXPECT_EQ(p.Pages()[0]->ClipBox(), (TRect{0, 0, 2358, 3407}));
  EXPECT_THROW(p.PageCanvas(), std::logic_error);
}

TEST(FontResolution, SizeAndHeightConvertAtThePixelsPerInch) {
  struct Case {
    int ppi, size, height;
  } cases[] = {{96, 10, -13}, {96, 8, -11}, {300, 10, -42}, {300, 13, -54}, {72, 10, -10}};
  for (const Case& c : cases) {
    TFont f;
    f.SetPixelsPerInch(c.ppi);
    f.SetSize(c.size);
    EXPECT_EQ(f.Height(), c.height) << c.ppi << " " << c.size;
    EXPECT_EQ(f.Size(), c.size) << c.ppi << " " << c.size;
  }
}

TEST(FontResolution, SetDirectlyConvertsNothingAndAssignKeepsThePointSize) {
  TFont screen;
  screen.SetSize(10);
  TFont printer;
  const int before = printer.Height();
  printer.SetPixelsPerInch(300);
  EXPECT_EQ(printer.Height(), before);
  printer.Assign(screen);
  EXPECT_EQ(printer.PixelsPerInch(), 300);
  EXPECT_EQ(printer.Size(), 10);
  EXPECT_EQ(printer.Height(), -42);
  screen.ChangePixelsPerInchKeepingSize(300);
  EXPECT_EQ(screen.Height(), -42);
}

TEST(FontResolution, FixedCellFontsHaveNoExternalLeading) {
  platform::FixedCellFonts fonts;
  auto font = fonts.CreateFont(TFontDesc{});
  EXPECT_EQ(fonts.GetTextMetrics(*font).ExternalLeading, 0);
}

TEST(ScaledCanvas, MapsPlacesSizesFontsAndAdvances) {
  platform::FakeCanvas screen;
  platform::ScaledCanvas scaled(screen, 0.32, 0.5, 10, 20);
  platform::FixedCellFonts fonts;
  TFontDesc desc;
  desc.Height = -42;
  const auto font = fonts.CreateFont(desc);
  scaled.SelectFont(font.get());
  const int advances[] = {25, 26, 25, 26};
  scaled.ExtTextOut(100, 40, 0, nullptr, "abcd", advances);
  scaled.FillRect({0, 0, 100, 10}, clRed);
  const auto& d = screen.Drawings();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].from, (TPixelPoint{42, 40}));
  EXPECT_EQ(d[0].font.Height, -21);
  // Each character where its source place lands: 100, 125, 151, 176, 202
  // become 42, 50, 58, 66, 75, so the rounding does not add up.
  EXPECT_EQ(d[0].advances, (std::vector<int>{8, 8, 8, 9}));
  EXPECT_EQ(d[1].rect, (TRect{10, 20, 42, 25}));
  scaled.IntersectClipRect({0, 0, 1000, 100});
  EXPECT_EQ(screen.ClipBox(), (TRect{10, 20, 330, 70}));
  EXPECT_EQ(scaled.ClipBox(), (TRect{0, 0, 1000, 100}));
}

}  // namespace
}  // namespace kau
