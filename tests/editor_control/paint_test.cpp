// Painting, read from the drawings that a fake canvas records.
#include <algorithm>
#include <climits>
#include <random>
#include <sstream>
#include <stdexcept>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/options/image_list.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

using platform::FakeDrawing;

std::vector<FakeDrawing> OfKind(const platform::FakeCanvas& canvas, FakeDrawing::Kind kind) {
  std::vector<FakeDrawing> result;
  for (const FakeDrawing& d : canvas.Drawings())
    if (d.kind == kind) result.push_back(d);
  return result;
}

const FakeDrawing* TextDrawn(const platform::FakeCanvas& canvas, const std::string& text) {
  for (const FakeDrawing& d : canvas.Drawings())
    if (d.kind == FakeDrawing::Text && d.text == text) return &d;
  return nullptr;
}

// Text calls, in order, as "x,y:text/colour/background" lines.
std::string TextLog(const platform::FakeCanvas& canvas) {
  std::ostringstream out;
  for (const FakeDrawing& d : OfKind(canvas, FakeDrawing::Text))
    out << d.from.X << ',' << d.from.Y << ':' << d.text << '/' << d.color << '/' << d.background << '\n';
  return out.str();
}

TEST_F(ControlTest, AnEmptyTextNumbersLineOneAndFillsTheTextArea) {
  edit.Gutter().SetShowLineNumbers(true);
  const platform::FakeCanvas& canvas = window.PaintNow(true);
  const std::string number = edit.Gutter().FormatLineNumber(1);
  EXPECT_EQ(number.back(), '1');
  const FakeDrawing* one = TextDrawn(canvas, number);
  ASSERT_NE(one, nullptr) << TextLog(canvas);
  EXPECT_EQ(one->from.X + 8 * static_cast<int>(number.size()), edit.GutterWidth() - edit.Gutter().RightOffset() - 2);
  EXPECT_EQ(one->background, ColorToRGB(edit.Gutter().Color()));
  const std::vector<FakeDrawing> fills = OfKind(canvas, FakeDrawing::FillRect);
  EXPECT_TRUE(std::any_of(fills.begin(), fills.end(), [&](const FakeDrawing& d) {
    return d.color == clWindow && d.rect == TRect{edit.GutterWidth() + 2, 0, 400, 320};
  }));
}

TEST_F(ControlTest, SpecialCharactersShowBlanksTabsAndLineEnds) {
  SetLines({"a b\tc"});
  edit.SetOptionFlag(eoShowSpecialChars, true);
  const platform::FakeCanvas& canvas = window.PaintNow(true);
  const FakeDrawing* row = TextDrawn(canvas, "a\xB7" "b     c\xB6");
  ASSERT_NE(row, nullptr) << TextLog(canvas);
  EXPECT_EQ(row->from.X, 32);
  EXPECT_EQ(row->from.X + 9 * 8, 104);  // the pilcrow's cell
  const FakeDrawing* tab = TextDrawn(canvas, "\xBB");
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(tab->from.X, 72);
}

TEST_F(ControlTest, TheRightEdgeIsDrawnOnlyWhereTheClipHoldsIt) {
  SetLines({"x"});
  edit.SetRightEdge(40);
  auto edgeLines = [](const platform::FakeCanvas& canvas) {
    int n = 0;
    for (const FakeDrawing& d : OfKind(canvas, FakeDrawing::Line)) n += d.from.X == 352 && d.color == clSilver;
    return n;
  };
  EXPECT_GT(edgeLines(window.PaintNow(true)), 0);
  const TRect left{0, 0, 200, 320};
  window.InvalidateRect(&left, false);
  EXPECT_EQ(edgeLines(window.PaintNow()), 0);
}

