// The demo window under Xvfb, driven by real X events (xdotool, xclip): what
// the screen shows of structures, bracket marks and a hovered token, and
// typing, selecting, menus, bookmarks and the X clipboard as a user does
// them. Screenshots go to build/screenshots/.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QTemporaryFile>

#include "tests/editor_kau/kau_pixels.h"
#include "tests/editor_x11/x11_driver.h"
#include "tests/platform_qt/joined_failures.h"
#include "tests/support/hang_bound.h"

namespace kau::editor::testing {
namespace {

const std::vector<std::string> kProgram = {"program p;", "begin", "  repeat", "    x := (a + b) * 2;",
                                           "  until x > 9;", "end."};

void Key(const QString& keys) { XDo(QStringList{"key", "--delay", "30"} + keys.split(' ')); }

std::string ClipboardText() { return RunProgram("xclip", {"-o", "-selection", "clipboard"}).toStdString(); }

// The period of the editor's timer that scrolls while a drag is past an edge.
constexpr int kDragScrollPeriod = 100;

TEST(X11Demo, StructuresBracketMarksTypingAndShiftArrows) {
  X11Demo demo(1, kProgram);
  TSynEditKAU& edit = demo.Edit();
  ASSERT_TRUE(demo.Focus());
  Key("ctrl+Home Down Down Down End Left Left Left Left Left");
  ASSERT_TRUE(WaitFor([&] { return edit.CaretXY() == TPoint{17, 4}; })) << edit.CaretX() << "," << edit.CaretY();
  const QImage shot = demo.Grab(0, "x11_structures");
  EXPECT_EQ(Joined(StructureLinePixels(shot, edit)), "");
  EXPECT_EQ(Joined(CellBackground(shot, edit, {16, 4}, edit.ShowBracketPairColor)), "");
  EXPECT_EQ(Joined(CellBackground(shot, edit, {10, 4}, edit.ShowBracketPairColor)), "");

  Key("End Return");
  XDo({"type", "--delay", "30", "writeln(x);"});
  ASSERT_TRUE(WaitFor([&] { return edit.LineCount() > 4 && edit.LineText(5) == "    writeln(x);"; }))
      << edit.LineText(5);
  EXPECT_FALSE(edit.BracketMarks().has_value());  // after ";"
  Key("Left");
  ASSERT_TRUE(WaitFor([&] { return edit.BracketMarks().has_value(); }));
  Key("shift+Left shift+Left shift+Left");
  ASSERT_TRUE(WaitFor([&] { return edit.SelText() == "(x)"; })) << edit.SelText();
  demo.Grab(0, "x11_typed");
}

TEST(X11Demo, CtrlOverAKeywordShowsTheLink) {
  X11Demo demo(1, kProgram);
  TSynEditKAU& edit = demo.Edit();
  ASSERT_TRUE(demo.Focus());
  const QPoint begin = demo.CellOnScreen(0, {2, 2});
  XDo({"mousemove", "--sync", QString::number(begin.x()), QString::number(begin.y())});
  XDo({"keydown", "ctrl"});
  XDo({"mousemove", "--sync", QString::number(begin.x() + 1), QString::number(begin.y())});
  const bool linked = WaitFor([&] { return edit.TokenInfo().Active; });
  const QImage shot = demo.Grab(0, "x11_hover");
  EXPECT_EQ(Joined(TokenLinkPixels(shot, edit)), "");
  XDo({"keyup", "ctrl"});
  ASSERT_TRUE(linked);
  EXPECT_EQ(edit.TokenInfo().Token, "begin");
  EXPECT_TRUE(WaitFor([&] { return !edit.TokenInfo().Active; }));
}

TEST(X11Demo, AltLetterOpensTheMenuAndTypesNothingBookmarksByCtrlDigits) {
  X11Demo demo(1, kProgram);
  TSynEditKAU& edit = demo.Edit();
  ASSERT_TRUE(demo.Focus());
  const std::string before = edit.Text();
  Key("alt+a");
  EXPECT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
  Key("Escape");
  EXPECT_TRUE(WaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
  ASSERT_TRUE(demo.Focus());
  Key("alt+b");  // no menu of that letter
  XDo({"type", "x"});
  ASSERT_TRUE(WaitFor([&] { return edit.Text() != before; }));
  EXPECT_EQ(edit.LineText(1), "xprogram p;");

  Key("ctrl+Home Down shift+ctrl+1 ctrl+End");
  ASSERT_TRUE(WaitFor([&] { return edit.CaretY() == 6; }));
  Key("ctrl+1");
  EXPECT_TRUE(WaitFor([&] { return edit.CaretY() == 2; })) << edit.CaretY();
}

TEST(X11Demo, TheXClipboardCarriesTextBothWays) {
  X11Demo demo(1, {"ol\xE1", "mundo"});
  TSynEditKAU& edit = demo.Edit();
  ASSERT_TRUE(demo.Focus());
  Key("ctrl+a ctrl+c");
  EXPECT_TRUE(WaitFor([] { return ClipboardText() == "ol\xC3\xA1\nmundo"; })) << ClipboardText();
  EXPECT_TRUE(RunProgram("xclip", {"-o", "-selection", "clipboard", "-t", "TARGETS"})
                  .contains("application/x-kau-editor-block-type"));

  RunProgram("xclip", {"-i", "-selection", "clipboard"}, "a\tb \xC3\xA7");
  Key("ctrl+End ctrl+v");
  EXPECT_TRUE(WaitFor([&] { return edit.LineText(2) == "mundoa\tb \xE7"; })) << edit.LineText(2);
}

void MouseTo(QPoint p) { XDo({"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())}); }

TEST(X11Demo, ClicksPlaceTheCaretAndADragPastTheBottomScrolls) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 100; ++i) lines.push_back("linha " + std::to_string(i));
  X11Demo demo(1, lines);
  TSynEditKAU& edit = demo.Edit();
  ASSERT_TRUE(demo.Focus());
  MouseTo(demo.CellOnScreen(0, {3, 5}));
  XDo({"click", "1"});
  ASSERT_TRUE(WaitFor([&] { return edit.CaretXY() == TPoint{3, 5}; })) << edit.CaretX() << "," << edit.CaretY();

  MouseTo(demo.CellOnScreen(0, {2, 2}));
  XDo({"mousedown", "1"});
  QWidget* viewport = demo.Window().Host(0).viewport();
  MouseTo(viewport->mapToGlobal(QPoint(60, viewport->height() + 20)));
  const bool scrolled = WaitFor([&] { return edit.TopLine() > 10; });
  XDo({"mouseup", "1"});
  ASSERT_TRUE(scrolled);
  ASSERT_TRUE(WaitFor([&] { return !demo.Window().Host(0).HasCapture(); }));  // the release arrived
  const int top = edit.TopLine();
  // The release stopped the scrolling: for some periods of its timer the
  // editor stays.
  EXPECT_FALSE(WaitFor([&] { return edit.TopLine() != top; }, 3 * kDragScrollPeriod)) << edit.TopLine();
  EXPECT_EQ(edit.BlockBegin(), (TPoint{2, 2}));
}

TEST(X11Demo, ColumnModeSelectsAColumnWithShiftArrows) {
  X11Demo demo(1, kProgram);
  TSynEditKAU& edit = demo.Edit();
  ASSERT_TRUE(demo.Focus());
  MouseTo(demo.CellOnScreen(0, {3, 2}));
  XDo({"click", "1"});
  ASSERT_TRUE(WaitFor([&] { return edit.CaretXY() == TPoint{3, 2}; }));
  Key("ctrl+shift+c shift+Down shift+Down shift+Down shift+Right shift+Right shift+Right");
  ASSERT_TRUE(WaitFor([&] { return edit.SelectionMode() == smColumn && edit.CaretXY() == TPoint{6, 5}; }))
      << edit.CaretX() << "," << edit.CaretY();
  const QImage shot = demo.Grab(0, "x11_column_selection");
  EXPECT_EQ(edit.SelText(), "gin\r\nrep\r\n  x\r\nunt");
  for (int line = 2; line <= 5; ++line) {
    EXPECT_EQ(Joined(CellBackground(shot, edit, {4, line}, edit.SelectedColor().Background())), "") << line;
    EXPECT_EQ(Joined(CellBackground(shot, edit, {7, line}, edit.Color())), "") << line;
  }
}

TEST(X11Demo, TextDraggedWithinAnEditorMovesAndBetweenEditorsCopies) {
  X11Demo demo(2, kProgram);
  TSynEditKAU& left = demo.Edit(0);
  TSynEditKAU& right = demo.Edit(1);
  ASSERT_TRUE(demo.Focus(0));
  MouseTo(demo.CellOnScreen(0, {5, 3}));
  XDo({"click", "--repeat", "2", "--delay", "40", "1"});  // a double click selects "repeat"
  ASSERT_TRUE(WaitFor([&] { return left.SelText() == "repeat"; })) << left.SelText();
  XDo({"mousedown", "1"});
  MouseTo(demo.CellOnScreen(0, {6, 4}));
  MouseTo(demo.CellOnScreen(1, {1, 1}));
  MouseTo(demo.CellOnScreen(1, {1, 1}) + QPoint(1, 0));
  XDo({"mouseup", "1"});
  ASSERT_TRUE(WaitFor([&] { return right.LineText(1) == "repeatprogram p;"; })) << right.LineText(1);
  EXPECT_EQ(left.LineText(3), "  repeat");  // copied, not moved
  const QImage shot = demo.Grab(1, "x11_drop_between");
  EXPECT_EQ(Joined(CellBackground(shot, right, {3, 1}, right.SelectedColor().Background())), "");

  ASSERT_TRUE(demo.Focus(0));
  MouseTo(demo.CellOnScreen(0, {5, 3}));
  XDo({"click", "--repeat", "2", "--delay", "40", "1"});
  ASSERT_TRUE(WaitFor([&] { return left.SelText() == "repeat"; }));
  XDo({"mousedown", "1"});
  MouseTo(demo.CellOnScreen(0, {3, 6}));
  MouseTo(demo.CellOnScreen(0, {4, 6}));
  XDo({"mouseup", "1"});
  ASSERT_TRUE(WaitFor([&] { return left.LineText(3) == "  "; })) << left.LineText(3);
  EXPECT_EQ(left.LineText(6), "endrepeat.");
}

// Keyboard layouts of Portuguese: dead keys compose once, the cedilla key
// types even right after an arrow key, AltGr gives the third level.
TEST(X11Demo, BrazilianDeadKeysAndPortugueseAltGr) {
  X11Demo demo(1, {""});
  TSynEditKAU& edit = demo.Edit();
  ASSERT_TRUE(demo.Focus());
  RunProgram("setxkbmap", {"br"});
  Key("dead_acute a dead_tilde a ccedilla Left ccedilla");
  const bool brazilian = WaitFor([&] { return edit.LineText(1).size() >= 4; });
  RunProgram("setxkbmap", {"pt"});
  Key("End");
  XDo({"keydown", "ISO_Level3_Shift"});
  Key("2 e");
  XDo({"keyup", "ISO_Level3_Shift"});
  const bool portuguese = WaitFor([&] { return edit.LineText(1).size() >= 6; });
  RunProgram("setxkbmap", {"us"});
  EXPECT_TRUE(brazilian);
  EXPECT_TRUE(portuguese);
  EXPECT_EQ(edit.LineText(1), "\xE1\xE3\xE7\xE7@\x80");
}

// A column block goes between two processes through the X clipboard as a
// column; a block entry that is not one of ours pastes nothing.
TEST(X11Demo, AColumnBlockCrossesProcessesAndAMalformedBlockChangesNothing) {
  X11Demo demo(1, {"abcdef", "ab", "abcdef"});
  TSynEditKAU& edit = demo.Edit();
  ASSERT_TRUE(demo.Focus());
  // The other demo copies a column of its own text, read from a file.
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  file.write("xyz\n123\n");
  file.close();
  QProcess other;
  other.start(KAU_EDITOR_DEMO, {file.fileName()});
  ASSERT_TRUE(other.waitForStarted(kau::testing::kHangMilliseconds));
  // Its window: of its process and of that name (ours has the name too).
  const QString id = QString(RunProgram("xdotool", {"search", "--sync", "--all", "--onlyvisible", "--pid",
                                                    QString::number(other.processId()), "--name", "Pascal KAU"}))
                         .split('\n', Qt::SkipEmptyParts)
                         .value(0);
  ASSERT_FALSE(id.isEmpty());
  XDo({"windowfocus", "--sync", id});
  // A click in its editor (its window lies over ours) gives it the keys;
  // the X server hands the click and then the keys to it in their order.
  XDo({"mousemove", "--sync", "--window", id, "200", "150"});
  ASSERT_TRUE(WaitFor([&] {
    return RunProgram("xdotool", {"getmouselocation", "--shell"}).contains("WINDOW=" + id + "\n");
  }));
  XDo({"click", "1"});
  Key("ctrl+Home ctrl+shift+c shift+Down shift+Right shift+Right ctrl+c");
  EXPECT_TRUE(WaitFor([] { return ClipboardText() == "xy\n12"; })) << ClipboardText();
  XDo({"windowfocus", "--sync", QString::number(demo.Window().winId())});
  ASSERT_TRUE(demo.Focus());
  Key("ctrl+Home Right Right ctrl+v");
  EXPECT_TRUE(WaitFor([&] { return edit.LineText(2) == "ab12"; })) << edit.LineText(2);
  EXPECT_EQ(edit.LineText(1), "abxycdef");
  other.kill();
  other.waitForFinished(kau::testing::kHangMilliseconds);

  const std::string before = edit.Text();
  RunProgram("xclip", {"-i", "-selection", "clipboard", "-t", "application/x-kau-editor-block-type"},
             QByteArray("\x07garbage", 8));
  Key("ctrl+Home");
  ASSERT_TRUE(WaitFor([&] { return edit.CaretXY() == TPoint{1, 1}; }));
  // The key after the paste arrives once the paste is done.
  Key("ctrl+v ctrl+End");
  EXPECT_TRUE(WaitFor([&] { return edit.CaretY() == edit.LineCount() && edit.CaretY() > 1; }));
  EXPECT_EQ(edit.Text(), before);
}

}  // namespace
}  // namespace kau::editor::testing
