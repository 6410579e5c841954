// The print engine on the fake printer: the default sheet with fixed-cell
// fonts (16-pixel lines; 9-pixel cells, the bold cell, since the cell must
// hold every style).
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/print/syn_edit_print.h"
#include "platform/fake/fake_printer.h"
#include "tests/print/fake_canvas_texts.h"
#include "text/code_pages.h"

namespace kau::editor {
namespace {

using platform::FakeCanvas;
using platform::FakeDrawing;
using platform::FakePrinter;

struct Engine {
  FakePrinter printer;
  TSynEditPrint print;
  TSynEditStringList lines;
  std::vector<std::string> statuses;
  std::vector<int> printedLines;
  int abortOnPage = 0;

  Engine() {
    print.SetPrinter(&printer);
    print.OnPrintStatus = TPrintStatusEvent::bind<&Engine::Status>(this);
    print.OnPrintLine = TPrintLineEvent::bind<&Engine::Line>(this);
  }
  void Status(TObject*, TSynPrintStatus status, int page, bool& abort) {
    statuses.push_back(std::to_string(status) + ":" + std::to_string(page));
    if (status == psNewPage && page == abortOnPage) abort = true;
  }
  void Line(TObject*, int line, int) { printedLines.push_back(line); }
  void Set(int count, const std::string& text = "x") {
    lines.Clear();
    for (int i = 0; i < count; ++i) lines.Add(text);
    print.SetLines(lines);
  }
};

TEST(PrintEngine, LinesPerPageAndPageCounts) {
  Engine e;
  struct Case {
    int lines, pages;
  } cases[] = {{0, 1}, {1, 1}, {182, 1}, {183, 2}, {364, 2}, {365, 3}};
  for (const Case& c : cases) {
    e.Set(c.lines);
    EXPECT_EQ(e.print.GetPageCount(), c.pages) << c.lines;
  }
  EXPECT_EQ(e.print.LineHeight(), 16);
  EXPECT_EQ(e.print.CharWidth(), 9);
  EXPECT_EQ(e.print.MaxCol(), 223);

  e.Set(0);
  e.print.Header().Add("H", nullptr, taLeftJustify, 1);
  e.print.Footer().Add("F", nullptr, taLeftJustify, 1);
  e.print.Print();
  ASSERT_EQ(e.printer.Pages().size(), 1u);
  auto t = Texts(*e.printer.Pages()[0]);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text, "H");
  EXPECT_EQ(t[1].text, "F");
}

TEST(PrintEngine, WrapAtMaxColAndNothingPastTheRightMargin) {
  Engine e;
  struct Case {
    std::string line;
    bool wrap;
    std::vector<std::string> rows;
  } cases[] = {
      {std::string(223, 'W'), true, {std::string(223, 'W')}},
      {std::string(224, 'W'), true, {std::string(223, 'W'), "W"}},
      {std::string(224, 'W'), false, {std::string(223, 'W')}},
      {std::string(220, 'a') + " bb,cc", true, {std::string(220, 'a') + " ", "bb,cc"}},
      {std::string(220, 'a') + ")bbbbb", true, {std::string(220, 'a') + ")", "bbbbb"}},
      {std::string(300, 'a'), true, {std::string(223, 'a'), std::string(77, 'a')}},
  };
  for (const Case& c : cases) {
    e.Set(1, c.line);
    e.print.SetWrap(c.wrap);
    e.print.Print();
    const FakeCanvas& page = *e.printer.Pages()[0];
    EXPECT_EQ(Rows(page), c.rows) << c.line.substr(0, 5);
    for (const FakeDrawing& d : Texts(page)) {
      int right = d.from.X;
      for (int a : d.advances) right += a;
      EXPECT_LE(right, 2239);
    }
  }
}

TEST(PrintEngine, AWrappedLineThatDoesNotFitOpensTheNextPage) {
  Engine e;
  for (int i = 0; i < 181; ++i) e.lines.Add("short");
  e.lines.Add(std::string(300, 'a'));
  e.print.SetLines(e.lines);
  EXPECT_EQ(e.print.GetPageCount(), 2);
  e.print.Print();
  EXPECT_EQ(Rows(*e.printer.Pages()[0]).size(), 181u);
  EXPECT_EQ(Rows(*e.printer.Pages()[1]), (std::vector<std::string>{std::string(223, 'a'), std::string(77, 'a')}));

  // Only a line taller than a page continues across pages.
  e.lines.Clear();
  e.lines.Add("first");
  e.lines.Add(std::string(223 * 200, 'b'));
  e.print.SetLines(e.lines);
  EXPECT_EQ(e.print.GetPageCount(), 2);
  e.printedLines.clear();
  e.print.Print();
  EXPECT_EQ(Rows(*e.printer.Pages()[0]).size(), 182u);
  EXPECT_EQ(Rows(*e.printer.Pages()[1]).size(), 19u);
  EXPECT_EQ(e.printedLines, (std::vector<int>{1, 2}));
}

TEST(PrintEngine, SelectedOnly) {
  Engine e;
  for (const char* l : {"line one", "line two", "line three", "line four", "line five", "\tab"}) e.lines.Add(l);
  e.print.SetLines(e.lines);
  e.print.SetSelectedOnly(true);
  struct Case {
    TSynSelectionMode mode;
    TPoint begin, end;
    std::vector<std::string> rows;
  } cases[] = {
      {smNormal, {3, 2}, {5, 4}, {"ne two", "line three", "line"}},
      {smNormal, {5, 4}, {3, 2}, {"ne two", "line three", "line"}},
      {smNormal, {2, 3}, {5, 3}, {"ine"}},
      {smColumn, {6, 1}, {9, 2}, {"one", "two"}},
      {smLine, {6, 1}, {2, 2}, {"line one", "line two"}},
      {smNormal, {9, 6}, {11, 6}, {"ab"}},  // display columns after the tab
  };
  for (const Case& c : cases) {
    e.print.SetSelection(true, c.mode, c.begin, c.end);
    e.print.Print();
    EXPECT_EQ(Rows(*e.printer.Pages()[0]), c.rows) << c.begin.X << "," << c.begin.Y;
  }
  const std::size_t calls = e.printer.Calls().size();
  e.print.SetSelection(false, smNormal, {1, 1}, {1, 1});
  e.print.Print();
  EXPECT_EQ(e.printer.Calls().size(), calls);
}

TEST(PrintEngine, LineNumbersEndAtTheLeftMarginInBlack) {
  Engine e;
  e.Set(3, "abc");
  e.print.Font().SetStyle(fsBold);
  e.print.Font().SetColor(clRed);
  e.print.SetLineNumbers(true);
  e.print.SetLineOffset(7);
  e.print.Print();
  auto t = Texts(*e.printer.Pages()[0]);
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0].text, "8: ");
  EXPECT_EQ(t[0].color, clBlack);
  EXPECT_EQ(t[0].font.Style(), 0);
  // "10: " in the bold text font sized the column; the number is plain.
  EXPECT_EQ(t[0].from.X + 3 * 8, 230 + 4 * 9);
  EXPECT_EQ(t[1].from.X, 230 + 4 * 9);
  EXPECT_EQ(t[1].color, clRed);
  EXPECT_EQ(t[0].rect.Right, t[1].from.X);
  e.print.SetLineNumbersInMargin(true);
  e.print.Print();
  t = Texts(*e.printer.Pages()[0]);
  EXPECT_EQ(t[0].rect.Right, 230);
  EXPECT_EQ(t[1].from.X, 230);
}

