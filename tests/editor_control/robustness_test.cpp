// Any sequence of operations with any values leaves the control consistent:
// nothing raises, the caret and the selection stay in their bounds and the
// paint lock is released. Seeded, so a failure repeats.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

TEST_F(ControlTest, AnyInputClampsAndNeverRaises) {
  std::mt19937 rng(20261207);
  const int values[] = {INT_MIN, INT_MIN + 1, -120, -2, -1, 0, 1, 2, 3, 9, 47, 1025, 2000000000, INT_MAX - 1, INT_MAX};
  auto any = [&] { return values[rng() % std::size(values)]; };
  const char* texts[] = {"", "\t", "ab\tc d", "    x", "x\ty\t", "abcdefghijklmnopqrstuvwxyz0123456789"};
  for (int i = 0; i < 30; ++i) edit.Lines().Add(texts[rng() % std::size(texts)]);
  const TSynEditorOptions toggles[] = {eoScrollPastEol, eoScrollPastEof, eoAutoSizeMaxLineWidth, eoKeepCaretX,
                                       eoEnhanceHomeKey, eoNoSelection, eoTrimTrailingSpaces, eoHalfPageScroll};
  for (int step = 0; step < 20000; ++step) {
    const TPoint p{any(), any()};
    switch (rng() % 22) {
      case 0: edit.SetCaretXY(p); break;
      case 1: edit.InternalSetCaretXY(p); break;
      case 2: edit.SetBlockBegin(p); break;
      case 3: edit.SetBlockEnd(p); break;
      case 4: edit.SetSelStart(any()); break;
      case 5: edit.SetSelEnd(any()); break;
      case 6: edit.SetSelLength(any()); break;
      case 7: edit.MoveCaretHorz(any(), rng() % 2); break;
      case 8: edit.MoveCaretVert(any(), rng() % 2); break;
      case 9: edit.DoHomeKey(rng() % 2); break;
      case 10: edit.SetSelectionMode(static_cast<TSynSelectionMode>(rng() % 3)); break;
      case 11: edit.SetOptionFlag(toggles[rng() % std::size(toggles)], rng() % 2); break;
      case 12: edit.MouseWheel(rng() % 2 ? ssCtrl : TShiftState{}, any(), 0, 0); break;
      case 13: edit.CommandProcessor(static_cast<TSynEditorCommand>(rng() % 260), 'a', nullptr); break;
      case 14: edit.CommandProcessor(rng() % 2 ? ecSelGotoXY : ecGotoXY, '\0', const_cast<TPoint*>(&p)); break;
      case 15: edit.SetTabWidth(any()); break;
      case 16: edit.ComputeCaret(any(), any()); break;
      case 17:
        // Once MaxLineWidth has grown with LeftChar, a column block may be
        // billions of cells wide: its padded text would not fit in memory.
        if (edit.SelectionMode() != smColumn || std::abs(std::int64_t{edit.BlockEnd().X} - edit.BlockBegin().X) < 100000)
          (void)edit.GetSelText();
        (void)edit.GetWordAtCursor();
        break;
      case 18: (void)edit.LogicalToPhysicalPos(p); (void)edit.PhysicalToLogicalPos(p); break;
      case 19: (void)edit.RowColumnToPixels(p); (void)edit.PixelsToRowColumn({p.X, p.Y}); break;
      case 20: (void)edit.NextWordPosEx(p); (void)edit.PrevWordPosEx(p); (void)edit.WordStartEx(p); break;
      case 21: (void)edit.IsPointInSelection(p); (void)edit.RowColToCharIndex(p); (void)edit.CharIndexToRowCol(any()); break;
    }
    ASSERT_EQ(edit.PaintLock(), 0) << step;
    ASSERT_GE(edit.CaretX(), 1) << step;
    ASSERT_GE(edit.CaretY(), 1) << step;
    ASSERT_LE(edit.CaretY(), 30) << step;
    for (const TPoint b : {edit.BlockBegin(), edit.BlockEnd()}) {
      ASSERT_GE(b.X, 1) << step;
      ASSERT_GE(b.Y, 1) << step;
      ASSERT_LE(b.Y, 30) << step;
    }
    ASSERT_GE(edit.TopLine(), 1) << step;
    ASSERT_GE(edit.LeftChar(), 1) << step;
    ASSERT_GE(edit.TabWidth(), 1) << step;
    ASSERT_LE(edit.TabWidth(), 256) << step;
  }
}

}  // namespace
}  // namespace kau::editor::testing
