#include "editor/completion/formatted_text.h"

#include <gtest/gtest.h>

#include "editor/text_drawer/font_stock.h"
#include "platform/draw/fixed_cell_fonts.h"
#include "platform/fake/fake_canvas.h"

namespace kau::editor {
namespace {

using platform::FakeCanvas;
using platform::FakeDrawing;

TFormatChunk Text(const char* s) { return {s, fcNoCommand, 0, {}}; }
TFormatChunk Cmd(TFormatCommand c, std::int32_t data = 0) { return {"", c, data, {}}; }
TFormatChunk Style(char letter, int action) { return {"", fcStyle, 0, {letter, action}}; }

TEST(FormatChunks, Parse) {
  const struct {
    const char* text;
    TFormatCommands strip;
    bool wellFormed;
    TFormatChunkList chunks;
  } cases[] = {
      {"a\\\\b", 0, true, {Text("a\\b")}},
      {"x\\style{+B}y", 0, true, {Text("x"), Style('B', 1), Text("y")}},
      {"\\STYLE{~u}\\Style{-s}", 0, true, {Style('U', 0), Style('S', -1)}},
      {"\\style{B}z", 0, false, {Text("z")}},
      {"\\style{+X}", 0, false, {}},
      {"\\color{clRed}a", 0, true, {Cmd(fcColor, clRed), Text("a")}},
      {"\\Color{$FF0000}", 0, true, {Cmd(fcColor, clBlue)}},
      {"\\color{clRed}a", FormatCommandSet(fcColor), true, {Text("a")}},
      {"\\color{reddish}a", 0, false, {Text("a")}},
      {"a\\hspace{10}b", 0, true, {Text("a"), Cmd(fcHSpace, 10), Text("b")}},
      {"\\hspace{ten}\\image{-1}", 0, false, {Cmd(fcImage, -1)}},
      {"\\column{}\\column{x}", 0, true, {Cmd(fcColumn), Cmd(fcColumn)}},
      {"a\\bold{}b", 0, false, {Text("a"), Text("b")}},
      {"a\\column", 0, false, {Text("a")}},
      {"a\\column{", 0, false, {Text("a")}},
      {"a\\", 0, false, {Text("a")}},
      {"\\\\\\\\", 0, true, {Text("\\\\")}},
      {"", 0, true, {}},
  };
  for (const auto& c : cases) {
    TFormatChunkList chunks;
    EXPECT_EQ(ParseFormatChunks(c.text, chunks, c.strip), c.wellFormed) << c.text;
    EXPECT_EQ(chunks, c.chunks) << c.text;
  }
}

TEST(FormatChunks, PlainText) {
  EXPECT_EQ(FormattedStringToPlainText("\\color{clRed}if\\column{}\\style{+B}then\\\\x\\image{3}"), "ifthen\\x");
  EXPECT_EQ(FormattedStringToPlainText("wri\\bad{}teln"), "writeln");
}

// Text drawings in order: where, what, colour, and whether bold.
struct Piece {
  int x;
  std::string text;
  TColor color;
  bool bold;
  friend bool operator==(const Piece&, const Piece&) = default;
};

std::vector<Piece> Pieces(const FakeCanvas& canvas) {
  std::vector<Piece> pieces;
  for (const FakeDrawing& d : canvas.Drawings())
    if (d.kind == FakeDrawing::Text) pieces.push_back({d.from.X, d.text, d.color, d.font.Weight >= FW_BOLD});
  return pieces;
}

class FormattedTextTest : public ::testing::Test {
 protected:
  TFont font;
  FakeCanvas canvas;
  const TRect row{0, 20, 300, 36};
};

TEST_F(FormattedTextTest, DrawsStylesAndColoursPieceByPiece) {
  font.SetColor(clBlack);
  FormattedTextOut(canvas, font, row, "x\\style{+B}y\\style{~b}z", false, nullptr, nullptr);
  EXPECT_EQ(Pieces(canvas), (std::vector<Piece>{{0, "x", clBlack, false}, {8, "y", clBlack, true},
                                                 {17, "z", clBlack, false}}));
  for (const FakeDrawing& d : canvas.Drawings()) EXPECT_EQ(d.from.Y, 20);

  canvas.ClearDrawings();
  FormattedTextOut(canvas, font, row, "\\color{clRed}a", false, nullptr, nullptr);
  EXPECT_EQ(Pieces(canvas), (std::vector<Piece>{{0, "a", clRed, false}}));
  canvas.ClearDrawings();
  font.SetColor(clHighlightText);
  FormattedTextOut(canvas, font, row, "\\color{clRed}a", true, nullptr, nullptr);
  EXPECT_EQ(Pieces(canvas), (std::vector<Piece>{{0, "a", clHighlightText, false}}));
}

TEST_F(FormattedTextTest, LeavesTheCanvasAsItWas) {
  canvas.SetTextColor(clGreen);
  FormattedTextOut(canvas, font, row, "\\style{+B}\\color{clRed}a", false, nullptr, nullptr);
  EXPECT_EQ(canvas.TextColor(), clGreen);
  EXPECT_EQ(canvas.SelectedFont(), nullptr);
  EXPECT_EQ(canvas.SavedStates(), 0);
}

TEST_F(FormattedTextTest, Measures) {
  const struct {
    const char* text;
    int width;
  } cases[] = {
      {"a\\hspace{10}b", 26},
      {"ab", 16},
      {"a\\style{+B}b", 17},
      {"\\color{clRed}ab", 16},
      {"a\\hspace{-8}", 0},
      {"\\hspace{2147483647}\\hspace{2147483647}", INT32_MAX},
      {"\\image{0}a", 8},  // no images: no room
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(FormattedTextWidth(canvas, font, c.text, nullptr, nullptr), c.width) << c.text;
  EXPECT_TRUE(canvas.Drawings().empty());
}

TEST_F(FormattedTextTest, StopsPastTheRightEdge) {
  FormattedTextOut(canvas, font, {0, 0, 10, 16}, "ab\\hspace{1}cd", false, nullptr, nullptr);
  EXPECT_EQ(Pieces(canvas), (std::vector<Piece>{{0, "ab", clWindowText, false}}));
}

TEST_F(FormattedTextTest, ColumnsJumpAndSetTheirStyle) {
  TProposalColumns columns;
  columns.Add();
  columns.Add().SetDefaultFontStyle(fsBold);
  FormattedTextOut(canvas, font, {4, 0, 400, 16}, "if\\column{}then\\column{}x\\column{}y", false, &columns, nullptr);
  // "CONSTRUCTOR" and a blank are 12 cells of 8 pixels in the first column's
  // plain style, then 12 bold cells of 9; past the last column nothing moves.
  EXPECT_EQ(Pieces(canvas), (std::vector<Piece>{{4, "if", clWindowText, false}, {100, "then", clWindowText, true},
                                                 {208, "x", clWindowText, true}, {217, "y", clWindowText, true}}));
  EXPECT_EQ(columns.GetItem(0).InternalWidth(), 96);
  EXPECT_EQ(columns.GetItem(1).InternalWidth(), 108);

  TProposalColumns plain;
  plain.Add();
  plain.Add();
  EXPECT_EQ(FormattedTextWidth(canvas, font, "\\column{}", &plain, nullptr), 96);
  EXPECT_EQ(FormattedTextWidth(canvas, font, "\\column{}\\column{}", &plain, nullptr), 192);
}

TEST_F(FormattedTextTest, ImagesAreDrawnWhenThereAndTakeTheListsWidth) {
  TImageList images(12, 12);
  images.Add(TImage(12, 12));
  FormattedTextOut(canvas, font, row, "\\image{0}a\\image{5}b", false, nullptr, &images);
  std::vector<int> imagesAt;
  for (const FakeDrawing& d : canvas.Drawings())
    if (d.kind == FakeDrawing::Image) imagesAt.push_back(d.rect.Left);
  EXPECT_EQ(imagesAt, std::vector<int>{0});
  EXPECT_EQ(Pieces(canvas), (std::vector<Piece>{{12, "a", clWindowText, false}, {32, "b", clWindowText, false}}));
  EXPECT_EQ(FormattedTextWidth(canvas, font, "\\image{0}a\\image{5}b", nullptr, &images), 40);
}

TEST_F(FormattedTextTest, AHeldFontStockKeepsTheStyledFontsForLaterRows) {
  auto* fonts = dynamic_cast<platform::FixedCellFonts*>(&platform::Fonts());
  ASSERT_NE(fonts, nullptr);
  const TheFontStock held(&font);
  FormattedTextOut(canvas, font, row, "a\\style{+B}b\\style{+I}c", false, nullptr, nullptr);
  const int created = fonts->CreatedCount();
  for (int i = 0; i < 10; ++i) FormattedTextOut(canvas, font, row, "a\\style{+B}b\\style{+I}c", false, nullptr, nullptr);
  EXPECT_EQ(fonts->CreatedCount(), created);
}

TEST(PrettyText, ConvertsControlBytes) {
  const struct {
    std::string pretty;
    bool boldColumns;
    const char* formatted;
  } cases[] = {
      {std::string("\x01\xFF\x00\x00", 4), false, "\\color{clRed}"},
      {std::string("\x02\x01\x02\x03x", 5), false, "\\color{$00030201}x"},
      {"\x03" "b", false, "\\style{-B}"},
      {"\x03" "Ia\x03u", false, "\\style{+I}a\\style{-U}"},
      {"\x03" "s", false, ""},
      {"a\tb", true, "a\\column{}\\style{~B}b"},
      {"a\tb", false, "a\\column{}b"},
      {"a\\b", false, "a\\\\b"},
      {std::string("x\x01\xFF\x00", 4), false, "x"},
      {"x\x03", false, "x"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrettyTextToFormattedString(c.pretty, c.boldColumns), c.formatted) << c.formatted;
  EXPECT_EQ(FormattedStringToPlainText(PrettyTextToFormattedString("a\\b\tc", true)), "a\\bc");
}

}  // namespace
}  // namespace kau::editor