TEST_F(ControlTest, AReversedColumnSelectionPaintsAsTheSwappedOne) {
  SetLines({"abcdef", "ab", "abcdef"});
  edit.SetSelectionMode(smColumn);
  edit.SetBlockBegin({5, 1});
  edit.SetBlockEnd({2, 3});
  const std::string reversed = TextLog(window.PaintNow(true));
  edit.SetBlockBegin({2, 1});
  edit.SetBlockEnd({5, 3});
  const platform::FakeCanvas& canvas = window.PaintNow(true);
  EXPECT_EQ(TextLog(canvas), reversed);
  const FakeDrawing* selected = TextDrawn(canvas, "bcd");
  ASSERT_NE(selected, nullptr) << TextLog(canvas);
  EXPECT_EQ(selected->from.X, 40);
  EXPECT_EQ(selected->background, ColorToRGB(edit.SelectedColor().Background()));
  EXPECT_EQ(selected->color, ColorToRGB(edit.SelectedColor().Foreground()));
}

struct SpecialLine {
  int line = 0;
  void Colors(TObject*, int Line, bool& Special, TColor& Fg, TColor& Bg) {
    if (Line != line) return;
    Special = true;
    Fg = clRed;
    Bg = clYellow;
  }
};

TEST_F(ControlTest, ASpecialRowShowsItsSelectionInItsColoursSwapped) {
  SetLines({"abcdef", "abcdef"});
  SpecialLine special{2};
  edit.OnSpecialLineColors = makeMethod<&SpecialLine::Colors>(&special);
  edit.SetBlockBegin({3, 1});
  edit.SetBlockEnd({3, 2});
  const platform::FakeCanvas& canvas = window.PaintNow(true);
  int row2 = 0;
  for (const FakeDrawing& d : OfKind(canvas, FakeDrawing::Text)) {
    if (d.from.Y != 16 || d.text.empty()) continue;
    ++row2;
    if (d.from.X == 32) {
      EXPECT_EQ(d.color, clYellow) << d.text;  // the selected part, swapped
      EXPECT_EQ(d.background, clRed);
    } else {
      EXPECT_EQ(d.color, clRed) << d.text;
      EXPECT_EQ(d.background, clYellow);
    }
  }
  EXPECT_EQ(row2, 2) << TextLog(canvas);
}

TEST_F(ControlTest, TheCaretLineTakesTheActiveLineColourOverTokenBackgrounds) {
  TSynPasSyn pascal;
  pascal.GetDefaultAttribute(SYN_ATTR_KEYWORD)->SetBackground(clYellow);
  SetLines({"begin end;", "begin end;"});
  edit.SetHighlighter(&pascal);
  edit.SetActiveLineColor(clAqua);
  const platform::FakeCanvas& canvas = window.PaintNow(true);
  bool row1 = false, row2 = false;
  for (const FakeDrawing& d : OfKind(canvas, FakeDrawing::Text)) {
    if (d.text.rfind("begin", 0) != 0) continue;
    if (d.from.Y == 0) {
      row1 = true;
      EXPECT_EQ(d.background, clAqua);
    } else if (d.from.Y == 16) {
      row2 = true;
      EXPECT_EQ(d.background, clYellow);
    }
  }
  EXPECT_TRUE(row1 && row2) << TextLog(canvas);
  edit.SetHighlighter(nullptr);
}

TEST_F(ControlTest, AHighlightedLineMergesTokensOfOneLook) {
  TSynPasSyn pascal;
  const std::string line = "  if a = b then c := d + e;";
  SetLines({line.c_str()});
  edit.SetHighlighter(&pascal);
  int tokens = 0;
  pascal.ResetRange();
  for (pascal.SetLine(line, 0); !pascal.GetEol(); pascal.Next()) ++tokens;
  const platform::FakeCanvas& canvas = window.PaintNow(true);
  int calls = 0;
  std::string shown;
  for (const FakeDrawing& d : OfKind(canvas, FakeDrawing::Text))
    if (d.from.Y == 0 && d.from.X >= 32) ++calls, shown += d.text;
  EXPECT_LT(calls, tokens);
  EXPECT_EQ(shown, line);
  edit.SetHighlighter(nullptr);
}

TEST_F(ControlTest, TheGutterBorderInTheMiddleIsTwoLines) {
  edit.Gutter().SetBorderStyle(gbsMiddle);
  const platform::FakeCanvas& canvas = window.PaintNow(true);
  const std::vector<FakeDrawing> lines = OfKind(canvas, FakeDrawing::Line);
  auto drawn = [&](int x, TColor color) {
    return std::any_of(lines.begin(), lines.end(), [&](const FakeDrawing& d) {
      return d.from.X == x && d.to.X == x && d.color == color && d.from.Y == 0 && d.to.Y == 320;
    });
  };
  EXPECT_TRUE(drawn(edit.GutterWidth() - 2, edit.Color()));
  EXPECT_TRUE(drawn(edit.GutterWidth() - 1, edit.Gutter().Color()));
}

