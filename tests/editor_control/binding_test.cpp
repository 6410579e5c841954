// The control in step with its line store: rescans reach only as far as a
// line's end state changes, repaints cover the changed lines, and several
// controls show one text and let go of it in any order.
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/model/shared_text_buffer.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

// The Pascal highlighter, counting the lines it is given.
class CountingPasSyn : public TSynPasSyn {
 public:
  void SetLine(std::string_view text, int lineIndex) override {
    ++lines;
    TSynPasSyn::SetLine(text, lineIndex);
  }
  int lines = 0;
};

void Fill(TSynEditStringList& Lines, const std::vector<std::string>& Text) {
  Lines.Clear();
  for (const std::string& line : Text) Lines.Add(line);
}

using Change = std::function<void(TSynEditStringList&)>;

class BindingTest : public ControlTest {
 protected:
  BindingTest() { edit.SetHighlighter(&highlighter); }
  CountingPasSyn highlighter;
};

// The window shows lines 1 to 20 (and the top of line 21): a change scans
// no further than that; the rest waits until it is painted or asked for.
TEST_F(BindingTest, RescanStopsAtTheFirstLineWhoseEndStateIsUnchanged) {
  const std::vector<std::string> code(1000, "a := 1;");
  std::vector<std::string> comment = code;
  comment.front() = "{ opened";
  comment.back() = "closed }";
  const struct {
    const char* what;
    const std::vector<std::string>& text;
    Change change;
    int scanned;
  } cases[] = {
      {"a letter inside a comment", comment, [](auto& l) { l.Put(10, "a := 2;"); }, 1},
      {"{ typed on line 1", code, [](auto& l) { l.Put(0, "{a := 1;"); }, 21},
      {"the comment closed on line 2", comment, [](auto& l) { l.Put(1, "} a"); }, 20},
      {"a line deleted inside the comment", comment, [](auto& l) { l.Delete(10); }, 1},
      {"a line inserted between statements", code, [](auto& l) { l.Insert(10, "b;"); }, 2},
      {"the last line of a one-line text deleted", {"a"}, [](auto& l) { l.Delete(0); }, 0},
      {"two lines deleted at the end", code, [](auto& l) { l.DeleteLines(998, 2); }, 0},
      {"{ typed below the window", code, [](auto& l) { l.Put(500, "{a := 1;"); }, 0},
  };
  for (const auto& c : cases) {
    Fill(edit.Lines(), c.text);
    highlighter.lines = 0;
    c.change(edit.Lines());
    EXPECT_EQ(highlighter.lines, c.scanned) << c.what;
  }
  // Once asked for, the stored states are those of a scan from the first
  // line, and asking again scans nothing.
  Fill(edit.Lines(), comment);
  edit.Lines().Put(1, "} a");
  edit.ScanRangesThrough(edit.LineCount() - 1);
  highlighter.lines = 0;
  edit.ScanRangesThrough(edit.LineCount() - 1);
  EXPECT_EQ(highlighter.lines, 0);
  std::vector<SynRange> stored;
  for (int i = 0; i < edit.LineCount(); ++i) stored.push_back(edit.Lines().GetRange(i));
  edit.ListScanRanges(nullptr);
  edit.ScanRangesThrough(edit.LineCount() - 1);
  for (int i = 0; i < edit.LineCount(); ++i) ASSERT_EQ(edit.Lines().GetRange(i), stored[static_cast<size_t>(i)]) << i;
}

// Lines of 16 pixels in a window of 320 pixels, a gutter of 30 pixels.
TEST_F(BindingTest, RepaintCoversTheChangedLines) {
  const TRect text3ToWindowEnd{30, 32, 400, 320};
  const TRect both3ToWindowEnd{0, 32, 400, 320};
  const std::vector<std::string> thirty(30, "a;");
  const struct {
    const char* what;
    bool highlighted;
    std::vector<std::string> text;
    Change change;
    TRect repainted;
  } cases[] = {
      {"a line replaced", true, thirty, [](auto& l) { l.Put(2, "b;"); }, {30, 32, 400, 48}},
      {"a comment opened", true, thirty, [](auto& l) { l.Put(2, "{ b;"); }, text3ToWindowEnd},
      {"a comment opened, no highlighter", false, thirty, [](auto& l) { l.Put(2, "{ b;"); }, {30, 32, 400, 48}},
      {"a line inserted", true, thirty, [](auto& l) { l.Insert(2, "b;"); }, both3ToWindowEnd},
      {"a line deleted", true, thirty, [](auto& l) { l.Delete(2); }, both3ToWindowEnd},
      {"a line added", true, {"a;", "b;"}, [](auto& l) { l.Add("c;"); }, both3ToWindowEnd},
      {"a line added below the window", true, thirty, [](auto& l) { l.Add("c;"); }, {}},
  };
  for (const auto& c : cases) {
    edit.SetHighlighter(c.highlighted ? &highlighter : nullptr);
    Fill(edit.Lines(), c.text);
    window.ClearInvalidations();
    c.change(edit.Lines());
    EXPECT_EQ(window.InvalidArea(), c.repainted) << c.what;
  }
}

