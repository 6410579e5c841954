// Dragging selected text within an editor and between two editors of the
// program, each in its fake window side by side on the screen.
#include <string>
#include <vector>

#include "platform/virtual_keys.h"
#include "tests/editor_control/entry_fixture.h"

namespace kau::editor::testing {
namespace {

using Lines_ = std::vector<std::string>;

class DragTest : public EntryTest {
 protected:
  DragTest() {
    other.SetScreenOrigin({400, 100});  // the first window's is (100, 100)
    other.SetClient(&otherEdit);
    otherEdit.CreateWnd(other);
  }
  ~DragTest() override {
    otherEdit.DestroyWnd();
    other.SetClient(nullptr);
  }

  // Presses at a point of the selection, moves beyond the drag distance and
  // then to (x, y) of the first window's client (beyond its right edge to
  // reach the other window), and releases there.
  void DragTo(TPoint from, int x, int y, bool release = true) {
    edit.MouseDown(mbLeft, ssLeft, XOf(from.X), YOf(from.Y));
    edit.MouseMove(ssLeft, XOf(from.X) + 6, YOf(from.Y) + 6);
    ASSERT_TRUE(edit.Dragging());
    edit.MouseMove(ssLeft, x, y);
    if (release) edit.MouseUp(mbLeft, {}, x, y);
  }
  // A point of the other window in the first one's client coordinates.
  static int OtherX(int column) { return 300 + XOf(column); }