struct GutterPaintLog {
  std::vector<std::array<int, 3>> calls;
  void Paint(TObject*, int Line, int X, int Y) { calls.push_back({Line, X, Y}); }
};

TEST_F(ControlTest, TwoMarksOnOneRowAreDrawnSideBySide) {
  SetLines({"a", "b"});
  TImageList images(10, 10);
  images.Add(TImage(10, 10, 0xFF0000FF));
  images.AddMasked(TImage(10, 10, 0xFF00FF00), clFuchsia);
  edit.BookMarkOptions().SetBookmarkImages(&images);
  for (int bookmark : {-1, 3}) {
    auto mark = std::make_unique<TSynEditMark>(&edit);
    mark->SetLine(2);
    mark->SetImage(bookmark < 0 ? 1 : 0);
    mark->SetBookmarkNumber(bookmark);
    mark->SetVisible(true);
    edit.Marks().Add(std::move(mark));
  }
  GutterPaintLog log;
  edit.OnGutterPaint = makeMethod<&GutterPaintLog::Paint>(&log);
  const platform::FakeCanvas& canvas = window.PaintNow(true);
  const int margin = edit.BookMarkOptions().LeftMargin(), step = edit.BookMarkOptions().Xoffset();
  const std::vector<FakeDrawing> glyphs = OfKind(canvas, FakeDrawing::Image);
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[0].rect.Left, margin);  // the bookmark first
  EXPECT_EQ(glyphs[1].rect.Left, margin + step);
  EXPECT_EQ(glyphs[0].rect.Top, 16);
  EXPECT_EQ(glyphs[0].color, clNone);  // drawn whole
  EXPECT_EQ(glyphs[1].color, clFuchsia);  // its mask colour left out
  const std::vector<std::array<int, 3>> expected = {{1, 0, 0}, {2, 2 * step, 16}};
  EXPECT_EQ(log.calls, expected);
  edit.BookMarkOptions().SetBookmarkImages(nullptr);
}

struct GutterTexts {
  void Number(TObject*, int& Line) { Line -= 1; }
  void Text(TObject*, int Line, std::string& Text) {
    if (Line == 3) Text = "**";
  }
};

TEST_F(ControlTest, GutterEventsRenumberAndReplaceTheNumbers) {
  SetLines({"a", "b", "c"});
  edit.Gutter().SetShowLineNumbers(true);
  GutterTexts texts;
  edit.OnLineNumber = makeMethod<&GutterTexts::Number>(&texts);
  edit.OnGutterGetText = makeMethod<&GutterTexts::Text>(&texts);
  std::vector<std::string> rows(3);
  for (const FakeDrawing& d : OfKind(window.PaintNow(true), FakeDrawing::Text))
    if (d.from.X < edit.GutterWidth() && d.from.Y / 16 < 3) rows[static_cast<std::size_t>(d.from.Y / 16)] = d.text;
  EXPECT_EQ(rows, (std::vector<std::string>{"", edit.Gutter().FormatLineNumber(1), "**"}));
}

TEST_F(ControlTest, InternalGlyphsTakeOnePlaceARow) {
  SetLines({"a"});
  for (int image : {0, 1, 12}) {  // the second shares the row, the third is no glyph
    auto mark = std::make_unique<TSynEditMark>(&edit);
    mark->SetLine(1);
    mark->SetImage(image);
    mark->SetBookmarkNumber(image);
    mark->SetVisible(true);
    edit.Marks().Add(std::move(mark));
  }
  GutterPaintLog log;
  edit.OnGutterPaint = makeMethod<&GutterPaintLog::Paint>(&log);
  const std::vector<FakeDrawing> glyphs = OfKind(window.PaintNow(true), FakeDrawing::Image);
  ASSERT_EQ(glyphs.size(), 1u);
  EXPECT_EQ(glyphs[0].rect.Left, edit.BookMarkOptions().LeftMargin());
  ASSERT_EQ(log.calls.size(), 1u);
  EXPECT_EQ(log.calls[0][1], 2 * edit.BookMarkOptions().Xoffset());
}

