// TSynEditKAU on the fake back end: bracket marks, structure lines as
// painted, structures kept up with edits, and the token link.
#include <algorithm>
#include <random>

#include "tests/editor_kau/kau_fixture.h"

namespace kau::editor::testing {
namespace {

using platform::FakeCanvas;
using platform::FakeDrawing;

// The characters drawn on `background`, as "c@column,line".
std::vector<std::string> CellsOn(const FakeCanvas& canvas, TColor background, const TSynEditKAU& edit) {
  std::vector<std::string> cells;
  for (const FakeDrawing& d : canvas.Drawings())
    if (d.kind == FakeDrawing::Text && d.background == background && !d.text.empty())
      cells.push_back(d.text + "@" + std::to_string((d.from.X - edit.TextOffset()) / edit.CharWidth() + 1) +
                      "," + std::to_string(d.from.Y / edit.LineHeight() + edit.TopLine()));
  return cells;
}

std::vector<FakeDrawing> StructureLines(const FakeCanvas& canvas) {
  std::vector<FakeDrawing> lines;
  for (const FakeDrawing& d : canvas.Drawings())
    if (d.kind == FakeDrawing::Line && d.pen == platform::psAlternate) lines.push_back(d);
  return lines;
}

TEST_F(KauTest, DefaultsAsTheControlIsMade) {
  EXPECT_EQ(edit.StructureLineColor(), clRed);
  EXPECT_TRUE(edit.ShowStruture());
  EXPECT_TRUE(edit.ShowBracketPair());
  EXPECT_EQ(edit.ShowBracketPairColor, clLime);
  ASSERT_EQ(edit.StrutureTokens().GetCount(), 3);
  EXPECT_EQ(edit.StrutureTokens().Get(0), "BEGIN=END");
  EXPECT_EQ(edit.StrutureTokens().Get(1), "RECORD=END");
  EXPECT_EQ(edit.StrutureTokens().Get(2), "REPEAT=UNTIL");
}

TEST_F(KauTest, BracketMarksBesideTheCaret) {
  struct Case {
    const char* line;
    int caret;
    std::vector<std::string> marked;
  } cases[] = {
      {"x := (a+b);", 11, {")@10,1", "(@6,1"}},  // after the ")": both marked
      {"x := (a+b);", 7, {"(@6,1", ")@10,1"}},   // after the "("
      {"x := (a+b);", 9, {}},                    // after a letter
      {"{x}", 4, {}},                            // braces open comments
      {"a[(i)]", 7, {"]@6,1", "[@2,1"}},
      {"((", 3, {"(@2,1"}},  // no partner: the bracket alone
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.line) + " caret " + std::to_string(c.caret));
    SetLines({c.line});
    edit.SetCaretXY({c.caret, 1});
    EXPECT_EQ(CellsOn(window.PaintNow(true), clLime, edit), c.marked);
  }
}

TEST_F(KauTest, BracketMarksRepaintOnlyTheirCellsWhenTheCaretMoves) {
  SetLines({"x := (a+b);", "y := 1;"});
  edit.SetCaretXY({11, 1});
  window.PaintNow(true);
  window.ClearInvalidations();
  edit.SetCaretXY({3, 2});
  const TRect right{X(10), Y(1), X(11), Y(2)}, left{X(6), Y(1), X(7), Y(2)};
  const auto& invalid = window.Invalidations();
  EXPECT_NE(std::find(invalid.begin(), invalid.end(), right), invalid.end());
  EXPECT_NE(std::find(invalid.begin(), invalid.end(), left), invalid.end());
  EXPECT_TRUE(CellsOn(window.PaintNow(), clLime, edit).empty());
  EXPECT_FALSE(edit.BracketMarks().has_value());

  edit.SetShowBracketPair(false);
  edit.SetCaretXY({11, 1});
  EXPECT_TRUE(CellsOn(window.PaintNow(true), clLime, edit).empty());
}

struct TransientLog {
  std::vector<TTransientType> fired;
  void Paint(TObject*, platform::Canvas&, TTransientType t) { fired.push_back(t); }
};

