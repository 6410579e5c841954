// Headers and footers: macros, the text and stream forms, and their drawing
// on the default sheet with fixed-cell fonts (16-pixel lines).
#include <gtest/gtest.h>

#include <sstream>

#include "editor/print/header_footer.h"
#include "platform/fake/fake_printer.h"
#include "tests/print/fake_canvas_texts.h"

namespace kau::editor {
namespace {

using platform::FakeCanvas;
using platform::FakeDrawing;

TEST(HeaderFooterItem, Macros) {
  struct Case {
    const char* text;
    int page, count;
    bool roman;
    const char* expected;
  } cases[] = {
      {"$PAGENUM$ / $PAGECOUNT$", 3, 12, false, "3 / 12"},
      {"$PAGENUM$ / $PAGECOUNT$", 3, 12, true, "III / XII"},
      {"$pagenum$ $Title$", 2, 5, false, "2 T"},
      {"$X$ $DATE$", 1, 1, false, "$X$ 31/01/2026"},
      {"$TIME$|$DATETIME$|$TIMEDATE$", 1, 1, false, "09:05:07|31/01/2026 09:05:07|09:05:07 31/01/2026"},
      {"$X$PAGENUM$", 4, 4, false, "$X4"},
      {"a $ b", 1, 1, false, "a $ b"},
      {"   ", 1, 1, false, ""},
  };
  for (const Case& c : cases) {
    THeaderFooterItem item;
    item.Text = c.text;
    EXPECT_EQ(item.GetText(c.count, c.page, c.roman, "T", "09:05:07", "31/01/2026"), c.expected) << c.text;
  }
  SetPrintClock([] { return TPrintDateTime{2026, 1, 31, 9, 5, 7}; });
  EXPECT_EQ(FormatPrintDate(PrintNow()), "31/01/2026");
  EXPECT_EQ(FormatPrintTime(PrintNow()), "09:05:07");
  SetPrintClock(nullptr);
}

THeaderFooterItem ArialItem() {
  THeaderFooterItem item;
  item.Text = "a/b";
  TFontDesc d;
  d.Name = "Arial";
  d.CharSet = 0;
  item.Font().SetDesc(d);
  item.Font().SetColor(0);
  item.Font().SetSize(10);
  item.LineNumber = 1;
  item.Alignment = taCenter;
  return item;
}

TEST(HeaderFooterText, ExactFormsBothWays) {
  const std::string itemForm = "a\\.b/0/0/-13/Arial/0/96/10/0/1/2";
  const std::string headerForm = "a\\\\.b\\.0\\.0\\.-13\\.Arial\\.0\\.96\\.10\\.0\\.1\\.2";
  EXPECT_EQ(ArialItem().GetAsString(), itemForm);
  THeader h;
  h.Add("a/b", &ArialItem().Font(), taCenter, 1);
  EXPECT_EQ(h.GetAsString(), headerForm);
  THeader back;
  back.SetAsString(headerForm);
  ASSERT_EQ(back.Count(), 1);
  EXPECT_EQ(back.Get(0).Text, "a/b");
  EXPECT_EQ(back.Get(0).Font().Name(), "Arial");
  EXPECT_EQ(back.Get(0).Font().Size(), 10);
  EXPECT_EQ(back.Get(0).LineNumber, 1);
  EXPECT_EQ(back.Get(0).Alignment, taCenter);
  back.SetAsString(headerForm + "/");
  EXPECT_EQ(back.Count(), 1);

  THeaderFooterItem partial;
  partial.SetAsString("x/1/2/3");
  EXPECT_EQ(partial.Font().Name(), "");
  EXPECT_EQ(partial.LineNumber, 0);
  EXPECT_EQ(partial.Alignment, taLeftJustify);
  partial.SetAsString("x/0/0/0/Arial/0/300/12/1/7/258");
  EXPECT_EQ(partial.Font().Height(), -50);
  EXPECT_EQ(partial.Font().Style(), fsBold);
  EXPECT_EQ(partial.Alignment, taCenter);  // low 8 bits of 258
}

TEST(HeaderFooterText, GettingItRenumbersLinesInListOrder) {
  TFooter f;
  for (int line : {3, 3, 5}) f.Add("x", nullptr, taLeftJustify, line);
  const std::string form = f.GetAsString();
  EXPECT_EQ(f.Get(0).LineNumber, 1);
  EXPECT_EQ(f.Get(1).LineNumber, 1);
  EXPECT_EQ(f.Get(2).LineNumber, 2);
  EXPECT_NE(form.find("\\.1\\.0/"), std::string::npos);
  EXPECT_EQ(form.substr(form.size() - 6), "\\.2\\.0");
}

TEST(HeaderFooterStream, RoundTripAppendsAndDamageChangesNothing) {
  TFooter f;
  f.FrameTypes = ftBox | ftShaded;
  f.ShadedColor = clYellow;
  f.LineColor = clRed;
  f.RomanNumbers = true;
  f.MirrorPosition = true;
  f.DefaultFont().SetName("Courier New");
  f.DefaultFont().SetSize(12);
  TFont bold;
  bold.SetName("Arial");
  bold.SetStyle(fsBold | fsItalic);
  bold.SetColor(clBlue);
  bold.SetPitch(fpVariable);
  f.Add("one", &bold, taRightJustify, 2);
  f.Add("two", nullptr, taCenter, 1);
  f.Add("three", nullptr, taLeftJustify, 4);
  std::ostringstream out;
  f.SaveToStream(out);
  const std::string bytes = out.str();

  TFooter g;
  g.Add("old1", nullptr, taLeftJustify, 1);
  g.Add("old2", nullptr, taLeftJustify, 1);
  std::istringstream in(bytes);
  g.LoadFromStream(in);
  ASSERT_EQ(g.Count(), 5);
  EXPECT_EQ(g.Get(2).Text, "one");
  EXPECT_EQ(g.Get(4).Text, "three");
  EXPECT_EQ(g.FrameTypes, ftBox | ftShaded);
  EXPECT_EQ(g.ShadedColor, clYellow);
  EXPECT_EQ(g.LineColor, clRed);
  EXPECT_TRUE(g.RomanNumbers && g.MirrorPosition);
  EXPECT_EQ(g.DefaultFont().Name(), "Courier New");
  EXPECT_EQ(g.DefaultFont().Size(), 12);
  const THeaderFooterItem& one = g.Get(2);
  EXPECT_EQ(one.LineNumber, 2);
  EXPECT_EQ(one.Alignment, taRightJustify);
  EXPECT_EQ(one.Font().Name(), "Arial");
  EXPECT_EQ(one.Font().Style(), fsBold | fsItalic);
  EXPECT_EQ(one.Font().Color(), clBlue);
  EXPECT_EQ(one.Font().Pitch(), fpVariable);
  EXPECT_EQ(one.Font().Size(), bold.Size());

  for (std::size_t n = 0; n < bytes.size(); ++n) {
    TFooter h;
    h.Add("kept", nullptr, taLeftJustify, 1);
    std::istringstream cut(bytes.substr(0, n));
    EXPECT_THROW(h.LoadFromStream(cut), EReadError) << n;
    EXPECT_EQ(h.Count(), 1);
    EXPECT_EQ(h.FrameTypes, ftLine);
    EXPECT_EQ(h.DefaultFont().Name(), "Arial");
  }
  struct Damage {
    std::size_t at;
    std::string bytes;
  } damages[] = {
      {0, "\x08"},                  // frame types beyond the three
      {9, "\x02"},                  // a boolean
      {11 + 1 + 4 + 4 + 4 + 11, "\x03"},  // the default font's pitch
  };
  for (const Damage& d : damages) {
    std::string bad = bytes;
    bad.replace(d.at, d.bytes.size(), d.bytes);
    TFooter h;
    std::istringstream badIn(bad);
    EXPECT_THROW(h.LoadFromStream(badIn), EReadError) << d.at;
  }
  // The item count just before the items: negative, or beyond the rest.
  const std::size_t countAt = 11 + 1 + 4 + 4 + 4 + 11 + 1 + 4 + 1;
  for (std::int32_t count : {-1, 4, 0x7FFFFFFF}) {
    std::string bad = bytes;
    for (int i = 0; i < 4; ++i) bad[countAt + i] = static_cast<char>(static_cast<std::uint32_t>(count) >> (8 * i));
    TFooter h;
    std::istringstream badIn(bad);
    EXPECT_THROW(h.LoadFromStream(badIn), EReadError) << count;
  }
}

TEST(HeaderFooterAssign, CopiesTheKindAndRefusesOthers) {
  TFooter f;
  f.Add("a", nullptr, taLeftJustify, 1);
  f.RomanNumbers = true;
  THeader h;
  EXPECT_TRUE(h.Assign(f));
  EXPECT_EQ(h.Type(), hftFooter);
  EXPECT_EQ(h.Count(), 1);
  EXPECT_TRUE(h.RomanNumbers);
  EXPECT_TRUE(h.Assign(h));
  EXPECT_EQ(h.Count(), 1);
  TSynEditPrintMargins m;
  EXPECT_FALSE(h.Assign(m));
  EXPECT_EQ(h.Count(), 1);
  EXPECT_THROW(h.Get(1), std::out_of_range);
  EXPECT_THROW(h.Delete(-1), std::out_of_range);
  h.Delete(0);
  EXPECT_EQ(h.Count(), 0);
}

struct Printed {
  platform::FakePrinter printer;
  TSynEditPrinterInfo info{&printer};
  TSynEditPrintMargins margins;
  FakeCanvas canvas{{0, 0, 2358, 3407}};
  Printed() { margins.InitPage(1, info, TFontDesc{}, false, false, 0); }
  void Print(THeaderFooter& hf, int page, int pages = 3) {
    margins.InitPage(page, info, TFontDesc{}, false, false, 0);
    hf.InitPrint(pages, "Title", &margins);
    hf.Print(canvas, page);
  }
};

TEST(HeaderFooterPrint, FrameHeightsAndPlaces) {
  Printed p;
  THeader h;
  h.Add("L", nullptr, taLeftJustify, 1);
  h.Add("RR", nullptr, taRightJustify, 1);
  h.Add("CCC", nullptr, taCenter, 1);
  p.Print(h, 1);
  EXPECT_EQ(h.FrameHeight(), 28);
  auto t = Texts(p.canvas);
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].from, (TPixelPoint{254, 105}));
  EXPECT_EQ(t[1].from, (TPixelPoint{2215 - 16, 105}));
  EXPECT_EQ(t[2].from, (TPixelPoint{(254 + 2215 - 24) / 2, 105}));