// Fixed cells whose italic characters reach 3 pixels into the next cell.
class LeaningFonts : public platform::FixedCellFonts {
 public:
  bool GetCharABCWidths(const platform::PlatformFont& font, unsigned char ch, TAbc& abc) override {
    FixedCellFonts::GetCharABCWidths(font, ch, abc);
    if (font.Desc().Italic) abc.C = 3;
    return true;
  }
};

TEST_F(ControlTest, TheFillLeavesRoomForAnItalicOverhang) {
  LeaningFonts fonts;
  platform::SetFonts(&fonts);
  TSynPasSyn pascal;
  SetLines({"{ c }"});
  edit.SetHighlighter(&pascal);
  const int cell = edit.CharWidth();
  const int textEnd = 32 + 5 * cell;
  bool filled = false;
  for (const FakeDrawing& d : OfKind(window.PaintNow(true), FakeDrawing::FillRect))
    if (d.rect.Top == 0 && d.rect.Right == 400 && d.rect.Left >= textEnd) {
      filled = true;
      EXPECT_EQ(d.rect.Left, textEnd + 8 + 3 - cell);
    }
  EXPECT_TRUE(filled);
  edit.SetHighlighter(nullptr);
  platform::SetFonts(&system.CellFonts());
}

TEST_F(ControlTest, AnyStateAndClipPaintsWithoutFault) {
  std::mt19937 rng(7);
  const int values[] = {INT_MIN, -1000, -1, 0, 1, 3, 17, 45, 1000, INT_MAX - 50, INT_MAX};
  auto any = [&] { return values[rng() % std::size(values)]; };
  TSynPasSyn pascal;
  SetLines({"program p; { comment", "  continued } begin", "\ta\tb  c", "", "x := 'str''ing';"});
  edit.SetOptions(edit.Options() | eoAutoSizeMaxLineWidth);
  for (int step = 0; step < 400; ++step) {
    switch (rng() % 8) {
      case 0: edit.SetHighlighter(rng() % 2 ? &pascal : nullptr); break;
      case 1: edit.SetOptionFlag(eoShowSpecialChars, rng() % 2); break;
      case 2: edit.SetSelectionMode(static_cast<TSynSelectionMode>(rng() % 3)); break;
      case 3: edit.SetBlockBegin({any(), any()}); edit.SetBlockEnd({any(), any()}); break;
      case 4: edit.SetLeftChar(any()); break;
      case 5: edit.SetTopLine(any()); break;
      case 6: edit.SetActiveLineColor(rng() % 2 ? clAqua : clNone); edit.SetRightEdge(any() & 0xFF); break;
      case 7: edit.SetCaretXY({any(), any()}); break;
    }
    const TRect clip{any() % 500, any() % 400, any() % 600, any() % 500};
    window.InvalidateRect(&clip, false);
    ASSERT_NO_THROW(window.PaintNow(rng() % 2)) << step;
    ASSERT_EQ(edit.TextDrawer().DrawingCount(), 0) << step;
  }
  edit.SetHighlighter(nullptr);
}

struct ThrowingPaint {
  void Paint(TObject*, platform::Canvas&) { throw std::runtime_error("paint"); }
};

TEST_F(ControlTest, AFailingPaintHandlerLeavesNothingLockedOrDrawing) {
  SetLines({"abc"});
  ThrowingPaint thrower;
  edit.OnPaint = makeMethod<&ThrowingPaint::Paint>(&thrower);
  EXPECT_THROW(window.PaintNow(true), std::runtime_error);
  EXPECT_EQ(edit.PaintLock(), 0);
  EXPECT_EQ(edit.TextDrawer().DrawingCount(), 0);
  edit.OnPaint = {};
  EXPECT_NE(TextDrawn(window.PaintNow(true), "abc"), nullptr);
}

}  // namespace
}  // namespace kau::editor::testing
