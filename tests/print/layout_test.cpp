// Page layout without a printer: the default sheet's pixel positions, mirrored
// pages, unit systems, the margins' stream, line wrapping and Roman numbers.
#include <gtest/gtest.h>

#include <sstream>

#include "editor/print/print_margins.h"
#include "editor/print/print_stream.h"
#include "editor/print/wrap_text.h"
#include "platform/fake/fake_printer.h"

namespace kau::editor {
namespace {

TEST(PrinterInfo, WithoutAPrinterTheDefaultSheet) {
  platform::FakePrinter none;
  none.SetHasPrinter(false);
  none.SetGeometry({100, 100, 90, 90, 5, 5, 72, 72});
  TSynEditPrinterInfo info(&none);
  EXPECT_EQ(info.PixFromLeft(25), 230);
  EXPECT_EQ(info.PhysicalWidth(), 2481);
  EXPECT_EQ(info.RightGutter(), 58);
  EXPECT_EQ(info.BottomGutter(), 50);
  EXPECT_FLOAT_EQ(info.XPixPrmm(), static_cast<float>(300 / 25.4));
  none.SetHasPrinter(true);
  info.SetDevice(&none);
  EXPECT_EQ(info.PrintableWidth(), 90);
  EXPECT_EQ(info.RightGutter(), 5);
}

TEST(PrintMargins, PositionsOnTheDefaultSheet) {
  platform::FakePrinter printer;
  TSynEditPrinterInfo info(&printer);
  TSynEditPrintMargins m;
  m.SetMirrorMargins(true);
  struct Case {
    int page, left, right;
  } cases[] = {{1, 230, 2239}, {2, 112, 2121}, {3, 230, 2239}};
  for (const Case& c : cases) {
    m.InitPage(c.page, info, TFontDesc{}, false, false, 0);
    EXPECT_EQ(m.PLeft, c.left) << c.page;
    EXPECT_EQ(m.PRight, c.right) << c.page;
  }
  m.InitPage(1, info, TFontDesc{}, false, false, 0);
  EXPECT_EQ(m.PTop, 245);
  EXPECT_EQ(m.PBottom, 3162);
  EXPECT_EQ(m.PHeader, 127);
  EXPECT_EQ(m.PFooter, 3280);
  EXPECT_EQ(m.PHFInternalMargin, 6);
  EXPECT_EQ(m.PLeftHFTextIndent, 254);
  EXPECT_EQ(m.PRightHFTextIndent, 2215);
  EXPECT_EQ(m.PGutter, 0);
}

TEST(PrintMargins, NumbersOutsideTheMarginWidenTheLeftEdge) {
  platform::FakePrinter printer;
  TSynEditPrinterInfo info(&printer);
  TSynEditPrintMargins m;
  struct Case {
    bool numbers, inMargin;
    int highest, left;
  } cases[] = {{true, false, 99, 262}, {true, false, 100, 270}, {true, true, 100, 230}, {false, false, 100, 230}};
  for (const Case& c : cases) {
    m.InitPage(1, info, TFontDesc{}, c.numbers, c.inMargin, c.highest);
    EXPECT_EQ(m.PLeft, c.left) << c.highest;
  }
  m.SetLeft(-10);
  m.InitPage(1, info, TFontDesc{}, false, false, 0);
  EXPECT_EQ(m.PLeft, -65);  // the sheet's edge
}

TEST(PrintMargins, UnitSystemsStoreMillimetres) {
  struct Case {
    TUnitSystem unit;
    double value, mm;
  } cases[] = {{usMM, 25.4, 25.4}, {usCM, 2.54, 25.4}, {usInch, 1, 25.4}, {muThousandthsOfInches, 1000, 25.4}};
  for (const Case& c : cases) {
    TSynEditPrintMargins m;
    m.SetUnitSystem(c.unit);
    m.SetTop(c.value);
    EXPECT_NEAR(m.Millimetres(TSynEditPrintMargins::mTop), c.mm, 1e-9) << c.unit;
    EXPECT_NEAR(m.Top(), c.value, 1e-9) << c.unit;
  }
}

TEST(PrintMargins, StreamOf82BytesRoundTripsAndEveryTruncationFails) {
  TSynEditPrintMargins m;
  m.SetUnitSystem(usInch);
  m.SetGutter(0.5);
  m.SetMirrorMargins(true);
  std::ostringstream out;
  m.SaveToStream(out);
  const std::string bytes = out.str();
  ASSERT_EQ(bytes.size(), 82u);
  TSynEditPrintMargins back;
  std::istringstream in(bytes);
  back.LoadFromStream(in);
  EXPECT_EQ(back.UnitSystem(), usInch);
  EXPECT_TRUE(back.MirrorMargins());
  EXPECT_DOUBLE_EQ(back.Millimetres(TSynEditPrintMargins::mGutter), 12.7);
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    TSynEditPrintMargins fresh;
    std::istringstream cut(bytes.substr(0, n));
    EXPECT_THROW(fresh.LoadFromStream(cut), EReadError) << n;
    EXPECT_FALSE(fresh.MirrorMargins());
    EXPECT_EQ(fresh.Left(), 25);
  }
  std::string bad = bytes;
  bad[0] = 4;  // no such unit system
  std::istringstream badIn(bad);
  EXPECT_THROW(back.LoadFromStream(badIn), EReadError);
  std::ostringstream nan;
  WriteByte(nan, 0);
  WriteDouble(nan, std::numeric_limits<double>::quiet_NaN());
  std::istringstream nanIn(nan.str() + bytes.substr(9));
  EXPECT_THROW(back.LoadFromStream(nanIn), EReadError);
}

TEST(WrapText, BreakPositions) {
  TSynCharSet blanks;
  blanks[' '] = blanks[','] = true;
  struct Case {
    std::string line;
    int max;
    bool ok;
    std::vector<int> positions;
  } cases[] = {
      {"short", 80, true, {}},
      {std::string(100, 'a'), 80, false, {}},
      {"aaaa bbbb cccc", 6, true, {5, 10}},
      {"aaaa bbbb", 5, true, {5}},
      {"aaaa,bbbbbbbbb", 5, false, {}},
      {"ab cd ef gh ij", 8, true, {6}},
  };
  for (const Case& c : cases) {
    std::vector<int> positions{42};
    EXPECT_EQ(WrapTextEx(c.line, blanks, c.max, positions), c.ok) << c.line;
    std::vector<int> expected{42};
    expected.insert(expected.end(), c.positions.begin(), c.positions.end());
    EXPECT_EQ(positions, expected) << c.line;
  }
}

TEST(WrapText, RomanNumbers) {
  struct Case {
    int value;
    const char* roman;
  } cases[] = {{1994, "MCMXCIV"}, {0, ""}, {-5, ""}, {3, "III"}, {12, "XII"}, {4, "IV"}, {3999, "MMMCMXCIX"}};
  for (const Case& c : cases) EXPECT_EQ(IntToRoman(c.value), c.roman) << c.value;
}

}  // namespace
}  // namespace kau::editor
