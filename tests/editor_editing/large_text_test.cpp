// Large random texts through loading, deleting a selection, pasting many
// lines, Undo and Redo, against a plain model of the lines: every step gives
// exactly the model's lines, the undo item of a deletion holds exactly the
// deleted text, and the highlighter's stored ranges equal a full scan.
#include <random>
#include <sstream>

#include "editor/highlight/pascal_highlighter.h"
#include "tests/editor_editing/editing_fixture.h"

namespace kau::editor::testing {
namespace {

using Model = std::vector<std::string>;

class LargeTextTest : public EditingTest {
 protected:
  LargeTextTest() { edit.SetHighlighter(&pascal); }
  ~LargeTextTest() override { edit.SetHighlighter(nullptr); }

  int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  // Pascal with comments and strings that run over lines, tabs and
  // trailing blanks.
  std::string RandomLine() {
    static const char* const pieces[] = {"begin", " ", "x := 1;", "\t", "{ a", "b }", "(* c", "d *)", "'s'",
                                         "end;",  "  ", "writeln('x');", "// e", "\xE9"};
    std::string s;
    for (int n = Pick(7); n > 0; --n) s += pieces[Pick(14)];
    return s;
  }
  Model RandomLines(int count) {
    Model lines(static_cast<std::size_t>(count));
    for (auto& l : lines) l = RandomLine();
    return lines;
  }
  static std::string Join(const Model& lines, const char* lineEnd) {
    std::string text;
    for (const auto& l : lines) text += l + lineEnd;
    return text;
  }

  // The ranges a scan of every line from the first would store, once the
  // lines past the window are scanned as a query of them would.
  void ExpectRangesOfAFullScan(const std::string& where) {
    edit.ScanRangesThrough(edit.LineCount() - 1);
    TSynPasSyn scanner;
    scanner.ResetRange();
    for (int i = 0; i < edit.LineCount(); ++i) {
      scanner.SetLine(edit.Lines().Get(i), i);
      scanner.NextToEol();
      ASSERT_EQ(edit.Lines().GetRange(i), scanner.GetRange()) << where << ", line " << i;
    }
  }

  void ExpectText(const Model& want, const std::string& where) {
    ASSERT_EQ(edit.LineCount(), static_cast<int>(want.size())) << where;
    for (int i = 0; i < edit.LineCount(); ++i)
      ASSERT_EQ(edit.Lines().LineView(i), want[static_cast<std::size_t>(i)]) << where << ", line " << i;
    ExpectRangesOfAFullScan(where);
  }

  // Undo gives `before` back, Redo `after`, twice over.
  void ExpectUndoRedo(const Model& before, const Model& after, const std::string& where) {
    for (int round = 0; round < 2; ++round) {
      Cmd(ecUndo);
      ExpectText(before, where + ", undo");
      Cmd(ecRedo);
      ExpectText(after, where + ", redo");
    }
  }

