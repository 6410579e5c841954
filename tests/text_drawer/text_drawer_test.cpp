#include <gtest/gtest.h>

#include "editor/text_drawer/text_drawer.h"
#include "editor/text_drawer/text_drawer_errors.h"
#include "platform/fake/fake_canvas.h"
#include "platform/fake/fake_system.h"

namespace kau::editor {
namespace {

using platform::FakeCanvas;
using platform::FakeDrawing;
using platform::FixedCellFonts;

struct Drawer : ::testing::Test {
  platform::FakeSystem system;
  TFont font;
  FakeCanvas canvas;
};

TEST_F(Drawer, CellComesFromTheBaseStyle) {
  TheTextDrawer plain(0, &font);
  EXPECT_EQ(plain.GetCharWidth(), FixedCellFonts::kCellWidth);
  EXPECT_EQ(plain.GetCharHeight(), FixedCellFonts::kCellHeight);
  TheTextDrawer bold(fsBold, &font);
  EXPECT_EQ(bold.GetCharWidth(), FixedCellFonts::kBoldCellWidth);
  bold.SetBaseStyle(0);
  EXPECT_EQ(bold.GetCharWidth(), FixedCellFonts::kCellWidth);
  bold.SetCharExtra(2);
  EXPECT_EQ(bold.GetCharWidth(), FixedCellFonts::kCellWidth + 2);
}

TEST_F(Drawer, EveryStyleIsDrawnInBaseStyleCells) {
  TheTextDrawer d(0, &font);
  d.BeginDrawing(&canvas);
  for (TFontStyles style : {TFontStyles(0), fsBold, fsItalic, TFontStyles(fsBold | fsItalic | fsUnderline)}) {
    d.SetStyle(style);
    d.ExtTextOut(0, 0, platform::ETO_OPAQUE, {0, 0, 80, 16}, "MMMM", 4);
  }
  d.EndDrawing();
  ASSERT_EQ(canvas.Drawings().size(), 4u);
  for (const FakeDrawing& t : canvas.Drawings()) {
    EXPECT_EQ(t.advances, (std::vector<int>{8, 8, 8, 8})) << int(t.font.Style());
    EXPECT_EQ(t.options, platform::ETO_OPAQUE);
  }
  EXPECT_EQ(canvas.Drawings()[1].font.Style(), fsBold);
}

TEST_F(Drawer, AdvanceArrayGrowsInStepsOf64) {
  TheTextDrawer d(0, &font);
  EXPECT_EQ(d.ETOSizeInChar(), 0);
  const std::string text(300, 'x');
  const struct {
    int length, size;
  } steps[] = {{10, 64}, {64, 64}, {200, 256}, {100, 256}, {256, 256}, {257, 320}};
  for (const auto& s : steps) {
    d.ExtTextOut(0, 0, 0, {}, text, s.length);
    EXPECT_EQ(d.ETOSizeInChar(), s.size) << s.length;
  }
  d.SetBaseStyle(fsBold);  // drops the array
  EXPECT_EQ(d.ETOSizeInChar(), 0);
}

TEST_F(Drawer, BeginDrawingSetsUpTheCanvasOnceAndRestoresIt) {
  TheTextDrawer d(0, &font);
  d.SetForeColor(clRed);
  d.SetBackColor(clWindow);
  d.BeginDrawing(&canvas);
  d.BeginDrawing(&canvas);  // nested on the same canvas
  EXPECT_EQ(canvas.SavedStates(), 1);
  EXPECT_EQ(canvas.TextColor(), clRed);
  EXPECT_EQ(canvas.BkColor(), static_cast<TColor>(ColorToRGB(clWindow)));  // resolved
  d.SetForeColor(clBlue);  // applied at once
  EXPECT_EQ(canvas.TextColor(), clBlue);
  d.EndDrawing();
  EXPECT_EQ(d.DrawingCount(), 1);
  EXPECT_EQ(canvas.SavedStates(), 1);
  d.EndDrawing();
  EXPECT_EQ(canvas.SavedStates(), 0);
  EXPECT_EQ(canvas.TextColor(), clBlack);  // the state before drawing
}

TEST_F(Drawer, UnbalancedBracketsAreConsistencyFaults) {
  TheTextDrawer d(0, &font);
  EXPECT_THROW(d.EndDrawing(), EAssertionFailed);
  FakeCanvas other;
  d.BeginDrawing(&canvas);
  EXPECT_THROW(d.BeginDrawing(&other), EAssertionFailed);
  EXPECT_THROW(d.SetStyle(16), EAssertionFailed);
  try {
    d.BeginDrawing(nullptr);
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Assertion failure (editor/SynTextDrawer, line ", 0), 0u) << e.what();
  }
  d.EndDrawing();
  EXPECT_EQ(d.DrawingCount(), 0);
}

TEST_F(Drawer, TextOutUsesTheFontsOwnAdvance) {
  TheTextDrawer d(0, &font);
  d.BeginDrawing(&canvas);
  d.SetStyle(fsBold);
  d.TextOut(3, 4, "abcdef", 3);
  d.EndDrawing();
  ASSERT_EQ(canvas.Drawings().size(), 1u);
  EXPECT_EQ(canvas.Drawings()[0].text, "abc");
  EXPECT_EQ(canvas.Drawings()[0].advances, (std::vector<int>{9, 9, 9}));
  EXPECT_EQ(canvas.Drawings()[0].from, (TPixelPoint{3, 4}));
}

}  // namespace
}  // namespace kau::editor