TEST_F(BindingTest, EditorsSharingATextBothRepaintWhenEitherEdits) {
  platform::FakeWindow otherWindow{{0, 0, 400, 320}};
  TSynEdit other;
  otherWindow.SetClient(&other);
  other.CreateWnd(otherWindow);
  Fill(edit.Lines(), {"a;", "b;", "c;"});
  other.SetLinesPointer(&edit);
  for (TSynEdit* editing : {&edit, &other}) {
    window.ClearInvalidations();
    otherWindow.ClearInvalidations();
    editing->Lines().Put(1, "x;");
    EXPECT_EQ(window.InvalidArea(), (TRect{30, 16, 400, 32}));
    EXPECT_EQ(otherWindow.InvalidArea(), (TRect{30, 16, 400, 32}));
  }
  other.DestroyWnd();
  otherWindow.SetClient(nullptr);
}

TEST_F(BindingTest, ClearingTheStoreStartsAfresh) {
  Fill(edit.Lines(), std::vector<std::string>(60, "a;"));
  edit.SetTopLine(20);
  edit.SetCaretXY({2, 30});
  edit.UndoList().AddChange(crInsert, {1, 1}, {2, 1}, "", smNormal);
  edit.RedoList().AddChange(crInsert, {1, 1}, {2, 1}, "", smNormal);
  const auto& reports = RecordStatusChanges();
  window.ClearInvalidations();
  edit.Lines().Clear();
  EXPECT_FALSE(edit.UndoList().GetCanUndo());
  EXPECT_FALSE(edit.RedoList().GetCanUndo());
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 1}));
  EXPECT_EQ(edit.TopLine(), 1);
  EXPECT_EQ(edit.LeftChar(), 1);
  EXPECT_EQ(window.InvalidArea(), (TRect{0, 0, 400, 320}));
  ASSERT_FALSE(reports.empty());
  EXPECT_TRUE(reports.back() & scAll);
}

TEST_F(BindingTest, WidthGrowsWithTheLongestLineSeen) {
  edit.SetOptionFlag(eoAutoSizeMaxLineWidth, true);
  edit.SetMaxLineWidth(10);
  edit.Lines().Add(std::string(15, 'x'));
  EXPECT_EQ(edit.MaxLineWidth(), 15);
  edit.Lines().Insert(0, "\t" + std::string(12, 'x'));  // 8 + 12 columns
  EXPECT_EQ(edit.MaxLineWidth(), 20);
  edit.Lines().Put(1, std::string(25, 'x'));
  EXPECT_EQ(edit.MaxLineWidth(), 25);
  edit.Lines().Put(1, "x");
  EXPECT_EQ(edit.MaxLineWidth(), 25);
}

// Lines that come as one block (a whole text, a multi-line paste) widen the
// scrolling width by their longest line, wherever it stands in the block.
TEST_F(BindingTest, WidthGrowsWithTheLongestLineOfABlock) {
  edit.SetOptionFlag(eoAutoSizeMaxLineWidth, true);
  edit.SetMaxLineWidth(10);
  edit.SetText("a\r\n" + std::string(30, 'x') + "\r\nb");
  EXPECT_EQ(edit.MaxLineWidth(), 30);
  edit.SetCaretXY({2, 1});
  edit.SetSelTextExternal("1\r\n2\r\n" + std::string(40, 'y') + "\r\n3");
  EXPECT_EQ(edit.MaxLineWidth(), 40);
  edit.SetSelectionMode(smLine);
  edit.SetCaretXY({1, 1});
  edit.SetSelTextExternal("p\r\n" + std::string(45, 'z') + "\r\n");
  EXPECT_EQ(edit.MaxLineWidth(), 45);
}

