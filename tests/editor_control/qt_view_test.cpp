// The control in an offscreen Qt window: what its back buffer shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>

#include "platform/draw/font_services.h"
#include "platform/qt/qt_fonts.h"
#include "tests/editor_control/editor_view.h"
#include "tests/platform_qt/joined_failures.h"

namespace kau::editor::testing {
namespace {

TEST(QtEditorView, TheBackBufferShowsGutterSelectionEdgeKeywordsAndCaret) {
  EditorView view(ReadLines(KAU_DEMO_PASCAL), 400, 300);
  view.ShowAndPaint();
  const TSynEdit& edit = view.Edit();
  EXPECT_LT(edit.RightEdge() * edit.CharWidth() + edit.TextOffset(), 400);  // the edge is in view
  EXPECT_EQ(Joined(view.CheckPixels(view.Host().BackBuffer(), false)), "");
  ASSERT_TRUE(view.Focus());
  EXPECT_EQ(Joined(view.CheckPixels(view.Host().viewport()->grab().toImage(), true)), "");
}

TEST(QtEditorView, ABarStepMovesOneLineAndALargerFontGrowsTheCells) {
  std::vector<std::string> lines;
  for (int i = 0; i < 200; ++i) lines.push_back("begin writeln(" + std::to_string(i) + ") end;");
  EditorView view(lines, 400, 300);
  view.ShowAndPaint();
  TSynEdit& edit = view.Edit();
  view.Host().verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(edit.TopLine(), 2);
  const int charWidth = edit.CharWidth(), lineHeight = edit.LineHeight();
  const int chars = edit.CharsInWindow(), rows = edit.LinesInWindow();
  TFont font;
  font.Assign(edit.Font());
  font.SetSize(20);
  edit.SetFont(font);
  EXPECT_GT(edit.CharWidth(), charWidth);
  EXPECT_GT(edit.LineHeight(), lineHeight);
  EXPECT_LT(edit.CharsInWindow(), chars);
  EXPECT_LT(edit.LinesInWindow(), rows);
  view.ShowAndPaint();
  EXPECT_EQ(Joined(view.CheckPixels(view.Host().BackBuffer(), false)), "");
}

// A gutter font wider than the text's (here a proportional one) sets the
// width of the number cells, so that the numbers keep LeftOffset before them.
TEST(QtEditorView, AGutterFontWiderThanTheTextsWidensTheNumberCells) {
  EditorView view({"a"}, 400, 300);
  TSynEdit& edit = view.Edit();
  TFont font;
  font.SetName("Arial");
  font.SetSize(8);
  edit.Gutter().SetFont(font);
  const auto measured = platform::Fonts().CreateFont(font.Desc());
  const int cell = QFontMetrics(platform::QtFontServices::FontOf(*measured)).horizontalAdvance(QLatin1Char('M'));
  ASSERT_GT(cell, edit.CharWidth());
  const TSynGutter& gutter = edit.Gutter();
  EXPECT_EQ(edit.GutterWidth(), gutter.LeftOffset() + gutter.RightOffset() + gutter.EffectiveDigitCount() * cell + 2);
}

// Bookmarks 0 to 9, set by the control and repainted in part as a student
// sets them, at every editor size from the smallest the IDE reaches.
TEST(QtEditorView, BookmarkGlyphsShowWithoutTheirBackgroundAtEverySize) {
  EditorView view(std::vector<std::string>(12, "  writeln(x);"), 300, 1200);
  TSynEdit& edit = view.Edit();
  for (int size : {6, 7, 8, 10, 12, 16, 24, 36, 48, 72}) {
    SCOPED_TRACE("size " + std::to_string(size));
    TFont font;
    font.Assign(edit.Font());
    font.SetSize(size);
    edit.SetFont(font);
    view.ShowAndPaint();
    for (int number = 0; number < 10; ++number) edit.SetBookMark(number, 1, number + 1);
    ASSERT_EQ(StalePixels(view.Host()), 0);
    ASSERT_GE(view.Host().BackBuffer().height(), 10 * edit.LineHeight());
    for (int number = 0; number < 10; ++number)
      EXPECT_EQ(Joined(BookmarkGlyphPixels(view.Host().BackBuffer(), edit, number)), "");
  }
}

}  // namespace
}  // namespace kau::editor::testing
