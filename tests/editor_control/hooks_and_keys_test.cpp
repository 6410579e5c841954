#include <stdexcept>
#include <string>
#include <vector>

#include "platform/virtual_keys.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

struct Hooks {
  TCustomSynEdit* edit = nullptr;
  std::vector<std::string> ran;
  void First(TObject*, bool, bool& handled, TSynEditorCommand&, char&, void*, void* data) {
    ran.push_back("first " + std::string(static_cast<const char*>(data)));
    handled = true;
  }
  void Second(TObject*, bool, bool& handled, TSynEditorCommand& command, char&, void*, void*) {
    ran.push_back("second " + std::to_string(command));
    handled = true;
  }
  // Takes the second handler out while the handlers are being called.
  void Remover(TObject*, bool, bool&, TSynEditorCommand&, char&, void*, void*) {
    ran.push_back("remover");
    edit->UnregisterCommandHandler(makeMethod<&Hooks::Second>(this));
  }
};

TEST_F(ControlTest, HookedHandlersAllRunAndHandledGivesNoCommand) {
  Hooks hooks;
  char a[] = "a", b[] = "b";
  edit.RegisterCommandHandler(makeMethod<&Hooks::First>(&hooks), a);
  edit.RegisterCommandHandler(makeMethod<&Hooks::First>(&hooks), b);  // the first data stays
  edit.RegisterCommandHandler(makeMethod<&Hooks::Second>(&hooks), nullptr);
  EXPECT_EQ(edit.GetHookedCommandHandlersCount(), 2);
  TSynEditorCommand command = ecRight;
  char ch = '\0';
  edit.NotifyHookedCommandHandlers(false, command, ch, nullptr);
  EXPECT_EQ(command, ecNone);
  EXPECT_EQ(hooks.ran, (std::vector<std::string>{"first a", "second 2"}));

  hooks.ran.clear();
  hooks.edit = &edit;
  edit.UnregisterCommandHandler(makeMethod<&Hooks::First>(&hooks));
  edit.UnregisterCommandHandler(makeMethod<&Hooks::First>(&hooks));  // not registered: ignored
  edit.RegisterCommandHandler(makeMethod<&Hooks::Remover>(&hooks), nullptr);
  edit.UnregisterCommandHandler(makeMethod<&Hooks::Second>(&hooks));
  edit.RegisterCommandHandler(makeMethod<&Hooks::Second>(&hooks), nullptr);
  SetLines({"abc"});
  edit.CommandProcessor(ecRight, '\0', nullptr);
  EXPECT_EQ(hooks.ran, (std::vector<std::string>{"remover", "remover"}));
  EXPECT_EQ(edit.CaretX(), 2);
}

TEST_F(ControlTest, TheLastFocusControlTakesTheFocus) {
  platform::FakeWindow first, second;
  edit.AddFocusControl(&first);
  edit.AddFocusControl(&second);
  edit.SetFocus();
  EXPECT_TRUE(second.Focused());
  EXPECT_FALSE(first.Focused());
  EXPECT_FALSE(window.Focused());
  edit.RemoveFocusControl(&second);
  edit.SetFocus();
  EXPECT_TRUE(first.Focused());
  edit.RemoveFocusControl(&first);
  edit.RemoveFocusControl(&first);
  edit.SetFocus();
  EXPECT_TRUE(window.Focused());
}

struct CursorChoice {
  std::vector<TPoint> asked;
  void Choose(TObject*, const TPoint& position, TCursor& cursor) {
    asked.push_back(position);
    if (position.Y == 2) cursor = crHandPoint;
  }
};

TEST_F(ControlTest, MouseCursorFollowsGutterSelectionAndHandler) {
  SetLines({"abcdef", "ghi"});
  edit.SetBlockBegin({2, 1});
  edit.SetBlockEnd({5, 1});
  const struct {
    TPixelPoint at;
    TCursor expected;
  } cases[] = {{{10, 5}, crDefault}, {{32 + 8 * 2 + 1, 5}, crArrow}, {{32 + 8 * 5 + 1, 5}, crIBeam}};
  for (const auto& c : cases) {
    window.SetCursorPos(c.at);
    static_cast<platform::WindowClient&>(edit).CursorRequested();
    EXPECT_EQ(window.CursorShape(), c.expected) << c.at.X;
  }
  window.SetCursorPos({32 + 8 * 2 + 1, 5});
  window.SetCapture();
  edit.UpdateMouseCursor();
  EXPECT_EQ(window.CursorShape(), crIBeam);
  window.ReleaseCapture();
  edit.SetOptionFlag(eoDragDropEditing, false);
  edit.UpdateMouseCursor();
  EXPECT_EQ(window.CursorShape(), crIBeam);

  CursorChoice choice;
  edit.OnMouseCursor = makeMethod<&CursorChoice::Choose>(&choice);
  window.SetCursorPos({32 + 8 * 1 + 1, 16 + 3});
  edit.UpdateMouseCursor();
  EXPECT_EQ(window.CursorShape(), crHandPoint);
  EXPECT_EQ(choice.asked, (std::vector<TPoint>{{2, 2}}));
}

struct ChangeCount {
  int changes = 0;
  void Changed(TObject*) { ++changes; }
};