TEST_F(BindingTest, UndoLimitIgnoresNegativeValues) {
  edit.SetMaxUndo(5);
  EXPECT_EQ(edit.GetMaxUndo(), 5);
  EXPECT_EQ(edit.RedoList().MaxUndoActions(), 5);
  edit.SetMaxUndo(-1);
  EXPECT_EQ(edit.GetMaxUndo(), 5);
}

// Editors without windows, each with its own counting highlighter and text.
class SharedBufferTest : public ::testing::Test {
 protected:
  SharedBufferTest() {
    platform::SetSystem(&system);
    for (std::size_t i = 0; i < editors.size(); ++i) {
      editors[i] = std::make_unique<TSynEdit>();
      editors[i]->SetHighlighter(&highlighters[i]);
      editors[i]->Lines().Add(std::string(1, static_cast<char>('a' + i)));
    }
  }
  ~SharedBufferTest() override {
    for (auto& e : editors) e.reset();
    platform::SetSystem(nullptr);
  }
  // Which editors rescan when line 1 of Editor's text changes.
  std::vector<bool> Rescanning(TSynEdit& Editor) {
    for (auto& h : highlighters) h.lines = 0;
    Editor.Lines().Put(0, Editor.Lines().Get(0));
    std::vector<bool> heard;
    for (auto& h : highlighters) heard.push_back(h.lines > 0);
    return heard;
  }

  platform::FakeSystem system;
  std::array<CountingPasSyn, 3> highlighters;
  std::array<std::unique_ptr<TSynEdit>, 3> editors;
};

// Editors 1 and 2 show editor 0's text; in every order each editor goes
// away, or (a viewer) lets go of the text and stays. After each step every
// editor left shows the right text and hears exactly the changes of it.
TEST_F(SharedBufferTest, EditorsSharingOneTextGoInAnyOrder) {
  for (const bool letGo : {false, true}) {
    std::array<std::size_t, 3> order{0, 1, 2};
    do {
      for (std::size_t i = 0; i < editors.size(); ++i) {
        editors[i] = std::make_unique<TSynEdit>();
        editors[i]->SetHighlighter(&highlighters[i]);
        editors[i]->Lines().Add(std::string(1, static_cast<char>('a' + i)));
      }
      editors[1]->SetLinesPointer(editors[0].get());
      editors[2]->SetLinesPointer(editors[0].get());
      std::array<std::size_t, 3> shows{0, 0, 0};  // whose text each editor shows
      for (const std::size_t gone : order) {
        if (letGo && gone != 0) {
          editors[gone]->RemoveLinesPointer();
          shows[gone] = gone;
        } else {
          editors[gone].reset();
          for (std::size_t i = 0; i < shows.size(); ++i)
            if (shows[i] == gone) shows[i] = i;
        }
        for (std::size_t i = 0; i < editors.size(); ++i) {
          if (!editors[i]) continue;
          const std::string where = "order " + std::to_string(order[0]) + std::to_string(order[1]) +
                                    std::to_string(order[2]) + (letGo ? " letting go" : "") + ", editor " +
                                    std::to_string(i);
          EXPECT_EQ(editors[i]->Lines().Get(0), std::string(1, static_cast<char>('a' + shows[i]))) << where;
          EXPECT_EQ(editors[i]->ChainedEditor(), shows[i] == i ? nullptr : editors[shows[i]].get()) << where;
          std::vector<bool> expected;
          for (std::size_t j = 0; j < editors.size(); ++j) expected.push_back(editors[j] && shows[j] == shows[i]);
          EXPECT_EQ(Rescanning(*editors[i]), expected) << where;
        }
      }
    } while (std::next_permutation(order.begin(), order.end()));
  }
}

TEST_F(SharedBufferTest, RemovingTheOwnerReturnsTheOthersToTheirOwnTexts) {
  TSynEdit& b = *editors[1];
  TSynEdit& c = *editors[2];
  TSynEditUndoList* ownUndo = &b.UndoList();
  b.Lines().Add("b2");
  b.SetLinesPointer(editors[0].get());
  c.SetLinesPointer(editors[0].get());
  EXPECT_EQ(&b.UndoList(), &editors[0]->UndoList());
  b.Lines().Add("shared");
  EXPECT_EQ(c.Lines().GetText(), "a\r\nshared\r\n");
  editors[0].reset();
  EXPECT_EQ(b.Lines().GetText(), "b\r\nb2\r\n");
  EXPECT_EQ(c.Lines().GetText(), "c\r\n");
  EXPECT_EQ(&b.UndoList(), ownUndo);
  EXPECT_EQ(Rescanning(b), (std::vector<bool>{false, true, false}));
}

