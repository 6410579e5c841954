#include <memory>

#include "editor/highlight/pascal_highlighter.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

TEST_F(ControlTest, ANewControlHasItsDefaults) {
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 1}));
  EXPECT_EQ(edit.BlockBegin(), (TPoint{1, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TPoint{1, 1}));
  EXPECT_FALSE(edit.SelAvail());
  EXPECT_EQ(edit.TopLine(), 1);
  EXPECT_EQ(edit.LeftChar(), 1);
  EXPECT_EQ(edit.RightEdge(), 80);
  EXPECT_EQ(edit.RightEdgeColor(), clSilver);
  EXPECT_EQ(edit.Font().Name(), "Courier New");
  EXPECT_EQ(edit.Font().Size(), 10);
  EXPECT_TRUE(edit.InsertMode());
  EXPECT_EQ(edit.InsertCaret(), ctVerticalLine);
  EXPECT_EQ(edit.OverwriteCaret(), ctBlock);
  EXPECT_EQ(edit.ActiveLineColor(), clNone);
  EXPECT_EQ(edit.MaxLineWidth(), 1024);
  EXPECT_EQ(edit.GetMaxUndo(), 1024);
  EXPECT_EQ(edit.TabWidth(), 8);
  EXPECT_EQ(edit.SelectionMode(), smNormal);
  EXPECT_EQ(edit.ScrollBars(), ssBoth);
  EXPECT_EQ(edit.BorderStyle(), bsSingle);
  EXPECT_EQ(edit.ScrollHintColor(), clInfoBk);
  EXPECT_EQ(edit.ScrollHintFormat(), shfTopLineOnly);
  EXPECT_EQ(edit.Color(), clWindow);
  EXPECT_EQ(edit.Cursor(), crIBeam);
  EXPECT_TRUE(edit.WantReturns());
  EXPECT_FALSE(edit.WantTabs());
  EXPECT_FALSE(edit.ReadOnly());
  EXPECT_FALSE(edit.HideSelection());
  EXPECT_EQ(edit.ExtraLineSpacing(), 0);
  EXPECT_EQ(edit.Highlighter(), nullptr);
  EXPECT_EQ(edit.Options(), 0x3360092u);
  EXPECT_EQ(edit.Keystrokes().Count(), 82);
  EXPECT_TRUE(window.HasBorder());
}

TEST_F(ControlTest, TheWindowGivesTheCellsAndTheCounts) {
  EXPECT_EQ(edit.CharWidth(), 8);
  EXPECT_EQ(edit.LineHeight(), 16);
  EXPECT_EQ(edit.CharsInWindow(), 46);
  EXPECT_EQ(edit.LinesInWindow(), 20);
  EXPECT_EQ(edit.GutterWidth(), 30);
  EXPECT_EQ(edit.TextOffset(), 32);
}

TEST_F(ControlTest, BoldHighlighterAttributesWidenTheCell) {
  TSynPasSyn pascal;
  edit.SetHighlighter(&pascal);
  EXPECT_EQ(edit.CharWidth(), 9);
  EXPECT_EQ(edit.CharsInWindow(), 40);
  edit.SetHighlighter(nullptr);
  EXPECT_EQ(edit.CharWidth(), 8);
}

TEST_F(ControlTest, ExtraLineSpacingNeverMakesARowVanish) {
  edit.SetExtraLineSpacing(4);
  EXPECT_EQ(edit.LineHeight(), 20);
  EXPECT_EQ(edit.LinesInWindow(), 16);
  edit.SetExtraLineSpacing(-100);
  EXPECT_EQ(edit.LineHeight(), 1);
  EXPECT_EQ(edit.LinesInWindow(), 320);
}

TEST_F(ControlTest, AProportionalFontBecomesFixedPitchOfTheSameLook) {
  TFont arial;
  arial.SetName("Arial");
  arial.SetSize(12);
  arial.SetStyle(fsItalic);
  arial.SetColor(clRed);
  edit.SetFont(arial);
  EXPECT_EQ(edit.Font().Name(), "Arial");
  EXPECT_EQ(edit.Font().Pitch(), fpFixed);
  EXPECT_EQ(edit.Font().Size(), 12);
  EXPECT_EQ(edit.Font().Style(), fsItalic);
  EXPECT_EQ(edit.Font().Color(), clRed);

  TFont courier;
  courier.SetName("Courier New");
  courier.SetSize(9);
  edit.SetFont(courier);
  EXPECT_EQ(edit.Font().Name(), "Courier New");
  EXPECT_EQ(edit.Font().Pitch(), fpDefault);
}

