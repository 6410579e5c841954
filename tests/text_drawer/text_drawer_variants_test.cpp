// The two drawer variants: the one that keeps a font per style, and the one
// that keeps to the cells by extra spacing and picks its output by the font.
#include <gtest/gtest.h>

#include <set>

#include "editor/text_drawer/text_drawer2.h"
#include "editor/text_drawer/text_drawer_ex.h"
#include "platform/draw/double_byte.h"
#include "platform/fake/fake_canvas.h"
#include "platform/fake/fake_system.h"

namespace kau::editor {
namespace {

using platform::ETO_CLIPPED;
using platform::ETO_OPAQUE;
using platform::FakeCanvas;
using platform::FakeDrawing;

struct Variants : ::testing::Test {
  platform::FakeSystem system;
  TFont font;
  FakeCanvas canvas;
  void SetUp() override {
    font.SetName("Courier New");
    ASSERT_EQ(GetFontsInfoManager().Count(), 0);
  }
  void TearDown() override { EXPECT_EQ(GetFontsInfoManager().Count(), 0); }
  // The styles of the fonts made since `from`, each as often as it was made.
  std::multiset<int> StylesMadeSince(int from) {
    const auto& made = system.CellFonts().CreatedFonts();
    std::multiset<int> styles;
    for (auto it = made.begin() + from; it != made.end(); ++it) styles.insert(it->Style());
    return styles;
  }
  static std::multiset<int> AllStylesBut(int style) {
    std::multiset<int> styles;
    for (int s = 0; s < 16; ++s)
      if (s != style) styles.insert(s);
    return styles;
  }
};

TEST_F(Variants, TheCachingDrawerMakesEachStyleOnceAndAgainAfterANewBaseFont) {
  TheTextDrawer2 d(0, &font);
  d.BeginDrawing(&canvas);
  const int before = system.CellFonts().CreatedCount();
  // Up through the styles, then down again.
  for (int step = 0; step < 32; ++step) {
    const auto style = static_cast<TFontStyles>(step < 16 ? step : 31 - step);
    d.SetStyle(style);
    EXPECT_EQ(canvas.SelectedFont(), d.FontStock().FontsInfo()->FontsData[style].Handle.get()) << int(style);
    EXPECT_EQ(d.CachedFont(style), canvas.SelectedFont());
  }
  EXPECT_EQ(StylesMadeSince(before), AllStylesBut(0));  // the plain one came with the drawer
  // The way down took every font from the drawer's own cache: the stock was
  // not asked again and still stands at the last style it made.
  EXPECT_EQ(d.FontStock().Style(), 15);

  TFont arial;
  arial.SetName("Arial");
  const int beforeArial = system.CellFonts().CreatedCount();
  d.SetBaseFont(&arial);
  for (TFontStyles style = 1; style < 16; ++style) EXPECT_EQ(d.CachedFont(style), nullptr) << int(style);
  for (TFontStyles style = 0; style < 16; ++style) {
    d.SetStyle(style);
    EXPECT_EQ(canvas.SelectedFont()->Desc().Name, "Arial");
    EXPECT_EQ(canvas.SelectedFont()->Desc().Style(), style);
  }
  // One font for the new info's own look, then each style once.
  std::multiset<int> expected = AllStylesBut(-1);
  expected.insert(0);
  EXPECT_EQ(StylesMadeSince(beforeArial), expected);
  d.EndDrawing();
}

TEST_F(Variants, TheCachingDrawerKeepsNoFontThatReleasingMayHaveDestroyed) {
  TheTextDrawer2 d(0, &font);
  d.SetStyle(fsBold);
  ASSERT_NE(d.CachedFont(fsBold), nullptr);
  d.ReleaseTemporaryResources();  // the only lock: the handles go
  EXPECT_EQ(d.CachedFont(fsBold), nullptr);
  const int before = system.CellFonts().CreatedCount();
  d.BeginDrawing(&canvas);
  d.SetStyle(fsBold);
  EXPECT_EQ(canvas.SelectedFont(), d.FontStock().FontsInfo()->FontsData[fsBold].Handle.get());
  EXPECT_EQ(StylesMadeSince(before), std::multiset<int>{fsBold});
  d.EndDrawing();
}

TEST_F(Variants, ReleasingResourcesWhileDrawingKeepsTheDrawersStyle) {
  TheTextDrawer d(0, &font);
  d.BeginDrawing(&canvas);
  d.SetStyle(fsItalic);
  d.SetBaseStyle(fsBold);  // moves the stock, not the drawer's style
  d.ReleaseTemporaryResources();
  ASSERT_NE(canvas.SelectedFont(), nullptr);
  EXPECT_EQ(canvas.SelectedFont()->Desc().Style(), fsItalic);
  d.EndDrawing();
}

TEST_F(Variants, TheSpacingDrawerKeepsEveryStyleInTheBaseCells) {
  const struct {
    TFontStyles base, style;
    int charExtra, cell, spacing;
  } cases[] = {
      {0, 0, 0, 8, 0},
      {0, fsBold, 0, 8, -1},
      {0, fsItalic, 0, 8, 0},
      {fsBold, 0, 0, 9, 1},
      {fsBold, fsBold, 0, 9, 0},
      {0, fsBold | fsUnderline, 2, 10, 1},
  };
  for (const auto& c : cases) {
    TheTextDrawerEx d(c.base, &font);
    d.SetCharExtra(c.charExtra);
    d.BeginDrawing(&canvas);
    d.SetStyle(c.style);
    EXPECT_EQ(canvas.CharExtra(), c.spacing) << int(c.base) << " " << int(c.style);
    d.ExtTextOut(0, 0, ETO_OPAQUE, {0, 0, 100, 16}, "MMMM", 4);
    d.TextOut(0, 0, "MM", 2);
    d.EndDrawing();
    ASSERT_EQ(canvas.Drawings().size(), 2u);
    for (const FakeDrawing& t : canvas.Drawings()) {
      EXPECT_FALSE(t.advancesGiven);
      EXPECT_EQ(t.font.Style(), c.style);
      for (int advance : t.advances) EXPECT_EQ(advance, c.cell) << int(c.base) << " " << int(c.style);
    }
    canvas.ClearDrawings();
  }
  // A change of the base style moves the cells, and the spacing with them.
  TheTextDrawerEx d(0, &font);
  d.BeginDrawing(&canvas);
  d.SetStyle(fsBold);
  d.SetBaseStyle(fsBold);
  EXPECT_EQ(canvas.CharExtra(), 0);
  EXPECT_EQ(canvas.SelectedFont()->Desc().Style(), fsBold);
  d.EndDrawing();
}

enum Output { Plain,
              Extended,
              WithAdvances };

Output OutputOf(const FakeDrawing& t, const TRect& rect, unsigned options) {
  if (t.advancesGiven) return WithAdvances;
  if (t.rect == rect && t.options == options) return Extended;
  return Plain;
}

TEST_F(Variants, TheSpacingDrawerPicksItsOutputByPlaceFontAndStyle) {
  const unsigned opaque = ETO_OPAQUE | ETO_CLIPPED;
  const struct {
    const char* name;
    std::uint8_t charSet;
    TFontStyles style;
    int x, y;
    TRect rect;
    Output expected;
  } cases[] = {
      // "MMMM" takes 32 pixels; one more cell reaches 40.
      {"Courier New", DEFAULT_CHARSET, 0, 0, 0, {0, 0, 32, 16}, Plain},
      {"Courier New", DEFAULT_CHARSET, 0, 0, 0, {0, 0, 39, 16}, Plain},
      {"Courier New", DEFAULT_CHARSET, 0, 0, 0, {0, 0, 40, 16}, Extended},
      {"Courier New", DEFAULT_CHARSET, 0, 2, 0, {0, 0, 32, 16}, Extended},
      {"Courier New", DEFAULT_CHARSET, 0, 0, 1, {0, 0, 32, 16}, Extended},
      {"Courier New", DEFAULT_CHARSET, 0, 0, 0, {0, 0, 32, 17}, Extended},
      {"Courier New", DEFAULT_CHARSET, fsItalic, 0, 0, {0, 0, 32, 16}, Plain},
      // A bitmap font's italics always go the extended way.
      {"MS Sans Serif", DEFAULT_CHARSET, 0, 0, 0, {0, 0, 32, 16}, Plain},
      {"MS Sans Serif", DEFAULT_CHARSET, fsBold, 0, 0, {0, 0, 32, 16}, Plain},
      {"MS Sans Serif", DEFAULT_CHARSET, fsItalic, 0, 0, {0, 0, 32, 16}, Extended},
      {"MS Sans Serif", DEFAULT_CHARSET, fsItalic | fsBold, 0, 0, {0, 0, 32, 16}, Extended},
      // A double-byte font draws with advances, wherever the text is.
      {"Courier New", platform::SHIFTJIS_CHARSET, 0, 0, 0, {0, 0, 32, 16}, WithAdvances},
      {"Courier New", platform::SHIFTJIS_CHARSET, fsItalic, 2, 0, {0, 0, 80, 16}, WithAdvances},
  };
  for (const auto& c : cases) {
    TFont f;
    f.SetName(c.name);
    f.SetCharSet(c.charSet);
    TheTextDrawerEx d(0, &f);
    d.BeginDrawing(&canvas);
    d.SetStyle(c.style);
    d.ExtTextOut(c.x, c.y, opaque, c.rect, "MMMMxyz", 4);
    d.EndDrawing();
    ASSERT_EQ(canvas.Drawings().size(), 1u);
    const FakeDrawing& t = canvas.Drawings()[0];
    SCOPED_TRACE(std::string(c.name) + " style " + std::to_string(c.style) + " right " +
                 std::to_string(c.rect.Right));
    EXPECT_EQ(OutputOf(t, c.rect, opaque), c.expected);
    EXPECT_EQ(t.text, "MMMM");
    EXPECT_EQ(t.from, (TPixelPoint{c.x, c.y}));
    // Plain output paints the background of its own cells and clips nothing.
    if (c.expected == Plain) {
      EXPECT_EQ(t.rect, (TRect{c.x, c.y, c.x + 32, c.y + 16}));
      EXPECT_EQ(t.options, ETO_OPAQUE);
    }
    for (int advance : t.advances) EXPECT_EQ(advance, 8);
    canvas.ClearDrawings();
  }
}

TEST_F(Variants, ADoubleByteFontDrawsItsTwoKindsOfRunsApart) {
  font.SetCharSet(platform::SHIFTJIS_CHARSET);
  TheTextDrawerEx d(0, &font);
  d.SetBackColor(clYellow);
  d.BeginDrawing(&canvas);
  d.SetStyle(fsBold);  // advances 9 in cells of 8
  EXPECT_EQ(d.CrntDx(), -1);
  EXPECT_EQ(d.CrntDBDx(), -2);
  const TRect rect{4, 0, 200, 16};
  // Two characters, two double-byte ones, one character, and a lead byte
  // cut off by the length.
  const std::string text =
      "ab\x82\xa0\x82\xa1"
      "c\x88\x9f";
  d.ExtTextOut(4, 0, ETO_OPAQUE | ETO_CLIPPED, rect, text, 8);
  d.EndDrawing();
  const struct {
    FakeDrawing::Kind kind;
    int x;
    std::string text;
    int extra;
  } expected[] = {
      {FakeDrawing::FillRect, 0, "", 0},
      {FakeDrawing::Text, 4, "ab", -1},
      {FakeDrawing::Text, 4 + 2 * 8, "\x82\xa0\x82\xa1", -2},
      {FakeDrawing::Text, 4 + 6 * 8, "c", -1},
      {FakeDrawing::Text, 4 + 7 * 8, "\x88", -2},
  };
  ASSERT_EQ(canvas.Drawings().size(), std::size(expected));
  EXPECT_EQ(canvas.Drawings()[0].rect, rect);
  EXPECT_EQ(canvas.Drawings()[0].color, clYellow);
  for (std::size_t i = 1; i < std::size(expected); ++i) {
    const FakeDrawing& t = canvas.Drawings()[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(t.kind, expected[i].kind);
    EXPECT_EQ(t.from.X, expected[i].x);
    EXPECT_EQ(t.text, expected[i].text);
    EXPECT_EQ(t.extra, expected[i].extra);
    EXPECT_EQ(t.options, ETO_CLIPPED);  // the background was painted once
    EXPECT_EQ(t.rect, rect);
    EXPECT_FALSE(t.advancesGiven);
  }
  // Between outputs a double-byte font keeps the drawer's own spacing.
  EXPECT_EQ(canvas.CharExtra(), 0);
}

}  // namespace
}  // namespace kau::editor