  h.Add("second", nullptr, taLeftJustify, 7);
  p.canvas.ClearDrawings();
  p.Print(h, 1);
  EXPECT_EQ(h.FrameHeight(), 44);
  t = Texts(p.canvas);
  EXPECT_EQ(t[0].from.Y, 127 - 44 + 6);
  EXPECT_EQ(t[3].from.Y, 127 - 44 + 6 + 16);

  // An item added after InitPrint is laid out with the others.
  h.Add("late", nullptr, taLeftJustify, 9);
  p.canvas.ClearDrawings();
  h.Print(p.canvas, 1);
  EXPECT_EQ(Texts(p.canvas).back().text, "late");
  EXPECT_EQ(h.FrameHeight(), 60);

  TFooter f;
  f.Add("$PAGENUM$", nullptr, taLeftJustify, 0);
  f.Add("below", nullptr, taLeftJustify, -3);
  p.canvas.ClearDrawings();
  p.Print(f, 2);
  t = Texts(p.canvas);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text, "below");
  EXPECT_EQ(t[0].from.Y, 3286);
  EXPECT_EQ(t[1].from.Y, 3286 + 16);
}

TEST(HeaderFooterPrint, MirroredPositionAndAssignedFooterKind) {
  Printed p;
  THeader h;
  h.MirrorPosition = true;
  h.Add("L", nullptr, taLeftJustify, 1);
  h.Add("odd", nullptr, static_cast<TAlignment>(9), 1);  // unknown alignment: left
  p.Print(h, 2);
  auto t = Texts(p.canvas);
  // Page 2 with plain margins: the left item goes right, and the other one too.
  EXPECT_EQ(t[0].from.X, 2215 - 8);
  EXPECT_EQ(t[1].from.X, 2215 - 24);
  p.canvas.ClearDrawings();
  p.Print(h, 3);
  EXPECT_EQ(Texts(p.canvas)[0].from.X, 254);

  TFooter f;
  f.Add("F", nullptr, taLeftJustify, 1);
  THeader asFooter;
  asFooter.Assign(f);
  p.canvas.ClearDrawings();
  p.Print(asFooter, 1);
  EXPECT_GT(Texts(p.canvas)[0].from.Y, 3280);
}

