#include <memory>
#include <stdexcept>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

struct Thrower {
  void Status(TObject*, TSynStatusChanges) { throw std::runtime_error("status"); }
  void Transient(TObject*, platform::Canvas&, TTransientType) { throw std::runtime_error("transient"); }
  void Command(TObject*, TSynEditorCommand&, char&, void*) { throw std::runtime_error("command"); }
};

TEST_F(ControlTest, ThrowingHandlersLeaveNothingLocked) {
  SetLines({"abc", "def"});
  Thrower thrower;
  edit.OnStatusChange = makeMethod<&Thrower::Status>(&thrower);
  EXPECT_THROW(edit.SetCaretXY({2, 2}), std::runtime_error);
  EXPECT_EQ(edit.PaintLock(), 0);
  edit.OnStatusChange = {};

  edit.OnPaintTransient = makeMethod<&Thrower::Transient>(&thrower);
  EXPECT_THROW(edit.SetCaretXY({1, 1}), std::runtime_error);
  EXPECT_EQ(edit.PaintLock(), 0);
  edit.OnPaintTransient = {};

  edit.OnProcessCommand = makeMethod<&Thrower::Command>(&thrower);
  EXPECT_THROW(edit.CommandProcessor(ecDown, '\0', nullptr), std::runtime_error);
  EXPECT_EQ(edit.PaintLock(), 0);
}

TEST_F(ControlTest, StatusChangesWaitForAHandlerAndTheOutermostLock) {
  SetLines({"abc", "def"});
  edit.SetCaretXY({2, 2});
  EXPECT_EQ(edit.PendingStatusChanges(), scCaretX | scCaretY | scSelection);
  const std::vector<TSynStatusChanges>& reports = RecordStatusChanges();
  edit.IncPaintLock();
  edit.IncPaintLock();
  edit.SetReadOnly(true);
  edit.DecPaintLock();
  EXPECT_TRUE(reports.empty());
  edit.DecPaintLock();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], scCaretX | scCaretY | scSelection | scReadOnly);
  EXPECT_EQ(edit.PendingStatusChanges(), 0);

  // Without a window the end of the lock still reports.
  edit.DestroyWnd();
  edit.SetInsertMode(false);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1], scInsertMode);
}

struct ReadOnlyOnce {
  TCustomSynEdit* edit;
  std::vector<TSynStatusChanges> reports;
  void Changed(TObject*, TSynStatusChanges c) {
    reports.push_back(c);
    edit->SetReadOnly(true);
  }
};

TEST_F(ControlTest, ChangesAStatusHandlerMakesAreReportedAfterIt) {
  SetLines({"abc"});
  ReadOnlyOnce handler{&edit, {}};
  edit.OnStatusChange = makeMethod<&ReadOnlyOnce::Changed>(&handler);
  edit.SetCaretX(2);
  EXPECT_EQ(handler.reports, (std::vector<TSynStatusChanges>{scCaretX | scSelection, scReadOnly}));
}

TEST_F(ControlTest, LineChangesCollectTheirRepaintsAndCollapseTheSelection) {
  SetLines({"abc", "def", "ghi"});
  edit.SetBlockBegin({1, 1});
  edit.SetBlockEnd({2, 3});
  window.ClearInvalidations();
  edit.LinesChanging(&edit.Lines());
  edit.InvalidateLines(2, 2);
  edit.InvalidateGutterLines(3, 3);
  EXPECT_TRUE(window.Invalidations().empty());
  EXPECT_EQ(edit.CollectedInvalidRect(), (TRect{0, 16, 400, 48}));
  edit.LinesChanged(&edit.Lines());
  // The collapsed selection's lines, then the collected area in one piece.
  EXPECT_EQ(window.Invalidations(), (std::vector<TRect>{{30, 0, 400, 48}, {0, 16, 400, 48}}));
  EXPECT_EQ(edit.CollectedInvalidRect(), TRect{});
  EXPECT_FALSE(edit.SelAvail());

  edit.SetBlockBegin({1, 1});
  edit.SetBlockEnd({2, 3});
  edit.DestroyWnd();
  edit.LinesChanged(&edit.Lines());
  EXPECT_FALSE(edit.SelAvail());
}

