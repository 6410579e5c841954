// The demo window under Xvfb, driven by real X events (xdotool, xclip): what
// the screen shows of structures, bracket marks and a hovered token, and
// typing, selecting, menus, bookmarks and the X clipboard as a user does
// them. Screenshots go to build/screenshots/.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>

#include "tests/editor_kau/kau_pixels.h"
#include "tests/editor_x11/x11_driver.h"

namespace kau::editor::testing {
namespace {

std::string Joined(const std::vector<std::string>& failures) {
    std::string all;
    for (const std::string& f : failures) all += f + "\n";
    return all;
}

const std::vector<std::string> kProgram = {"program p;", "begin", "  repeat", "    x := (a + b) * 2;",
                                           "  until x > 9;", "end."};

void Key(const QString& keys) { XDo(QStringList{"key", "--delay", "30"} + keys.split(' ')); }

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
    Settle();
    EXPECT_EQ(RunProgram("xclip", {"-o", "-selection", "clipboard"}).toStdString(), "ol\xC3\xA1\nmundo");
    EXPECT_TRUE(RunProgram("xclip", {"-o", "-selection", "clipboard", "-t", "TARGETS"})
                    .contains("application/x-kau-editor-block-type"));

    RunProgram("xclip", {"-i", "-selection", "clipboard"}, "a\tb \xC3\xA7");
    Key("ctrl+End ctrl+v");
    EXPECT_TRUE(WaitFor([&] { return edit.LineText(2) == "mundoa\tb \xE7"; })) << edit.LineText(2);
}

}  // namespace
}  // namespace kau::editor::testing
