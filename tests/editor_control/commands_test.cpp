#include <vector>

#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

struct CommandCase {
  const char* name;
  TSynEditorCommand command;
  TPoint from, caret, blockBegin, blockEnd;
};

TEST_F(ControlTest, CaretCommandsMoveAndSelect) {
  SetLines({"ab cd", "efgh", "", "ij"});
  const CommandCase cases[] = {
      {"left", ecLeft, {3, 2}, {2, 2}, {2, 2}, {2, 2}},
      {"select right", ecSelRight, {3, 2}, {4, 2}, {3, 2}, {4, 2}},
      {"up", ecUp, {3, 2}, {3, 1}, {3, 1}, {3, 1}},
      // Selection ends stay within the text in normal mode.
      {"select down", ecSelDown, {3, 2}, {3, 3}, {3, 2}, {1, 3}},
      {"word right", ecWordRight, {1, 1}, {4, 1}, {4, 1}, {4, 1}},
      {"select word left", ecSelWordLeft, {5, 1}, {4, 1}, {4, 1}, {5, 1}},
      {"line start", ecLineStart, {3, 2}, {1, 2}, {1, 2}, {1, 2}},
      {"select line end", ecSelLineEnd, {2, 2}, {5, 2}, {2, 2}, {5, 2}},
      {"page left", ecPageLeft, {40, 2}, {1, 2}, {1, 2}, {1, 2}},
      {"page right", ecPageRight, {2, 2}, {48, 2}, {5, 2}, {5, 2}},
      {"page top", ecPageTop, {2, 4}, {2, 1}, {2, 1}, {2, 1}},
      {"page bottom", ecPageBottom, {2, 1}, {2, 4}, {2, 4}, {2, 4}},
      {"editor top", ecSelEditorTop, {2, 3}, {1, 1}, {1, 1}, {1, 3}},
      {"editor bottom", ecEditorBottom, {2, 1}, {3, 4}, {3, 4}, {3, 4}},
  };
  for (const CommandCase& c : cases) {
    edit.SetCaretXY(c.from);
    edit.CommandProcessor(c.command, '\0', nullptr);
    EXPECT_EQ(edit.CaretXY(), c.caret) << c.name;
    EXPECT_EQ(edit.BlockBegin(), c.blockBegin) << c.name;
    EXPECT_EQ(edit.BlockEnd(), c.blockEnd) << c.name;
  }
  TPoint target{2, 4};
  edit.CommandProcessor(ecGotoXY, '\0', &target);
  EXPECT_EQ(edit.CaretXY(), target);
  edit.CommandProcessor(ecGotoXY, '\0', nullptr);
  EXPECT_EQ(edit.CaretXY(), target);
  edit.CommandProcessor(ecSelectAll, '\0', nullptr);
  EXPECT_EQ(edit.GetSelText(), "ab cd\r\nefgh\r\n\r\nij");
}

TEST_F(ControlTest, PageAndLineScrollCommands) {
  for (int i = 0; i < 100; ++i) edit.Lines().Add("line");
  edit.CommandProcessor(ecPageDown, '\0', nullptr);
  EXPECT_EQ(edit.TopLine(), 21);
  EXPECT_EQ(edit.CaretY(), 21);
  edit.SetOptionFlag(eoScrollByOneLess, true);
  edit.CommandProcessor(ecPageDown, '\0', nullptr);
  EXPECT_EQ(edit.TopLine(), 40);
  EXPECT_EQ(edit.CaretY(), 40);
  edit.SetOptionFlag(eoHalfPageScroll, true);
  edit.CommandProcessor(ecSelPageUp, '\0', nullptr);
  EXPECT_EQ(edit.TopLine(), 31);
  EXPECT_EQ(edit.CaretY(), 31);
  EXPECT_EQ(edit.BlockEnd(), (TPoint{1, 40}));

  edit.SetCaretXY({1, 31});
  edit.CommandProcessor(ecScrollDown, '\0', nullptr);
  EXPECT_EQ(edit.TopLine(), 32);
  EXPECT_EQ(edit.CaretY(), 32);
  edit.SetCaretXY({1, 51});
  edit.CommandProcessor(ecScrollUp, '\0', nullptr);
  EXPECT_EQ(edit.TopLine(), 31);
  EXPECT_EQ(edit.CaretY(), 50);
}

TEST_F(ControlTest, ModeCommands) {
  SetLines({"abc", "def"});
  edit.SetBlockBegin({1, 1});
  edit.SetBlockEnd({3, 2});
  edit.CommandProcessor(ecColumnSelect, '\0', nullptr);
  EXPECT_EQ(edit.SelectionMode(), smColumn);
  edit.CommandProcessor(ecLineSelect, '\0', nullptr);
  EXPECT_EQ(edit.SelectionMode(), smLine);
  edit.CommandProcessor(ecNormalSelect, '\0', nullptr);
  EXPECT_EQ(edit.SelectionMode(), smNormal);
  EXPECT_EQ(edit.BlockBegin(), (TPoint{1, 1}));
  EXPECT_EQ(edit.BlockEnd(), (TPoint{3, 2}));

  edit.CommandProcessor(ecToggleMode, '\0', nullptr);
  EXPECT_FALSE(edit.InsertMode());
  edit.CommandProcessor(ecOverwriteMode, '\0', nullptr);
  EXPECT_FALSE(edit.InsertMode());
  edit.CommandProcessor(ecInsertMode, '\0', nullptr);
  EXPECT_TRUE(edit.InsertMode());
}