TEST_F(KauTest, CaretMovesOpenNoCanvasForTheOwnMarksButDoForAnotherTransientHandler) {
  SetLines({"x := (a+b);", "y := 1;"});
  const std::size_t canvases = window.DirectCanvases().size();
  edit.SetCaretXY({3, 2});
  edit.SetCaretXY({11, 1});
  EXPECT_EQ(window.DirectCanvases().size(), canvases);
  ASSERT_TRUE(edit.BracketMarks().has_value());
  EXPECT_EQ(CellsOn(window.PaintNow(true), clLime, edit), (std::vector<std::string>{")@10,1", "(@6,1"}));

  // The event is the user's to set; the user's handler gets the canvas.
  TransientLog log;
  edit.OnPaintTransient = makeMethod<&TransientLog::Paint>(&log);
  edit.SetCaretXY({3, 2});
  EXPECT_EQ(log.fired, (std::vector<TTransientType>{ttBefore, ttAfter}));
  EXPECT_EQ(window.DirectCanvases().size(), canvases + 2);
}

TEST_F(KauTest, StructureLinesArePaintedFromTheCloserUpToTheLineBelowTheOpener) {
  SetLines({"program p;", "begin", "  x := 1;", "  y := 2;", "  z := 3;", "end.", "begin end;"});
  const auto lines = StructureLines(window.PaintNow(true));
  // The begin/end on one line is a structure, but nothing shows of it.
  EXPECT_EQ(edit.Structures().GetCount(), 2);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].from, (TPixelPoint{X(1), Y(6)}));
  EXPECT_EQ(lines[0].to, (TPixelPoint{X(1), Y(3)}));
  EXPECT_EQ(lines[0].color, clRed);

  edit.SetStructureLineColor(0x808000);
  EXPECT_EQ(StructureLines(window.PaintNow(true)).at(0).color, 0x808000);
  edit.SetShowStrutureLine(false);
  EXPECT_TRUE(StructureLines(window.PaintNow(true)).empty());
  edit.SetShowStrutureLine(true);
  edit.SetStructureLineColor(clNone);
  EXPECT_EQ(edit.Structures().GetCount(), 0);
  EXPECT_TRUE(StructureLines(window.PaintNow(true)).empty());
}

TEST_F(KauTest, TheTokenListTakesUpperCasedPairs) {
  SetLines({"case k of", "  1: x;", "end;"});
  EXPECT_EQ(edit.Structures().GetCount(), 0);
  TSynEditStringList pairs;
  pairs.Add("case=end");
  edit.SetTokenStruture(pairs);
  EXPECT_EQ(pairs.Get(0), "CASE=END");
  ASSERT_EQ(edit.Structures().GetCount(), 1);
  EXPECT_EQ(edit.Structures().GetStructure(0)->OpenPoint, (TPoint{1, 2}));
  EXPECT_EQ(edit.Structures().GetStructure(0)->ClosePoint, (TPoint{1, 3}));
}

// Changing the pair list in place rematches and repaints at once, as
// SetTokenStruture does, without waiting for a key.
TEST_F(KauTest, EditingThePairListDirectlyTakesEffectAtOnce) {
  SetLines({"case k of", "  1: x;", "", "end;", "begin", "  y;", "", "end;"});
  window.PaintNow(true);
  ASSERT_EQ(edit.Structures().GetCount(), 1);
  edit.StrutureTokens().Add("case=end");
  ASSERT_EQ(edit.Structures().GetCount(), 2);
  EXPECT_EQ(edit.Structures().GetStructure(1)->OpenPoint, (TPoint{1, 2}));
  EXPECT_EQ(edit.Structures().GetStructure(1)->ClosePoint, (TPoint{1, 4}));
  EXPECT_EQ(StructureLines(window.PaintNow()).size(), 2u);  // what was invalidated shows both
  edit.StrutureTokens().Clear();
  EXPECT_EQ(edit.Structures().GetCount(), 0);
  const auto& invalid = window.Invalidations();
  EXPECT_TRUE(std::any_of(invalid.begin(), invalid.end(), [&](const TRect& r) { return r.Top <= Y(6) && r.Bottom >= Y(8); }));
  EXPECT_TRUE(StructureLines(window.PaintNow()).empty());
}