TEST(HeaderFooterPrint, FrameTypes) {
  struct Case {
    TFrameTypes frames;
    int fills, lines;
  } cases[] = {{0, 0, 0}, {ftLine, 0, 1}, {ftBox, 0, 4}, {ftShaded, 1, 0}, {ftLine | ftBox | ftShaded, 1, 5}};
  for (const Case& c : cases) {
    Printed p;
    TFooter f;
    f.FrameTypes = c.frames;
    f.ShadedColor = clYellow;
    f.LineColor = clRed;
    f.Add("x", nullptr, taLeftJustify, 1);
    p.Print(f, 1);
    int fills = 0, lines = 0;
    for (const FakeDrawing& d : p.canvas.Drawings()) {
      if (d.kind == FakeDrawing::FillRect) {
        ++fills;
        EXPECT_EQ(d.rect, (TRect{230, 3280, 2239, 3280 + 28}));
        EXPECT_EQ(d.color, clYellow);
      }
      if (d.kind == FakeDrawing::Line) {
        ++lines;
        EXPECT_EQ(d.color, clRed);
      }
    }
    EXPECT_EQ(fills, c.fills) << int(c.frames);
    EXPECT_EQ(lines, c.lines) << int(c.frames);
  }
  Printed p;
  THeader empty;
  p.Print(empty, 1);
  EXPECT_EQ(empty.FrameHeight(), -1);
  EXPECT_TRUE(p.canvas.Drawings().empty());
}

}  // namespace
}  // namespace kau::editor