TEST_F(SharedBufferTest, TheCaretStaysInsideTheTextShown) {
  TSynEdit& b = *editors[1];
  for (int i = 0; i < 49; ++i) b.Lines().Add("b");
  b.SetCaretXY({1, 40});
  b.SetBlockBegin({1, 30});
  b.SetLinesPointer(editors[0].get());
  EXPECT_EQ(b.CaretXY(), (TPoint{1, 1}));
  EXPECT_FALSE(b.SelAvail());
  b.SetCaretXY({2, 1});
  editors[0].reset();
  EXPECT_EQ(b.CaretXY(), (TPoint{2, 1}));
}

// C shows A's text through B; when A goes, B and C both return to their own.
TEST_F(SharedBufferTest, AnEditorShowingASharedTextLetsGoWhenItsOwnerGoes) {
  editors[1]->SetLinesPointer(editors[0].get());
  editors[2]->SetLinesPointer(editors[1].get());
  EXPECT_EQ(editors[2]->Lines().Get(0), "a");
  EXPECT_EQ(TSynSharedTextBuffer::ViewerCount(editors[0]->Lines()), 2);
  editors[0].reset();
  EXPECT_EQ(editors[1]->Lines().Get(0), "b");
  EXPECT_EQ(editors[2]->Lines().Get(0), "c");
  EXPECT_EQ(editors[2]->ChainedEditor(), nullptr);
  EXPECT_EQ(Rescanning(*editors[2]), (std::vector<bool>{false, false, true}));
}

TEST_F(SharedBufferTest, AnEditorNeverShowsItsOwnTextAsAForeignOne) {
  editors[1]->SetLinesPointer(editors[0].get());
  editors[0]->SetLinesPointer(editors[1].get());  // B shows A's text: A keeps it
  EXPECT_EQ(editors[0]->ChainedEditor(), nullptr);
  EXPECT_EQ(TSynSharedTextBuffer::ViewerCount(editors[0]->Lines()), 1);
  editors[0]->SetLinesPointer(editors[0].get());
  EXPECT_EQ(Rescanning(*editors[0]), (std::vector<bool>{true, true, false}));
}

// Each viewer hears the shared undo list's additions through its own undo
// list's handler, and the redo list's through its own redo list's.
TEST(SharedTextBuffer, UndoAndRedoAdditionsReachEveryViewer) {
  TSynEditStringList shared, own1, own2;
  TSynEditUndoList undo, redo, ownUndo1, ownRedo1, ownUndo2, ownRedo2;
  std::vector<std::string> heard;
  struct Recorder {
    std::vector<std::string>* log;
    std::string name;
    void Added(TObject*) { log->push_back(name); }
  } r[] = {{&heard, "undo"}, {&heard, "redo"}, {&heard, "undo1"}, {&heard, "redo1"}, {&heard, "undo2"}, {&heard, "redo2"}};
  TSynEditUndoList* lists[] = {&undo, &redo, &ownUndo1, &ownRedo1, &ownUndo2, &ownRedo2};
  for (std::size_t i = 0; i < std::size(lists); ++i) lists[i]->OnAddedUndo = makeMethod<&Recorder::Added>(&r[i]);
  TSynSharedTextBuffer::Attach(shared, undo, redo, {&own1, &ownUndo1, &ownRedo1, {}});
  TSynSharedTextBuffer::Attach(shared, undo, redo, {&own2, &ownUndo2, &ownRedo2, {}});
  undo.AddChange(crInsert, {1, 1}, {2, 1}, "", smNormal);
  redo.AddChange(crInsert, {1, 1}, {2, 1}, "", smNormal);
  EXPECT_EQ(heard, (std::vector<std::string>{"undo", "undo1", "undo2", "redo", "redo1", "redo2"}));
  TSynSharedTextBuffer::Detach(shared, &own1);
  TSynSharedTextBuffer::Detach(shared, &own2);
  heard.clear();
  undo.AddChange(crInsert, {1, 1}, {2, 1}, "", smNormal);
  EXPECT_EQ(heard, (std::vector<std::string>{"undo"}));
}

}  // namespace
}  // namespace kau::editor::testing
