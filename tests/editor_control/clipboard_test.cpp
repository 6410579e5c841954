// Copy, cut and paste through the clipboard's two entries.
#include <string>
#include <vector>

#include "tests/editor_control/entry_fixture.h"

namespace kau::editor::testing {
namespace {

using Lines_ = std::vector<std::string>;

class ClipboardTest : public EntryTest {
 protected:
  std::string Entry(platform::TClipboardFormat format) {
    platform::Clipboard& clip = system.TheClipboard();
    std::string bytes;
    EXPECT_TRUE(clip.Open());
    clip.GetData(format, bytes);
    clip.Close();
    return bytes;
  }
  void Put(std::vector<std::pair<platform::TClipboardFormat, std::string>> entries) {
    platform::Clipboard& clip = system.TheClipboard();
    ASSERT_TRUE(clip.Open());
    clip.Empty();
    for (const auto& [format, bytes] : entries) clip.SetData(format, bytes);
    clip.Close();
  }
  void Select(TSynSelectionMode mode, TPoint from, TPoint to) {
    edit.SetSelectionMode(mode);
    edit.SetCaretAndSelection(to, from, to);
  }
};

TEST_F(ClipboardTest, AColumnBlockCopiesWithRowsOfEqualWidthAndItsModeByte) {
  SetLines({"abcdef", "ab", "abcdef"});
  for (bool trim : {false, true}) {
    edit.SetOptionFlag(eoTrimTrailingSpaces, trim);
    Select(smColumn, {2, 1}, {5, 3});
    edit.CopyToClipboard();
    EXPECT_EQ(Entry(platform::CF_TEXT), "bcd\r\nb  \r\nbcd");
    EXPECT_EQ(Entry(SynEditClipboardFormat), std::string("\x02" "bcd\r\nb  \r\nbcd\0", 15));
  }
  EXPECT_EQ(platform::PrivateFormatMimeType(platform::ClipboardFormatName(SynEditClipboardFormat)),
            "application/x-kau-editor-block-type");
}

TEST_F(ClipboardTest, ALineBlockPastesWholeLinesUndoneAndRedoneInOneStep) {
  SetLines({"abcd", "efgh"});
  Put({{SynEditClipboardFormat, std::string("\x01x\r\ny\r\n\0", 8)}, {platform::CF_TEXT, "x\r\ny\r\n"}});
  edit.SetCaretXY({3, 2});
  edit.PasteFromClipboard();
  const Lines_ pasted{"abcd", "x", "y", "efgh"};
  EXPECT_EQ(Lines(), pasted);
  edit.Undo();
  EXPECT_EQ(Lines(), (Lines_{"abcd", "efgh"}));
  EXPECT_FALSE(edit.CanUndo());
  edit.Redo();
  EXPECT_EQ(Lines(), pasted);
  EXPECT_FALSE(edit.CanRedo());
  edit.Undo();
  EXPECT_EQ(Lines(), (Lines_{"abcd", "efgh"}));
}

// The window is narrower than the pasted lines: the undo still takes them whole.
TEST_F(ClipboardTest, ALinePasteOfLongLinesIsUndoneInANarrowWindow) {
  SetLines({"ab"});
  const std::string longLine(60, 'z');
  Put({{SynEditClipboardFormat, "\x01" + longLine + "\r\n" + longLine + "\r\n" + std::string(1, '\0')}});
  edit.SetCaretXY({1, 1});
  edit.PasteFromClipboard();
  EXPECT_EQ(Lines(), (Lines_{longLine, longLine, "ab"}));
  edit.Undo();
  EXPECT_EQ(Lines(), (Lines_{"ab"}));
}

TEST_F(ClipboardTest, OutsideTextPastesInTheCurrentModeReplacingTheSelection) {
  struct Case {
    TSynSelectionMode mode;
    Lines_ expected;
  };
  const Case cases[] = {
      {smNormal, {"ap", "qcd", "efgh"}},
      {smColumn, {"apcd", "eqfgh"}},
  };
  for (const Case& c : cases) {
    SetLines({"abcd", "efgh"});
    edit.ClearUndo();
    system.FakeClip().PutTextFromOutside("p\nq");
    Select(c.mode, {2, 1}, {3, 1});
    edit.PasteFromClipboard();
    EXPECT_EQ(Lines(), c.expected) << c.mode;
    edit.Undo();
    EXPECT_EQ(Lines(), (Lines_{"abcd", "efgh"})) << c.mode;
    EXPECT_FALSE(edit.CanUndo());
  }
}

TEST_F(ClipboardTest, AnUnusableBlockEntryGivesWayToTheTextOrToNothing) {
  SetLines({"ab"});
  edit.SetCaretXY({2, 1});
  Put({{SynEditClipboardFormat, std::string("\x03zz\0", 4)}, {platform::CF_TEXT, "t"}});
  edit.PasteFromClipboard();
  EXPECT_EQ(Lines(), (Lines_{"atb"}));
  edit.ClearUndo();
  Put({{SynEditClipboardFormat, ""}});
  edit.PasteFromClipboard();
  Put({{SynEditClipboardFormat, std::string("\x05zz\0", 4)}});
  edit.PasteFromClipboard();
  EXPECT_EQ(Lines(), (Lines_{"atb"}));
  EXPECT_FALSE(edit.CanUndo());
  Put({});
  edit.PasteFromClipboard();
  EXPECT_FALSE(edit.CanUndo());
  EXPECT_FALSE(edit.CanPaste());
}

TEST_F(ClipboardTest, CutIsOneUndoableChangeAndFailuresChangeNothing) {
  SetLines({"abcd"});
  Select(smNormal, {2, 1}, {4, 1});
  edit.CutToClipboard();
  EXPECT_EQ(Lines(), (Lines_{"ad"}));
  EXPECT_EQ(Entry(platform::CF_TEXT), "bc");
  EXPECT_TRUE(edit.CanPaste());
  edit.Undo();
  EXPECT_EQ(Lines(), (Lines_{"abcd"}));

  system.FakeClip().Refuse(platform::CF_TEXT);
  Select(smNormal, {1, 1}, {3, 1});
  try {
    edit.CutToClipboard();
    ADD_FAILURE() << "no error";
  } catch (const ESynEditError& e) {
    EXPECT_STREQ(e.what(), "Clipboard copy operation failed");
  }
  EXPECT_THROW(edit.CopyToClipboard(), ESynEditError);
  EXPECT_EQ(Lines(), (Lines_{"abcd"}));
  EXPECT_TRUE(edit.SelAvail());
}

// A cut records crDelete from the anchor to the moving end whichever way the
// selection was made, so that its undo puts the caret back where it stood.
TEST_F(ClipboardTest, ACutIsUndoneWithTheCaretWhereItStood) {
  struct Case {
    TPoint anchor, caret;
  };
  for (const Case& c : {Case{{2, 1}, {3, 2}}, Case{{3, 2}, {2, 1}}}) {
    SetLines({"abcd", "efgh"});
    edit.ClearUndo();
    Select(smNormal, c.anchor, c.caret);
    edit.CutToClipboard();
    EXPECT_EQ(Lines(), (Lines_{"agh"}));
    const TSynEditUndoItem* item = edit.UndoList().PeekItem();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->ChangeReason, crDelete);
    EXPECT_EQ(item->ChangeStartPos, c.anchor);
    EXPECT_EQ(item->ChangeEndPos, c.caret);
    EXPECT_EQ(item->ChangeStr, "bcd\r\nef");
    edit.Undo();
    EXPECT_EQ(Lines(), (Lines_{"abcd", "efgh"}));
    EXPECT_EQ(edit.CaretXY(), c.caret) << "anchor " << c.anchor.X << "," << c.anchor.Y;
    EXPECT_EQ(edit.BlockBegin(), (TPoint{2, 1}));
    EXPECT_EQ(edit.BlockEnd(), (TPoint{3, 2}));
  }
}

TEST_F(ClipboardTest, AReadOnlyControlCopiesButNeitherCutsNorPastes) {
  SetLines({"abcd"});
  system.FakeClip().PutTextFromOutside("zz");
  edit.SetReadOnly(true);
  Select(smNormal, {1, 1}, {3, 1});
  edit.CutToClipboard();
  edit.PasteFromClipboard();
  EXPECT_EQ(Lines(), (Lines_{"abcd"}));
  EXPECT_FALSE(edit.CanPaste());
  EXPECT_EQ(Entry(platform::CF_TEXT), "zz");
  edit.CopyToClipboard();
  EXPECT_EQ(Entry(platform::CF_TEXT), "ab");
}

}  // namespace
}  // namespace kau::editor::testing