TEST_F(ControlTest, ShowingLineNumbersWidensTheGutter) {
  edit.Gutter().SetShowLineNumbers(true);
  EXPECT_EQ(edit.GutterWidth(), 16 + 2 + 4 * 8 + 2);
  EXPECT_EQ(edit.TextOffset(), 54);
  EXPECT_EQ(edit.CharsInWindow(), (400 - 52 - 2) / 8);
}

TEST_F(ControlTest, TextAndIndentation) {
  EXPECT_EQ(edit.SynGetText(), "");
  SetLines({"a", "b"});
  EXPECT_EQ(edit.SynGetText(), "a\r\nb");
  EXPECT_EQ(edit.GetLineText(), "a");
  edit.SetCaretY(5);
  EXPECT_EQ(edit.CaretY(), 2);

  EXPECT_EQ(edit.LeftSpacesEx("\t  x", false), 3);
  EXPECT_EQ(edit.LeftSpacesEx("\t  x", true), 8 + 2);
  EXPECT_EQ(edit.LeftSpaces(""), 0);
  EXPECT_EQ(edit.GetLeftSpacing(5, true), "     ");
  EXPECT_EQ(edit.GetLeftSpacing(10, true), std::string(10, ' '));
  EXPECT_EQ(edit.GetLeftSpacing(-3, true), "");
  edit.SetOptionFlag(eoTabsToSpaces, false);
  EXPECT_EQ(edit.GetLeftSpacing(10, true), "\t  ");
  EXPECT_EQ(edit.GetLeftSpacing(10, false), std::string(10, ' '));
  edit.SetOptionFlag(eoAutoIndent, false);
  EXPECT_EQ(edit.LeftSpacesEx("\t  x", true), 0);

  EXPECT_EQ(TrimTrailing("ab \t \t"), "ab");
  EXPECT_EQ(TrimTrailing(" \t"), "");
}

TEST_F(ControlTest, OptionsAndSettersClampAndReport) {
  edit.SetTabWidth(0);
  EXPECT_EQ(edit.TabWidth(), 1);
  edit.SetTabWidth(300);
  EXPECT_EQ(edit.TabWidth(), 256);
  EXPECT_EQ(edit.Lines().TabWidth(), 256);
  edit.SetMaxUndo(-1);
  EXPECT_EQ(edit.GetMaxUndo(), 1024);
  edit.SetMaxUndo(5);
  EXPECT_EQ(edit.UndoList().MaxUndoActions(), 5);
  EXPECT_EQ(edit.RedoList().MaxUndoActions(), 5);

  edit.SetOptionFlag(eoDropFiles, true);
  EXPECT_TRUE(window.AcceptsFiles());
  edit.DestroyWnd();
  EXPECT_FALSE(window.AcceptsFiles());
  edit.CreateWnd(window);
  EXPECT_TRUE(window.AcceptsFiles());

  window.ClearInvalidations();
  edit.SetOptionFlag(eoShowSpecialChars, true);
  EXPECT_TRUE(edit.ShowSpecialChars());
  EXPECT_EQ(window.InvalidArea(), (TRect{0, 0, 400, 320}));

  // Switching a scroll option off clamps under the new rule at once.
  for (int i = 0; i < 100; ++i) edit.Lines().Add("x");
  edit.SetOptionFlag(eoScrollPastEof, true);
  edit.SetTopLine(100);
  EXPECT_EQ(edit.TopLine(), 100);
  edit.SetOptionFlag(eoScrollPastEof, false);
  EXPECT_EQ(edit.TopLine(), 81);

  edit.SetBorderStyle(bsNone);
  EXPECT_FALSE(window.HasBorder());
}

}  // namespace
}  // namespace kau::editor::testing