// Only what the window shows is scanned: a load, a comment opened on the
// first line; the rest when it comes into view or is asked for.
TEST_F(KauTest, ATextIsScannedOnlyAsFarAsTheWindowShows) {
  struct CountingPasSyn : TSynPasSyn {
    void SetLine(std::string_view text, int lineIndex) override {
      ++lines;
      TSynPasSyn::SetLine(text, lineIndex);
    }
    int lines = 0;
  } counting;
  edit.SetHighlighter(&counting);
  std::vector<std::string> text;
    for (int i = 0; i < 3000; ++i) text.push_back(i % 3 == 0 ? "begin" : i % 3 == 1 ? "  x := 1;" : "end;");
  SetLines(text);
  window.PaintNow(true);
  EXPECT_LE(counting.lines, 60);  // a few passes over the dozen lines in view
  EXPECT_LE(edit.StructureLinesScanned(), 15);
  counting.lines = 0;
  Type("{");  // the rest of the text becomes a comment
  window.PaintNow();
  EXPECT_LE(counting.lines, 60);
  EXPECT_EQ(StructureLines(window.PaintNow(true)).size(), 0u);
  counting.lines = 0;
  edit.SetCaretXY({1, 3000});  // the end comes into view: the lines above it are scanned
  window.PaintNow();
  EXPECT_GE(counting.lines, 2990);
  EXPECT_EQ(edit.Structures().GetCount(), 0);
  edit.SetHighlighter(&pascal);
}

// The structures after any edits are those of the same text matched afresh;
// each keystroke scans the line it changed, and the window repaints only
// where structures in view came or went.
TEST_F(KauTest, StructuresFollowEditsLineByLine) {
  std::vector<std::string> text;
    for (int i = 0; i < 300; ++i) text.push_back(i % 3 == 0 ? "begin" : i % 3 == 1 ? "  x := 1;" : "end;");
  SetLines(text);
  edit.SetCaretXY({3, 150});
  edit.Structures();  // reading them all matches the lines below the window too
  const long long scanned = edit.StructureLinesScanned();
  Type("y");
  EXPECT_EQ(edit.StructureLinesScanned() - scanned, 1);
  edit.CommandProcessor(ecLineBreak, 0, nullptr);
  // The two halves, and the line after them, which now follows a new line.
  EXPECT_EQ(edit.StructureLinesScanned() - scanned, 4);

  std::mt19937 random(16);
  const char* pieces[] = {"begin", "end", "repeat", "until", " ", "x", "{", "}", "'"};
  for (int step = 0; step < 200; ++step) {
    edit.SetCaretXY({1 + static_cast<int>(random() % 8), 1 + static_cast<int>(random() % edit.LineCount())});
    switch (random() % 4) {
      case 0: Type(pieces[random() % std::size(pieces)]); break;
      case 1: edit.CommandProcessor(ecLineBreak, 0, nullptr); break;
      case 2: edit.CommandProcessor(ecDeleteLastChar, 0, nullptr); break;
      default: edit.CommandProcessor(ecDeleteChar, 0, nullptr); break;
    }
  }
  TSynEditKAU fresh;
  fresh.SetHighlighter(&pascal);
  fresh.Lines().Assign(edit.Lines());
  fresh.BuildStructure();
  ASSERT_EQ(fresh.Structures().GetCount(), edit.Structures().GetCount());
  for (int i = 0; i < fresh.Structures().GetCount(); ++i) {
    EXPECT_EQ(fresh.Structures().GetStructure(i)->OpenPoint, edit.Structures().GetStructure(i)->OpenPoint);
    EXPECT_EQ(fresh.Structures().GetStructure(i)->ClosePoint, edit.Structures().GetStructure(i)->ClosePoint);
  }
  fresh.SetHighlighter(nullptr);
}

TEST_F(KauTest, OnlyChangedStructuresInViewRepaintBeyondTheEditedLine) {
  SetLines({"begin", "  x := 1;", "  y := 2;", "end;", "", "", ""});
  edit.SetCaretXY({1, 6});
  window.PaintNow(true);
  window.ClearInvalidations();
  Type("x");  // no structure changes
  for (const TRect& r : window.Invalidations()) EXPECT_GE(r.Top, Y(6)) << r.Top;
  window.PaintNow();
  window.ClearInvalidations();
  edit.SetCaretXY({1, 2});
  Type("begin ");  // the end on line 4 now closes this begin
  bool structureRows = false;
  for (const TRect& r : window.Invalidations()) structureRows |= r.Top <= Y(3) && r.Bottom >= Y(4);
  EXPECT_TRUE(structureRows);
  const auto lines = StructureLines(window.PaintNow(true));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].to, (TPixelPoint{X(1), Y(3)}));
}