TEST_F(ControlTest, RepaintRequestsCoverTheirRows) {
  for (int i = 0; i < 50; ++i) edit.Lines().Add("x");
  struct Case {
    const char* name;
    void (TCustomSynEdit::*op)(int, int);
    int first, last;
    std::vector<TRect> rects;
  };
  const Case cases[] = {
      {"text lines", &TCustomSynEdit::InvalidateLines, 2, 3, {{30, 16, 400, 48}}},
      {"swapped", &TCustomSynEdit::InvalidateLines, 3, 2, {{30, 16, 400, 48}}},
      {"cut at the window", &TCustomSynEdit::InvalidateLines, 19, 40, {{30, 288, 400, 336}}},
      {"below the window", &TCustomSynEdit::InvalidateLines, 30, 40, {}},
      {"all text", &TCustomSynEdit::InvalidateLines, -1, -1, {{30, 0, 400, 320}}},
      {"gutter lines", &TCustomSynEdit::InvalidateGutterLines, 1, 1, {{0, 0, 30, 16}}},
      {"whole gutter", &TCustomSynEdit::InvalidateGutterLines, -1, -1, {{0, 0, 30, 320}}},
  };
  for (const Case& c : cases) {
    window.ClearInvalidations();
    (edit.*c.op)(c.first, c.last);
    EXPECT_EQ(window.Invalidations(), c.rects) << c.name;
  }
  window.ClearInvalidations();
  edit.InvalidateLine(3);
  edit.InvalidateLine(60);
  EXPECT_EQ(window.Invalidations(), (std::vector<TRect>{{0, 32, 400, 48}}));

  // A hidden control drops its requests.
  window.SetVisible(false);
  window.ClearInvalidations();
  edit.InvalidateLines(1, 2);
  edit.InvalidateLine(1);
  edit.Invalidate();
  EXPECT_TRUE(window.Invalidations().empty());
}

TEST_F(ControlTest, ACaretMoveRepaintsBothLinesUnderAnActiveLineColour) {
  SetLines({"abc", "def", "ghi"});
  edit.SetActiveLineColor(clYellow);
  window.ClearInvalidations();
  edit.SetCaretXY({1, 3});
  EXPECT_EQ(window.Invalidations(), (std::vector<TRect>{{0, 32, 400, 48}, {0, 0, 400, 16}}));
}

struct HookLog {
  std::vector<std::pair<bool, void*>> calls;
  bool handle = false;
  void First(TObject*, bool after, bool& handled, TSynEditorCommand&, char&, void*, void* data) {
    calls.push_back({after, data});
    if (handle) handled = true;
  }
  void Second(TObject*, bool after, bool&, TSynEditorCommand& command, char&, void*, void* data) {
    calls.push_back({after, data});
    if (!after) command = ecRight;
  }
};

TEST_F(ControlTest, HookedCommandHandlers) {
  SetLines({"abc"});
  HookLog log;
  int a = 0, b = 0;
  const auto first = makeMethod<&HookLog::First>(&log);
  edit.RegisterCommandHandler(first, &a);
  edit.RegisterCommandHandler(first, &b);
  edit.RegisterCommandHandler({}, &b);
  EXPECT_EQ(edit.GetHookedCommandHandlersCount(), 1);
  edit.RegisterCommandHandler(makeMethod<&HookLog::Second>(&log), &b);

  // The second handler turns Left into Right before it runs.
  edit.CommandProcessor(ecLeft, '\0', nullptr);
  EXPECT_EQ(edit.CaretX(), 2);
  EXPECT_EQ(log.calls, (std::vector<std::pair<bool, void*>>{{false, &a}, {false, &b}, {true, &a}, {true, &b}}));

  log.calls.clear();
  log.handle = true;
  edit.CommandProcessor(ecLeft, '\0', nullptr);
  EXPECT_EQ(edit.CaretX(), 2);
  EXPECT_EQ(log.calls.size(), 2u);

  edit.UnregisterCommandHandler(first);
  EXPECT_EQ(edit.GetHookedCommandHandlersCount(), 1);
  EXPECT_EQ(edit.FindHookedCmdEvent(first), -1);
}

struct TransientLog {
  std::vector<TTransientType> fired;
  void Paint(TObject*, platform::Canvas&, TTransientType t) { fired.push_back(t); }
};

TEST_F(ControlTest, NestedTransientPaintsFireOnlyAtTheOuterEnds) {
  TransientLog log;
  edit.OnPaintTransient = makeMethod<&TransientLog::Paint>(&log);
  edit.DoOnPaintTransientEx(ttBefore, true);
  edit.DoOnPaintTransientEx(ttBefore, true);
  edit.DoOnPaintTransientEx(ttAfter, true);
  edit.DoOnPaintTransientEx(ttAfter, true);
  EXPECT_EQ(log.fired, (std::vector<TTransientType>{ttBefore, ttAfter}));
  edit.DoOnPaintTransientEx(ttAfter, true);
  edit.DoOnPaintTransient(ttBefore);
  EXPECT_EQ(log.fired.size(), 4u);
}