TEST_F(ControlTest, NewUndoItemsClearTheRedoListAndReportChanges) {
  ChangeCount count;
  edit.OnChange = makeMethod<&ChangeCount::Changed>(&count);
  edit.RedoList().AddChange(crInsert, {1, 1}, {2, 1}, "x", smNormal);
  EXPECT_EQ(count.changes, 1);
  edit.UndoList().BeginBlock();
  edit.UndoList().AddChange(crInsert, {1, 1}, {2, 1}, "x", smNormal);
  EXPECT_EQ(edit.RedoList().GetItemCount(), 0);
  EXPECT_EQ(count.changes, 1);  // not inside an open block
  edit.UndoList().EndBlock();
  edit.RedoList().AddChange(crInsert, {1, 1}, {2, 1}, "x", smNormal);
  edit.UndoList().AddGroupBreak();
  EXPECT_EQ(edit.RedoList().GetItemCount(), 1);
}

struct KeystrokeCase {
  const char* removed;
  const char* added;
};

TEST_F(ControlTest, KeystrokeDifferencesRoundTrip) {
  EXPECT_FALSE(edit.KeystrokesDiffer());
  EXPECT_EQ(edit.WriteRemovedKeystrokes(), "");
  EXPECT_EQ(edit.WriteAddedKeystrokes(), "");

  // Context help moves from F1 to Ctrl+F1.
  TSynEditKeyStrokes& keys = edit.Keystrokes();
  const int f1 = keys.FindShortcut(112);
  ASSERT_GE(f1, 0);
  keys.Items(f1).SetShortCut(16496);
  EXPECT_TRUE(edit.KeystrokesDiffer());
  const std::string removed = edit.WriteRemovedKeystrokes();
  const std::string added = edit.WriteAddedKeystrokes();
  EXPECT_EQ(removed, "ecContextHelp 112 0\n");
  EXPECT_EQ(added, "ecContextHelp 16496 0\n");

  TSynEdit fresh;
  fresh.ReadRemovedKeystrokes(removed);
  fresh.ReadAddedKeystrokes(added);
  EXPECT_EQ(fresh.WriteRemovedKeystrokes(&keys), "");
  EXPECT_EQ(fresh.WriteAddedKeystrokes(&keys), "");
  EXPECT_EQ(fresh.Keystrokes().FindShortcut(112), -1);
  const int moved = fresh.Keystrokes().FindShortcut(16496);
  ASSERT_GE(moved, 0);
  EXPECT_EQ(fresh.Keystrokes().Items(moved).Command(), ecContextHelp);

  // Against a reference of one's own; numbers for commands without a name.
  TSynEditKeyStrokes reference;
  reference.AddKey(ecUndo, 'Z', ssCtrl);
  TSynEdit other;
  other.Keystrokes().Clear();
  other.Keystrokes().AddKey(1500, 'Q', ssCtrl);
  EXPECT_EQ(other.WriteRemovedKeystrokes(&reference), "ecUndo 16474 0\n");
  EXPECT_EQ(other.WriteAddedKeystrokes(&reference), "1500 16465 0\n");
}

TEST_F(ControlTest, BadKeystrokeLinesChangeNothing) {
  const int count = edit.Keystrokes().Count();
  const KeystrokeCase cases[] = {
      {"ecContextHelp 112\n", ""},      {"ecNoSuchCommand 112 0\n", ""}, {"ecUndo 112 0 9\n", ""},
      {"ecUndo -1 0\n", ""},            {"ecUndo 70000 0\n", ""},        {"", "ecUndo x 0\n"},
      {"", "ecUndo 16496 0\necRedo 16496 0\n"},  // the same keys twice
      {"ecContextHelp 112 0\nbad\n", ""},
  };
  for (const KeystrokeCase& c : cases) {
    try {
      edit.ReadRemovedKeystrokes(c.removed);
      edit.ReadAddedKeystrokes(c.added);
      ADD_FAILURE() << "accepted: " << c.removed << c.added;
    } catch (const ESynKeyError& e) {
      EXPECT_NE(std::string(e.what()).find('"'), std::string::npos) << e.what();
    }
    EXPECT_EQ(edit.Keystrokes().Count(), count) << c.removed << c.added;
  }
  EXPECT_FALSE(edit.KeystrokesDiffer());
  // Blank lines and items that match nothing are passed over.
  edit.ReadRemovedKeystrokes("\n  \necUndo 1 0\r\n");
  EXPECT_EQ(edit.Keystrokes().Count(), count);
}

}  // namespace
}  // namespace kau::editor::testing

namespace kau::editor::testing {
namespace {

struct Killer : TSynEditPlugin {
  Killer(TCustomSynEdit* e, TSynEditPlugin** target) : TSynEditPlugin(e), victim(target) {}
  void AfterPaint(platform::Canvas&, const TRect&, int, int) override {
    delete *victim;
    *victim = nullptr;
  }
  void LinesInserted(int, int) override {}
  void LinesDeleted(int, int) override {}
  TSynEditPlugin** victim;
};

struct Painted : TSynEditPlugin {
  explicit Painted(TCustomSynEdit* e) : TSynEditPlugin(e) {}
  void AfterPaint(platform::Canvas&, const TRect&, int, int) override { ADD_FAILURE() << "painted after being freed"; }
  void LinesInserted(int, int) override {}
  void LinesDeleted(int, int) override {}
};

TEST(ControlPlugins, APluginFreedDuringThePaintCallsIsSkipped) {
  TSynEdit edit;
  TSynEditPlugin* victim = nullptr;
  new Killer(&edit, &victim);
  victim = new Painted(&edit);
  platform::FakeCanvas canvas({0, 0, 10, 10});
  edit.PluginsAfterPaint(canvas, {}, 1, 1);
  EXPECT_EQ(victim, nullptr);
  EXPECT_EQ(edit.PluginCount(), 1);
}

}  // namespace
}  // namespace kau::editor::testing