TEST(PrintEngine, StatusEventsAbortAndCopies) {
  Engine e;
  e.Set(183);
  e.print.Title = "T";
  e.print.Print();
  EXPECT_EQ(e.statuses, (std::vector<std::string>{"0:1", "1:1", "1:2", "2:2"}));
  EXPECT_EQ(e.printer.Calls(), (std::vector<std::string>{"BeginDoc:T", "NewPage", "EndDoc"}));
  EXPECT_FALSE(e.print.Printing());

  FakePrinter aborted;
  e.print.SetPrinter(&aborted);
  e.statuses.clear();
  e.abortOnPage = 2;
  e.print.DocTitle = "D";
  e.print.Print();
  EXPECT_EQ(e.statuses, (std::vector<std::string>{"0:1", "1:1", "1:2"}));
  EXPECT_EQ(aborted.Calls(), (std::vector<std::string>{"BeginDoc:D", "NewPage", "Abort"}));
  EXPECT_FALSE(e.print.Printing());

  FakePrinter copies;
  e.print.SetPrinter(&copies);
  e.abortOnPage = 0;
  e.statuses.clear();
  e.Set(365);
  e.print.Copies = 2;
  e.print.Print();
  EXPECT_EQ(e.statuses, (std::vector<std::string>{"0:1", "1:1", "1:2", "1:3", "1:1", "1:2", "1:3", "2:3"}));
  EXPECT_EQ(copies.CountOf("NewPage"), 5);
  EXPECT_EQ(copies.Pages().size(), 6u);
}