// The transient paint at the end of a paint draws on the paint's own canvas,
// never on a second one competing for the same window surface.
TEST_F(ControlTest, TheTransientPaintOfAPaintUsesThePaintsCanvas) {
  struct CanvasLog {
    std::vector<const platform::Canvas*> used;
    void Paint(TObject*, platform::Canvas& c, TTransientType) { used.push_back(&c); }
  } log;
  edit.OnPaintTransient = makeMethod<&CanvasLog::Paint>(&log);
  const platform::Canvas& painted = window.PaintNow(true);
  ASSERT_EQ(log.used.size(), 1u);
  EXPECT_EQ(log.used[0], &painted);
  EXPECT_TRUE(window.DirectCanvases().empty());
  edit.DoOnPaintTransient(ttAfter);  // outside a paint: a canvas of its own
  EXPECT_EQ(window.DirectCanvases().size(), 1u);
  edit.OnPaintTransient = {};
}

struct PluginLog : TSynEditPlugin {
  PluginLog(TCustomSynEdit* e, std::vector<int>* freedIds, int pluginId) : TSynEditPlugin(e), freed(freedIds), id(pluginId) {}
  ~PluginLog() override { freed->push_back(id); }
  void AfterPaint(platform::Canvas&, const TRect&, int, int) override { ++painted; }
  void LinesInserted(int, int) override {}
  void LinesDeleted(int, int) override {}
  std::vector<int>* freed;
  int id;
  int painted = 0;
};

TEST(ControlLifetime, TheEditorFreesItsPluginsLastFirst) {
  std::vector<int> freed;
  auto edit = std::make_unique<TSynEdit>();
  new PluginLog(edit.get(), &freed, 1);
  auto* second = new PluginLog(edit.get(), &freed, 2);
  auto* third = new PluginLog(edit.get(), &freed, 3);
  delete second;
  EXPECT_EQ(edit->PluginCount(), 2);
  platform::FakeCanvas canvas({0, 0, 10, 10});
  edit->PluginsAfterPaint(canvas, {}, 1, 1);
  EXPECT_EQ(third->painted, 1);
  edit.reset();
  EXPECT_EQ(freed, (std::vector<int>{2, 3, 1}));
}

TEST(ControlLifetime, AHighlighterFreedFirstLetsGo) {
  TSynEdit edit;
  edit.Lines().Add("begin { open");
  edit.Lines().Add("end");
  auto pascal = std::make_unique<TSynPasSyn>();
  edit.SetHighlighter(pascal.get());
  // Attaching scans the lines in view at once, the others when asked.
  edit.ScanRangesThrough(1);
  EXPECT_NE(edit.Lines().GetRange(0), kRangeUnscanned);
  EXPECT_EQ(edit.Lines().GetRange(0), edit.Lines().GetRange(1));
  pascal.reset();
  EXPECT_EQ(edit.Highlighter(), nullptr);
  EXPECT_EQ(edit.CharWidth(), 8);
}

TEST(ControlLifetime, AnEditorFreedFirstUnhooksItself) {
  TSynPasSyn pascal;
  TImageList images(12, 12);
  {
    TSynEdit edit;
    edit.SetHighlighter(&pascal);
    edit.BookMarkOptions().SetBookmarkImages(&images);
    ASSERT_GT(pascal.ListenerCount(), 0);
    ASSERT_GT(images.ListenerCount(), 0);
  }
  EXPECT_EQ(pascal.ListenerCount(), 0);
  EXPECT_EQ(images.ListenerCount(), 0);
  // Changes and frees later reach no editor.
  pascal.GetAttribute(0)->SetStyle(fsBold);
  TSynEdit other;
  other.BookMarkOptions().SetBookmarkImages(&images);
}

TEST(ControlLifetime, AFreedImageListIsForgotten) {
  TSynEdit edit;
  {
    TImageList images(12, 12);
    edit.BookMarkOptions().SetBookmarkImages(&images);
  }
  EXPECT_EQ(edit.BookMarkOptions().BookmarkImages(), nullptr);
}

TEST_F(ControlTest, HighlighterChangesReachTheEditor) {
  TSynPasSyn pascal;
  edit.SetHighlighter(&pascal);
  window.ClearInvalidations();
  for (int i = 0; i < pascal.GetAttribCount(); ++i) pascal.GetAttribute(i)->SetStyle(0);
  EXPECT_EQ(edit.CharWidth(), 8);
  EXPECT_FALSE(window.Invalidations().empty());
}

}  // namespace
}  // namespace kau::editor::testing