  std::mt19937 rng{20261207};
  TSynPasSyn pascal;
};

TEST_F(LargeTextTest, LoadingDeletingPastingUndoAndRedoMatchAPlainModel) {
  for (int round = 0; round < 8; ++round) {
    const std::string where = "round " + std::to_string(round);
    Model model = RandomLines(2000 + Pick(20000));
    const std::string text = Join(model, round % 2 ? "\n" : "\r\n");
    std::istringstream stream(text);
    edit.Lines().LoadFromStream(stream);
    ExpectText(model, where + ", load");
    if (HasFatalFailure()) return;

    // A normal selection over many lines, deleted with the Delete key.
    const int count = static_cast<int>(model.size());
    TPoint b{1 + Pick(8), 1 + Pick(count / 2)};
    TPoint e{1 + Pick(8), b.Y + Pick(count / 2)};
    if (e.Y == b.Y && e.X < b.X) std::swap(b.X, e.X);
    const auto at = [&](TPoint p) {
      return std::min<std::size_t>(static_cast<std::size_t>(p.X - 1), model[static_cast<std::size_t>(p.Y - 1)].size());
    };
    std::string deleted = model[static_cast<std::size_t>(b.Y - 1)].substr(at(b));
    if (e.Y == b.Y) deleted = model[static_cast<std::size_t>(b.Y - 1)].substr(at(b), at(e) - std::min(at(b), at(e)));
    for (int y = b.Y + 1; y <= e.Y; ++y)
      deleted += "\r\n" + (y == e.Y ? model[static_cast<std::size_t>(y - 1)].substr(0, at(e)) : model[static_cast<std::size_t>(y - 1)]);
    Model afterDelete(model.begin(), model.begin() + (b.Y - 1));
    afterDelete.push_back(model[static_cast<std::size_t>(b.Y - 1)].substr(0, at(b)) +
                          model[static_cast<std::size_t>(e.Y - 1)].substr(at(e)));
    afterDelete.insert(afterDelete.end(), model.begin() + e.Y, model.end());
    edit.SetSelectionMode(smNormal);
    Select(b, e);
    Cmd(ecDeleteChar);
    ExpectText(afterDelete, where + ", delete");
    if (HasFatalFailure()) return;
    const TSynEditUndoItem* item = edit.UndoList().PeekItem();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->ChangeReason, crDelete) << where;
    EXPECT_EQ(item->ChangeStartPos, (TPoint{static_cast<int>(at(b)) + 1, b.Y})) << where;
    EXPECT_EQ(item->ChangeEndPos, (TPoint{static_cast<int>(at(e)) + 1, e.Y})) << where;
    EXPECT_TRUE(item->ChangeStr == deleted) << where << ": the item holds other text than the deleted one";
    ExpectUndoRedo(model, afterDelete, where + ", delete");
    if (HasFatalFailure()) return;

    // Many lines pasted in the middle of a line, trailing blanks trimmed
    // from the lines the paste makes, never from what the line had.
    model = afterDelete;
    const Model pasted = RandomLines(1000 + Pick(5000));
    const int y = 1 + Pick(static_cast<int>(model.size()));
    const std::string& line = model[static_cast<std::size_t>(y - 1)];
    const std::size_t x = static_cast<std::size_t>(Pick(static_cast<int>(line.size()) + 1));
    const std::string right = line.substr(x);
    const bool trim = edit.Options() & eoTrimTrailingSpaces;
    const auto trimmed = [&](std::string s, std::size_t keep) {
      const std::size_t last = s.find_last_not_of("\t ");
      if (trim) s.resize(std::max(keep, last == std::string::npos ? 0 : last + 1));
      return s;
    };
    Model afterPaste(model.begin(), model.begin() + (y - 1));
    afterPaste.push_back(trimmed(line.substr(0, x) + pasted[0], x));
    for (std::size_t k = 1; k + 1 < pasted.size(); ++k) afterPaste.push_back(trimmed(pasted[k], 0));
    const std::string last = pasted.back() + right;
    afterPaste.push_back(trimmed(last, right.empty() ? 0 : last.size()));
    afterPaste.insert(afterPaste.end(), model.begin() + y, model.end());
    std::string paste = Join(pasted, "\r\n");
    paste.resize(paste.size() - 2);
    edit.SetCaretXY({static_cast<int>(x) + 1, y});
    edit.SetSelTextExternal(paste);
    ExpectText(afterPaste, where + ", paste");
    if (HasFatalFailure()) return;
    item = edit.UndoList().PeekItem();
    EXPECT_EQ(item->ChangeReason, crInsert) << where;
    EXPECT_EQ(item->ChangeStartPos, (TPoint{static_cast<int>(x) + 1, y})) << where;
    EXPECT_EQ(item->ChangeEndPos, (TPoint{static_cast<int>(pasted.back().size()) + 1, y + static_cast<int>(pasted.size()) - 1}))
        << where;
    // Undone, the insertion's mirror holds the pasted text (as trimming left
    // it in the lines).
    Cmd(ecUndo);
    if (!trim) {
      EXPECT_TRUE(edit.RedoList().PeekItem()->ChangeStr == paste) << where << ": the mirror is not the paste";
    }
    Cmd(ecRedo);
    ExpectUndoRedo(model, afterPaste, where + ", paste");
    if (HasFatalFailure()) return;

    // Everything selected and deleted, as Ctrl+A and Delete do.
    Cmd(ecSelectAll);
    Cmd(ecDeleteChar);
    ExpectText(Model{""}, where + ", delete all");
    EXPECT_TRUE(edit.UndoList().PeekItem()->ChangeStr == Join(afterPaste, "\r\n").substr(0, Join(afterPaste, "\r\n").size() - 2))
        << where << ": the item of deleting everything is not the whole text";
    ExpectUndoRedo(afterPaste, Model{""}, where + ", delete all");
    if (HasFatalFailure()) return;

    // Many whole lines inserted in line mode.
    const Model lines = RandomLines(1000 + Pick(3000));
    edit.SetText(text);
    edit.ClearUndo();
    const int before = 1 + Pick(static_cast<int>(model.size()));
    Model loaded;
    for (std::istringstream again(text); !again.eof();) {
      std::string l;
      if (!std::getline(again, l)) break;
      if (!l.empty() && l.back() == '\r') l.pop_back();
      loaded.push_back(l);
    }
    ExpectText(loaded, where + ", SetText");
    if (HasFatalFailure()) return;
    Model afterLines(loaded.begin(), loaded.begin() + std::min<int>(before - 1, static_cast<int>(loaded.size())));
    for (const auto& l : lines) afterLines.push_back(trimmed(l, 0));
    afterLines.insert(afterLines.end(), loaded.begin() + std::min<int>(before - 1, static_cast<int>(loaded.size())),
                      loaded.end());
    edit.SetSelectionMode(smLine);
    edit.SetCaretXY({1, before});
    edit.SetSelTextExternal(Join(lines, "\r\n"));
    ExpectText(afterLines, where + ", line mode");
    if (HasFatalFailure()) return;
    ExpectUndoRedo(loaded, afterLines, where + ", line mode");
    if (HasFatalFailure()) return;
    edit.SetSelectionMode(smNormal);
    edit.SetOptionFlag(eoTrimTrailingSpaces, Pick(2));
  }
}

}  // namespace
}  // namespace kau::editor::testing