TEST_F(KauTest, CtrlOverAcceptedTokenShowsALinkAndAClickReportsIt) {
  SetLines({"begin writeln end."});
  std::vector<std::string> asked, clicked;
  struct Handlers {
    std::vector<std::string>* asked;
    std::vector<std::string>* clicked;
    void Over(TObject*, const std::string& token, int, TSynHighlighterAttributes*, bool& highlight) {
      asked->push_back(token);
      highlight = token == "begin";
    }
    void Click(TObject*, TPoint xy, const std::string& token, int, TSynHighlighterAttributes*) {
      clicked->push_back(token + "@" + std::to_string(xy.X));
    }
  } handlers{&asked, &clicked};
  edit.OnMouseOverToken = makeMethod<&Handlers::Over>(&handlers);
  edit.OnTokenClick = makeMethod<&Handlers::Click>(&handlers);
  window.PaintNow(true);

  window.SetCursorPos({X(2) + 1, 4});
  edit.MouseMove({}, X(2) + 1, 4);  // without Ctrl nothing is asked
  EXPECT_TRUE(asked.empty());
  window.ClearInvalidations();
  edit.MouseMove(ssCtrl, X(2) + 1, 4);
  EXPECT_TRUE(edit.TokenInfo().Active);
  EXPECT_EQ(window.CursorShape(), crHandPoint);
  EXPECT_EQ(window.Invalidations().size(), 5u);  // its five cells
  std::string link;
  for (const FakeDrawing& d : window.PaintNow().Drawings())
    if (d.kind == FakeDrawing::Text && d.color == clBlue && d.font.Underline) link += d.text;
  EXPECT_EQ(link, "begin");

  edit.MouseMove(ssCtrl, X(8) + 1, 4);  // writeln is not accepted
  EXPECT_FALSE(edit.TokenInfo().Active);
  EXPECT_EQ(window.CursorShape(), crIBeam);
  edit.MouseMove(ssCtrl, X(3) + 1, 4);
  edit.MouseMove(ssCtrl, X(30) + 1, 4);  // past the line's end: no token, no link
  EXPECT_FALSE(edit.TokenInfo().Active);
  edit.Click();
  EXPECT_TRUE(clicked.empty());
  edit.MouseMove(ssCtrl, X(3) + 1, 4);
  edit.Click();
  EXPECT_EQ(clicked, std::vector<std::string>{"begin@3"});
  EXPECT_FALSE(edit.TokenInfo().Active);
  edit.Click();  // no link: no report
  EXPECT_EQ(clicked.size(), 1u);
  EXPECT_EQ(asked, (std::vector<std::string>{"begin", "writeln", "begin", "begin"}));
}

// An editor showing another's text matches that text, follows its changes,
// and returns to its own structures when it lets go.
TEST_F(KauTest, AnEditorShowingAnothersTextShowsItsStructures) {
  SetLines({"begin", "  x;", "end;"});
  platform::FakeWindow otherWindow{{0, 0, 200, 150}};
  TSynEditKAU other;
  otherWindow.SetClient(&other);
  other.CreateWnd(otherWindow);
  other.SetHighlighter(&pascal);
  other.Lines().Add("repeat");
  other.Lines().Add("until x;");
  other.SetLinesPointer(&edit);
  EXPECT_EQ(StructureLines(otherWindow.PaintNow(true)).size(), 1u);
  ASSERT_EQ(other.Structures().GetCount(), 1);
  EXPECT_EQ(other.Structures().GetStructure(0)->ClosePoint, (TPoint{1, 3}));
  edit.Lines().Insert(0, "program p;");
  ASSERT_EQ(other.Structures().GetCount(), 1);
  EXPECT_EQ(other.Structures().GetStructure(0)->ClosePoint, (TPoint{1, 4}));
  other.RemoveLinesPointer();
  otherWindow.PaintNow(true);
  ASSERT_EQ(other.Structures().GetCount(), 1);
  EXPECT_EQ(other.Structures().GetStructure(0)->ClosePoint, (TPoint{1, 2}));
  other.SetHighlighter(nullptr);
  other.DestroyWnd();
  otherWindow.SetClient(nullptr);
}

}  // namespace
}  // namespace kau::editor::testing