TEST(PrintEngine, JobsThatCannotRunStartNothing) {
  Engine e;
  e.Set(365);
  struct Case {
    int first, last;
    const char* message;
  } cases[] = {{4, -1, "Intervalo de páginas inválido."}, {0, 2, "Intervalo de páginas inválido."},
               {3, 2, "Intervalo de páginas inválido."}};
  for (const Case& c : cases) {
    try {
      e.print.PrintRange(c.first, c.last);
      ADD_FAILURE() << c.first;
    } catch (const ESynEditPrint& x) {
      EXPECT_EQ(x.what(), text::cp1252(c.message));
    }
  }
  EXPECT_TRUE(e.printer.Calls().empty());
  e.print.PrintRange(2, 99);
  EXPECT_EQ(e.statuses.back(), "2:3");
  EXPECT_EQ(e.printer.Pages().size(), 2u);

  FakePrinter none;
  none.SetHasPrinter(false);
  e.print.SetPrinter(&none);
  EXPECT_THROW(e.print.Print(), ESynEditPrint);
  EXPECT_TRUE(none.Calls().empty());

  FakePrinter failing;
  failing.FailNextBeginDoc();
  e.print.SetPrinter(&failing);
  EXPECT_THROW(e.print.Print(), ESynEditPrint);
  EXPECT_FALSE(e.print.Printing());

  e.print.SetPrinter(&e.printer);
  e.print.Margins().SetLeft(100);
  e.print.Margins().SetRight(110);
  try {
    e.print.GetPageCount();
    ADD_FAILURE();
  } catch (const ESynEditPrint& x) {
    EXPECT_EQ(x.what(), text::cp1252("As margens não deixam espaço para o texto."));
  }
}

TEST(PrintEngine, PageCountIsThePagesPrintedAndPreviewed) {
  Engine e;
  e.Set(200);
  e.print.Footer().Add("$PAGENUM$/$PAGECOUNT$", nullptr, taLeftJustify, 1);
  EXPECT_EQ(e.print.GetPageCount(), 2);
  e.print.SetWrap(true);
  e.print.Print();
  EXPECT_EQ(e.printer.Pages().size(), 2u);
  EXPECT_EQ(Texts(*e.printer.Pages()[1]).back().text, "2/2");
  FakeCanvas preview;
  e.print.PrintToCanvas(preview, 2);
  EXPECT_EQ(Texts(preview).back().text, "2/2");
  FakeCanvas outside;
  e.print.PrintToCanvas(outside, 3);
  e.print.PrintToCanvas(outside, 0);
  EXPECT_TRUE(outside.Drawings().empty());
  // A layout change makes the pages stale.
  e.print.Margins().SetTop(150);
  EXPECT_GT(e.print.GetPageCount(), 2);
}