struct CommandLog {
  std::vector<TSynEditorCommand> seen, user, processed;
  TSynEditorCommand replaceWith = ecNone;
  bool replace = false;
  void Process(TObject*, TSynEditorCommand& c, char&, void*) {
    seen.push_back(c);
    if (replace) c = replaceWith;
  }
  void User(TObject*, TSynEditorCommand& c, char&, void*) { user.push_back(c); }
  void Processed(TObject*, TSynEditorCommand& c, char&, void*) { processed.push_back(c); }
};

TEST_F(ControlTest, CommandsPassTheirEvents) {
  SetLines({"abc"});
  CommandLog log;
  edit.OnProcessCommand = makeMethod<&CommandLog::Process>(&log);
  edit.OnProcessUserCommand = makeMethod<&CommandLog::User>(&log);
  edit.OnCommandProcessed = makeMethod<&CommandLog::Processed>(&log);
  edit.CommandProcessor(ecRight, '\0', nullptr);
  edit.CommandProcessor(ecUserFirst + 5, '\0', nullptr);
  log.replace = true;
  edit.CommandProcessor(ecRight, '\0', nullptr);
  EXPECT_EQ(edit.CaretX(), 2);
  EXPECT_EQ(log.seen, (std::vector<TSynEditorCommand>{ecRight, ecRight}));
  EXPECT_EQ(log.user, (std::vector<TSynEditorCommand>{ecUserFirst + 5}));
  EXPECT_EQ(log.processed, (std::vector<TSynEditorCommand>{ecRight, ecUserFirst + 5, ecNone}));

  // Gaining and losing the focus go through the processor too.
  log.replace = false;
  log.seen.clear();
  window.SetFocused(true);
  window.SetFocused(false);
  EXPECT_EQ(log.seen, (std::vector<TSynEditorCommand>{700, 701}));
}

TEST_F(ControlTest, HideSelectionRepaintsOnFocusChanges) {
  SetLines({"abc"});
  edit.SetHideSelection(true);
  edit.SetBlockBegin({1, 1});
  edit.SetBlockEnd({3, 1});
  window.ClearInvalidations();
  window.SetFocused(true);
  EXPECT_EQ(window.InvalidArea(), (TRect{0, 0, 400, 320}));
  window.ClearInvalidations();
  window.SetFocused(false);
  EXPECT_EQ(window.InvalidArea(), (TRect{0, 0, 400, 320}));
}

TEST_F(ControlTest, TheMarkListOwnsItsMarks) {
  SetLines({"a", "b"});
  TSynEditMarkList& marks = edit.Marks();
  window.ClearInvalidations();
  for (int i = 0; i < 20; ++i) {
    auto m = std::make_unique<TSynEditMark>(&edit);
    m->SetLine(i < 18 ? 2 : 1);
    m->SetBookmarkNumber(i == 0 ? 3 : -1);
    marks.Add(std::move(m));
  }
  EXPECT_EQ(window.Invalidations().size(), 20u);  // the gutter, once per change
  TSynEditMarks row;
  marks.GetMarksForLine(2, row);
  EXPECT_EQ(row[0], marks.Get(0));
  EXPECT_EQ(row[15], marks.Get(15));
  marks.GetMarksForLine(1, row);
  EXPECT_EQ(row[1], marks.Get(19));
  EXPECT_EQ(row[2], nullptr);

  const auto cleared = marks.ClearLine(2);
  EXPECT_EQ(cleared.size(), 17u);
  EXPECT_EQ(marks.Count(), 3);
  EXPECT_TRUE(marks.First()->IsBookmark());
  EXPECT_EQ(cleared[0]->GetEdit(), nullptr);

  std::unique_ptr<TSynEditMark> taken = marks.Remove(marks.Last());
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(marks.Count(), 2);
  EXPECT_EQ(marks.Remove(taken.get()), nullptr);
  EXPECT_EQ(marks.First()->GetEdit(), &edit);

  // A visible mark repaints the gutter at its old and new lines.
  TSynEditMark* mark = marks.First();
  mark->SetVisible(true);
  window.ClearInvalidations();
  mark->SetLine(1);
  EXPECT_EQ(window.Invalidations(), (std::vector<TRect>{{0, 16, 30, 32}, {0, 0, 30, 16}}));
}

struct PlaceLog {
  bool cancel = false;
  void Place(TObject*, TSynEditMark*& mark) {
    if (cancel) mark = nullptr;
  }
};

TEST_F(ControlTest, PlacingAMarkAsksTheEditor) {
  PlaceLog log;
  edit.OnPlaceBookmark = makeMethod<&PlaceLog::Place>(&log);
  edit.Marks().Place(std::make_unique<TSynEditMark>(&edit));
  EXPECT_EQ(edit.Marks().Count(), 1);
  log.cancel = true;
  edit.Marks().Place(std::make_unique<TSynEditMark>(&edit));
  EXPECT_EQ(edit.Marks().Count(), 1);
}

}  // namespace
}  // namespace kau::editor::testing
