#include <vector>

#include "tests/editor_editing/editing_fixture.h"

namespace kau::editor::testing {
namespace {

class MarksTest : public EditingTest {
 protected:
  // Plain marks on the given lines.
  std::vector<TSynEditMark*> MarksOn(std::initializer_list<int> lines) {
    std::vector<TSynEditMark*> marks;
    for (int line : lines) {
      auto mark = std::make_unique<TSynEditMark>(&edit);
      mark->SetLine(line);
      marks.push_back(mark.get());
      edit.Marks().Add(std::move(mark));
    }
    return marks;
  }
  std::vector<int> LinesOf(const std::vector<TSynEditMark*>& marks) const {
    std::vector<int> lines;
    for (const TSynEditMark* m : marks) lines.push_back(m->Line());
    return lines;
  }
  void SetTenLines() {
    edit.Lines().Clear();
    for (int i = 1; i <= 10; ++i) edit.Lines().Add("line " + std::to_string(i));
  }

 public:
  int cleared = 0;
  void Cleared(TObject*, TSynEditMark*&) { ++cleared; }
  void Refuse(TObject*, TSynEditMark*& Mark) { Mark = nullptr; }
  // Hands over a mark of its own; the offered one is freed by the editor.
  void Replace(TObject* Sender, TSynEditMark*& Mark) {
    auto* own = new TSynEditMark(static_cast<TCustomSynEdit*>(Sender));
    own->SetLine(Mark->Line());
    own->SetBookmarkNumber(Mark->BookmarkNumber());
    Mark = own;
  }
};

// A plug-in that takes another one away while the plug-ins are told.
class Remover : public TSynEditPlugin {
 public:
  using TSynEditPlugin::TSynEditPlugin;
  void AfterPaint(platform::Canvas&, const TRect&, int, int) override {}
  void LinesInserted(int, int) override {
    ++calls;
    delete victim;
    victim = nullptr;
  }
  void LinesDeleted(int, int) override { ++calls; }
  TSynEditPlugin* victim = nullptr;
  int calls = 0;
};

TEST_F(MarksTest, PluginsAreToldOverASnapshot) {
  SetTenLines();
  auto* first = new Remover(&edit);
  auto* second = new Remover(&edit);
  first->victim = second;
  edit.DoLinesInserted(2, 1);  // the second one is gone before its turn
  EXPECT_EQ(first->calls, 1);
  EXPECT_EQ(edit.PluginCount(), 1);
  edit.GotoLineAndCenter(9);
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 9}));
}

TEST_F(MarksTest, MarksFollowInsertedAndDeletedLines) {
  SetTenLines();
  auto marks = MarksOn({4, 5});
  edit.DoLinesInserted(5, 2);
  EXPECT_EQ(LinesOf(marks), (std::vector<int>{4, 7}));

  SetTenLines();
  marks = MarksOn({9, 7, 6, 5, 4});
  edit.DoLinesDeleted(5, 3);
  EXPECT_EQ(LinesOf(marks), (std::vector<int>{6, 4, 5, 5, 4}));
}

TEST_F(MarksTest, EditsNotifyTheFirstRemovedLine) {
  SetLines({"a", "b", "c", "d", "e", "f"});
  auto marks = MarksOn({5, 6});
  // Deleting (2, 5)-(2, 6) joins line 6 into line 5: line 5's mark stays.
  Select({2, 5}, {2, 6});
  edit.SetSelTextExternal("");
  EXPECT_EQ(LinesOf(marks), (std::vector<int>{5, 5}));

  SetLines({"a", "b", "c", "d"});
  marks = MarksOn({2, 4});
  edit.SetCaretXY({1, 3});
  Cmd(ecDeleteLine);
  EXPECT_EQ(LinesOf(marks), (std::vector<int>{2, 3}));

  // The only line emptied: no line goes, no mark moves.
  SetLines({"abc"});
  marks = MarksOn({1});
  Cmd(ecDeleteLine);
  EXPECT_EQ(LinesOf(marks), (std::vector<int>{1}));

  // Insert line notifies where a line break would; marks never leave the text.
  SetLines({"ab", "cd"});
  marks = MarksOn({1, 2});
  edit.SetCaretXY({2, 1});
  Cmd(ecInsertLine);
  EXPECT_EQ(LinesOf(marks), (std::vector<int>{1, 3}));
  edit.SetSelectionMode(smLine);
  Select({1, 1}, {1, 3});
  edit.SetSelText("");
  for (const TSynEditMark* m : marks) EXPECT_EQ(m->Line(), 1);
}

TEST_F(MarksTest, Bookmarks) {
  SetTenLines();
  edit.OnClearBookmark = makeMethod<&MarksTest::Cleared>(this);
  edit.SetBookMark(3, 2, 4);
  edit.SetBookMark(3, 5, 6);
  int x = 0, y = 0;
  EXPECT_TRUE(edit.GetBookMark(3, x, y));
  EXPECT_EQ((TPoint{x, y}), (TPoint{5, 6}));
  EXPECT_EQ(edit.Marks().Count(), 1);
  EXPECT_EQ(cleared, 1);
  edit.GotoBookMark(3);
  EXPECT_EQ(edit.CaretXY(), (TPoint{5, 6}));
  EXPECT_FALSE(edit.SelAvail());

  // Out of range: ignored.
  edit.SetBookMark(10, 1, 1);
  edit.SetBookMark(-1, 1, 1);
  edit.SetBookMark(2, 1, 11);
  edit.ClearBookMark(12);
  edit.GotoBookMark(-3);
  EXPECT_FALSE(edit.IsBookmark(2));
  EXPECT_EQ(edit.Marks().Count(), 1);

  // The same key on the same line takes it away; on another line moves it.
  edit.SetCaretXY({1, 2});
  Cmd(ecSetMarker(3));
  EXPECT_TRUE(edit.GetBookMark(3, x, y));
  EXPECT_EQ(y, 2);
  Cmd(ecSetMarker(3));
  EXPECT_FALSE(edit.IsBookmark(3));
  TPoint at{3, 7};
  Cmd(ecSetMarker(1), '\0', &at);
  edit.SetCaretXY({1, 1});
  Cmd(ecGotoMarker(1));
  EXPECT_EQ(edit.CaretXY(), at);

  // A bookmark whose line went away is not jumped to.
  edit.Lines().DeleteLines(4, 6);
  edit.SetCaretXY({1, 1});
  edit.GotoBookMark(1);
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 1}));

  // A refused mark is not placed; on an empty text line 1 is accepted.
  edit.OnPlaceBookmark = makeMethod<&MarksTest::Refuse>(this);
  edit.SetBookMark(5, 1, 1);
  EXPECT_FALSE(edit.IsBookmark(5));
  edit.OnPlaceBookmark = makeMethod<&MarksTest::Replace>(this);
  edit.SetBookMark(6, 4, 2);
  int x6 = 0, y6 = 0;
  EXPECT_TRUE(edit.GetBookMark(6, x6, y6));
  EXPECT_EQ(y6, 2);
  edit.OnPlaceBookmark = {};
  edit.Lines().Clear();
  edit.SetBookMark(5, 1, 1);
  EXPECT_TRUE(edit.IsBookmark(5));

  // ClearAll takes the bookmarks with the text.
  Cmd(ecClearAll);
  EXPECT_EQ(edit.Marks().Count(), 0);
  EXPECT_FALSE(edit.IsBookmark(5));
  edit.SetBookMark(5, 1, 1);
  EXPECT_TRUE(edit.IsBookmark(5));
}

}  // namespace
}  // namespace kau::editor::testing