TEST(PrintEngine, HighlightedPrinting) {
  Engine e;
  TSynPasSyn pas;
  for (const char* l : {"x := 1; { a", "still comment", "} y := 2;"}) e.lines.Add(l);
  e.print.SetLines(e.lines);
  e.print.SetHighlighter(&pas);
  pas.CommentAttri()->SetForeground(clGreen);
  e.print.Font().SetColor(clNavy);
  for (bool colors : {false, true}) {
    e.print.Colors = colors;
    e.print.Print();
    const auto t = Texts(*e.printer.Pages()[0]);
    const FakeDrawing* second = nullptr;
    for (const FakeDrawing& d : t)
      if (d.text == "still comment") second = &d;
    ASSERT_NE(second, nullptr) << colors;
    EXPECT_EQ(second->font.Style(), fsItalic);
    EXPECT_EQ(second->color, colors ? clGreen : clNavy);
    EXPECT_EQ(second->from.X, 230);
    EXPECT_EQ(second->advances, std::vector<int>(13, 9));
  }
  e.print.Highlight = false;
  e.print.Print();
  EXPECT_EQ(Rows(*e.printer.Pages()[0])[1], "still comment");
  EXPECT_EQ(Texts(*e.printer.Pages()[0])[1].font.Style(), 0);
}

TEST(PrintEngine, AFreedHighlighterLeavesNoLink) {
  Engine e;
  e.Set(3, "{ x }");
  auto pas = std::make_unique<TSynPasSyn>();
  e.print.SetHighlighter(pas.get());
  e.print.Print();
  EXPECT_EQ(Texts(*e.printer.Pages()[0])[0].font.Style(), fsItalic);
  pas.reset();
  EXPECT_EQ(e.print.Highlighter(), nullptr);
  e.print.Print();
  EXPECT_EQ(Texts(*e.printer.Pages()[0])[0].font.Style(), 0);
  // And a print object that goes first unhooks itself.
  TSynPasSyn kept;
  { TSynEditPrint gone; gone.SetHighlighter(&kept); }
}

TEST(PrintEngine, TabsExpandToBlanks) {
  Engine e;
  e.lines.Add("a\tb");
  e.print.SetTabWidth(4);
  e.print.SetLines(e.lines);
  EXPECT_EQ(e.print.Lines().Get(0), "a   b");
}

TEST(PrintEngine, SettingsStreamRoundTripsAndDamageChangesNothing) {
  TSynEditPrint p;
  p.Header().Add("$TITLE$", nullptr, taLeftJustify, 1);
  p.Footer().Add("$PAGENUM$", nullptr, taRightJustify, 1);
  p.Margins().SetLeft(10);
  p.Title = "Title";
  p.DocTitle = "Doc";
  p.SetWrap(false);
  p.Colors = true;
  p.SetLineNumbers(true);
  p.SetLineOffset(-3);
  p.PageOffset = 4;
  std::ostringstream out;
  p.SaveToStream(out);
  const std::string bytes = out.str();
  TSynEditPrint q;
  std::istringstream in(bytes);
  q.LoadFromStream(in);
  EXPECT_EQ(q.Header().Count(), 1);
  EXPECT_EQ(q.Footer().Get(0).Text, "$PAGENUM$");
  EXPECT_EQ(q.Margins().Left(), 10);
  EXPECT_EQ(q.Title, "Title");
  EXPECT_EQ(q.DocTitle, "Doc");
  EXPECT_FALSE(q.Wrap());
  EXPECT_TRUE(q.Colors && q.Highlight && q.LineNumbers());
  EXPECT_EQ(q.LineOffset(), -3);
  EXPECT_EQ(q.PageOffset, 4);
  for (std::size_t n = 0; n < bytes.size(); n += 3) {
    TSynEditPrint r;
    std::istringstream cut(bytes.substr(0, n));
    EXPECT_THROW(r.LoadFromStream(cut), EReadError) << n;
    EXPECT_EQ(r.Header().Count(), 0);
    EXPECT_TRUE(r.Title.empty());
    EXPECT_EQ(r.Margins().Left(), 25);
  }
}

}  // namespace
}  // namespace kau::editor