  platform::FakeWindow other;
  TSynEdit otherEdit;
};

TEST_F(DragTest, LinesMovedDownStartWhereTheTargetLineStoodAfterTheRemoval) {
  Lines_ lines;
  for (int i = 1; i <= 9; ++i) lines.push_back("l" + std::to_string(i));
  SetLines(lines);
  edit.SetCaretAndSelection({1, 6}, {1, 3}, {1, 6});
  DragTo({1, 4}, XOf(1), YOf(9));
  EXPECT_EQ(Lines(), (Lines_{"l1", "l2", "l6", "l7", "l8", "l3", "l4", "l5", "l9"}));
  EXPECT_EQ(edit.BlockBegin(), (TPoint{1, 6}));
  EXPECT_EQ(edit.CaretXY(), (TPoint{1, 6}));
  edit.Undo();
  EXPECT_EQ(Lines(), lines);
}

// A block of two lines dropped after it on its last line keeps the drop's
// distance from the block's end.
TEST_F(DragTest, ABlockDroppedOnItsLastLineLandsWhereReleased) {
  SetLines({"abcd", "efgh"});
  edit.SetCaretAndSelection({3, 2}, {3, 1}, {3, 2});
  DragTo({4, 1}, XOf(4), YOf(2));
  EXPECT_EQ(Lines(), (Lines_{"abgcd", "efh"}));
  EXPECT_EQ(edit.SelText(), "cd\r\nef");
  edit.Undo();
  EXPECT_EQ(Lines(), (Lines_{"abcd", "efgh"}));
  edit.Redo();
  EXPECT_EQ(Lines(), (Lines_{"abgcd", "efh"}));
}

TEST_F(DragTest, CtrlOntoTheBlocksEndCopiesAndInsideNothingHappens) {
  SetLines({"abcdef"});
  edit.SetCaretAndSelection({4, 1}, {2, 1}, {4, 1});
  DragTo({2, 1}, XOf(3), YOf(1));  // inside
  EXPECT_EQ(Lines(), (Lines_{"abcdef"}));
  EXPECT_FALSE(edit.CanUndo());
  edit.SetCaretAndSelection({4, 1}, {2, 1}, {4, 1});
  DragTo({2, 1}, XOf(4), YOf(1), false);
  EXPECT_EQ(window.CursorShape(), crDrag);
  system.Hold(VK_CONTROL);
  edit.MouseMove(ssLeft | ssCtrl, XOf(4), YOf(1));
  EXPECT_EQ(window.CursorShape(), crMultiDrag);
  edit.MouseUp(mbLeft, ssCtrl, XOf(4), YOf(1));
  EXPECT_EQ(Lines(), (Lines_{"abcbcdef"}));
  EXPECT_EQ(edit.SelText(), "bc");
}

TEST_F(DragTest, BetweenEditorsTextIsCopiedOrWithShiftMovedEachUndoneInItsOwnEditor) {
  SetLines({"abcd"});
  SetEditorLines(otherEdit, {"xy"});
  edit.SetCaretAndSelection({3, 1}, {1, 1}, {3, 1});
  DragTo({2, 1}, OtherX(2), YOf(1));
  EXPECT_EQ(Lines(), (Lines_{"abcd"}));
  EXPECT_EQ(EditorLines(otherEdit), (Lines_{"xaby"}));
  EXPECT_FALSE(edit.CanUndo());

  system.Hold(VK_SHIFT);
  edit.SetCaretAndSelection({5, 1}, {3, 1}, {5, 1});
  DragTo({4, 1}, OtherX(1), YOf(1));
  system.Release(VK_SHIFT);
  EXPECT_EQ(Lines(), (Lines_{"ab"}));
  EXPECT_EQ(EditorLines(otherEdit), (Lines_{"cdxaby"}));
  otherEdit.Undo();
  EXPECT_EQ(EditorLines(otherEdit), (Lines_{"xaby"}));
  EXPECT_EQ(Lines(), (Lines_{"ab"}));
  edit.Undo();
  EXPECT_EQ(Lines(), (Lines_{"abcd"}));
}

TEST_F(DragTest, AReadOnlyTargetRefusesAndEscapeChangesNothing) {
  SetLines({"abcd"});
  SetEditorLines(otherEdit, {"xy"});
  otherEdit.SetReadOnly(true);
  edit.SetCaretAndSelection({3, 1}, {1, 1}, {3, 1});
  DragTo({2, 1}, OtherX(2), YOf(1), false);
  EXPECT_EQ(window.CursorShape(), crNoDrop);
  edit.MouseUp(mbLeft, {}, OtherX(2), YOf(1));
  EXPECT_FALSE(edit.Dragging());
  EXPECT_EQ(EditorLines(otherEdit), (Lines_{"xy"}));
  EXPECT_EQ(Lines(), (Lines_{"abcd"}));

  otherEdit.SetReadOnly(false);
  edit.SetCaretAndSelection({3, 1}, {1, 1}, {3, 1});
  DragTo({2, 1}, OtherX(2), YOf(1), false);
  EXPECT_EQ(otherEdit.CaretXY(), (TPoint{2, 1}));  // the target's caret follows
  window.SendKey(VK_ESCAPE);
  EXPECT_FALSE(edit.Dragging());
  edit.MouseUp(mbLeft, {}, OtherX(2), YOf(1));
  EXPECT_EQ(EditorLines(otherEdit), (Lines_{"xy"}));
  EXPECT_EQ(Lines(), (Lines_{"abcd"}));
  EXPECT_EQ(edit.SelText(), "ab");
}

TEST_F(EntryTest, DroppedFilesArriveWithTheirNamesWhole) {
  struct Drops {
    std::vector<std::string> names;
    void Dropped(TObject*, int, int, const std::vector<std::string>& Files) { names = Files; }
  } drops;
  edit.OnDropFiles = makeMethod<&Drops::Dropped>(&drops);
  const std::string longName = "/tmp/" + std::string(300, 'n') + ".pas";
  EXPECT_FALSE(window.DropFiles(10, 10, {longName}));  // not accepted without eoDropFiles
  edit.SetOptionFlag(eoDropFiles, true);
  EXPECT_TRUE(window.DropFiles(10, 10, {longName, "/tmp/b.pas"}));
  EXPECT_EQ(drops.names, (std::vector<std::string>{longName, "/tmp/b.pas"}));
}

TEST_F(EntryTest, TabAndReturnAreTheControlsOnlyWhenItWantsThem) {
  using platform::DLGC_WANTALLKEYS;
  using platform::DLGC_WANTTAB;
  EXPECT_EQ(edit.DialogCodes(), platform::DLGC_WANTARROWS | platform::DLGC_WANTCHARS | DLGC_WANTALLKEYS);
  edit.SetWantTabs(true);
  edit.SetWantReturns(false);
  EXPECT_EQ(edit.DialogCodes(), platform::DLGC_WANTARROWS | platform::DLGC_WANTCHARS | DLGC_WANTTAB);
}

}  // namespace
}  // namespace kau::editor::testing
