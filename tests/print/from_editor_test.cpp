// A print object taking its text, highlighter, font and selection from an
// editor control, and outliving it or going first.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/control/syn_edit.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/print/syn_edit_print.h"
#include "platform/fake/fake_printer.h"
#include "tests/print/fake_canvas_texts.h"

namespace kau::editor {
namespace {

using platform::FakePrinter;

struct EditorAndPrint {
  TSynPasSyn pas;
  TSynEdit edit;
  FakePrinter printer;
  TSynEditPrint print;

  EditorAndPrint() {
    for (const char* l : {"\tbegin", "    writeln;", "end.\tz"}) edit.Lines().Add(l);
    edit.SetTabWidth(4);
    edit.SetHighlighter(&pas);
    edit.Font().SetColor(clNavy);
    print.SetPrinter(&printer);
    print.SetSelectedOnly(true);
  }
  std::vector<std::string> PrintSelection(TSynSelectionMode Mode, TPoint Begin, TPoint End) {
    edit.SetSelectionMode(Mode);
    edit.SetBlockBegin(Begin);
    edit.SetBlockEnd(End);
    print.SetSynEdit(edit);
    print.Print();
    return Rows(*printer.Pages()[0]);
  }
};

TEST(PrintFromEditor, TakesTheSettingsAndTheSelectionInDisplayColumns) {
  EditorAndPrint e;
  struct Case {
    TSynSelectionMode mode;
    TPoint begin, end;  // the editor's, in characters
    std::vector<std::string> rows;
  } cases[] = {
      {smNormal, {2, 1}, {7, 3}, {"begin", "    writeln;", "end.    z"}},
      {smNormal, {7, 3}, {2, 1}, {"begin", "    writeln;", "end.    z"}},
      {smNormal, {3, 3}, {6, 3}, {"d.    "}},
      // Columns 5 to 8 on every line: the tab puts "begin" at column 5.
      {smColumn, {2, 1}, {9, 2}, {"begi", "writ"}},
      {smColumn, {9, 2}, {2, 1}, {"begi", "writ"}},
      {smLine, {3, 2}, {1, 3}, {"    writeln;", "end.    z"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(e.PrintSelection(c.mode, c.begin, c.end), c.rows) << c.mode << " " << c.begin.X << "," << c.begin.Y;

  EXPECT_EQ(e.print.Highlighter(), &e.pas);
  EXPECT_EQ(e.print.TabWidth(), 4);
  EXPECT_EQ(e.print.Font().Color(), clNavy);
  EXPECT_EQ(e.print.Lines().Get(0), "    begin");
  // "begin" is a reserved word: printed bold through the editor's highlighter.
  e.PrintSelection(smNormal, {2, 1}, {7, 1});
  EXPECT_EQ(Texts(*e.printer.Pages()[0]).back().font.Style(), fsBold);

  // Without a selection nothing is printed.
  const std::size_t calls = e.printer.Calls().size();
  e.PrintSelection(smNormal, {2, 1}, {2, 1});
  EXPECT_EQ(e.printer.Calls().size(), calls);
}

TEST(PrintFromEditor, EitherMayGoFirst) {
  FakePrinter printer;
  {
    auto pas = std::make_unique<TSynPasSyn>();
    auto edit = std::make_unique<TSynEdit>();
    edit->Lines().Add("begin end.");
    edit->SetHighlighter(pas.get());
    TSynEditPrint print;
    print.SetPrinter(&printer);
    print.SetSynEdit(*edit);
    edit.reset();
    pas.reset();
    EXPECT_EQ(print.Highlighter(), nullptr);
    print.Print();
    EXPECT_EQ(Rows(*printer.Pages()[0]), std::vector<std::string>{"begin end."});
  }
  TSynPasSyn pas;
  TSynEdit edit;
  edit.SetHighlighter(&pas);
  { TSynEditPrint gone; gone.SetSynEdit(edit); }
}

}  // namespace
}  // namespace kau::editor
