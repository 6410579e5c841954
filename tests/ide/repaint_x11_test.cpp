// The program's editor window on a real X display, typed into by xdotool:
// after an edit, what the X server shows of the editor is what a full
// repaint of the same state shows. Screenshots go to build/screenshots/.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "ide/program_start.h"
#include "tests/editor_x11/x11_events.h"

namespace kau::ide::testing {
namespace {

using editor::testing::DifferingOnScreen;
using editor::testing::GrabScreen;
using editor::testing::WaitFor;
using editor::testing::XDo;

void Keys(const QString& keys) { XDo(QStringList{"key", "--delay", "30"} + keys.split(' ')); }

class RepaintX11 : public ::testing::Test {
 protected:
  // Starts the program with a file of `lines` lines named on its command
  // line and clicks on the editor's first row.
  void Open(int lines) {
    ASSERT_TRUE(folder_.isValid());
    const QString path = QDir(folder_.path()).filePath("linhas.pas");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Lines outside any structure: its lines would repaint the rows they
    // cross.
    for (int n = 1; n <= lines; ++n) file.write(QString("x%1 := %1; { linha %1 }\n").arg(n).toUtf8());
    file.close();
    // The program's start with a file named on its command line.
    FinishStart(windows_, {path});
    windows_.formMain.move(0, 0);
    windows_.formMain.show();
    ASSERT_TRUE(WaitFor([this] { return windows_.formMain.isVisible() && windows_.formMain.ActiveEditorWindow(); }));
    editor_ = windows_.formMain.ActiveEditorWindow();
    ASSERT_TRUE(WaitFor([&] { return !host().BackBuffer().isNull() && edit().LineCount() == lines; }));
    // A click on the editor's first row gives it the keys.
    XDo({"windowfocus", "--sync", QString::number(windows_.formMain.winId())});
    const QPoint first = host().viewport()->mapToGlobal(QPoint(host().viewport()->width() / 2, 3));
    XDo({"mousemove", QString::number(first.x()), QString::number(first.y()), "click", "1"});
    ASSERT_TRUE(WaitFor([this] { return host().hasFocus() && edit().CaretY() == 1; }));
  }

  RichEditControl& edit() { return editor_->RichEdit1(); }
  platform::QtEditorHost& host() { return editor_->Host(); }

  // The editor's viewport as the X server shows it once it shows all the
  // editor painted, the caret's cells left out (it blinks); saved as
  // build/screenshots/NAME.png.
  QImage Shot(const QString& name) {
    QWidget* viewport = host().viewport();
    const QRect caret(edit().CaretXPix() - 3, edit().CaretYPix(), 7, edit().LineHeight());
    EXPECT_TRUE(WaitFor([&] {
      return !host().PaintPending() && DifferingOnScreen(*viewport, host().BackBuffer(), caret) == 0;
    })) << "the screen does not show the editor's paint: " << name.toStdString();
    QImage shot = GrabScreen(QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size()));
    shot.save(QString(SCREENSHOT_DIR "/") + name + ".png");
    const int x = edit().CaretXPix(), y = edit().CaretYPix();
    for (int py = std::max(y, 0); py < std::min(y + edit().LineHeight(), shot.height()); ++py)
      for (int px = std::max(x - 3, 0); px < std::min(x + 4, shot.width()); ++px) shot.setPixel(px, py, 0);
    return shot;
  }
  // The pixels in which the editor as shown differs from a full repaint.
  int DifferenceFromAFullRepaint(const QString& name) {
    const QImage shown = Shot(name);
    host().InvalidateRect(nullptr, false);
    host().Update();
    const QImage full = Shot(name + "_full_repaint");
    if (shown.size() != full.size()) return shown.width() * shown.height();
    int count = 0;
    for (int y = 0; y < full.height(); ++y)
      for (int x = 0; x < full.width(); ++x) count += shown.pixel(x, y) != full.pixel(x, y);
    return count;
  }

  QTemporaryDir folder_;
  PascalKauWindows windows_;
  TFormEditor* editor_ = nullptr;
};

TEST_F(RepaintX11, EnterOnTheLastFullRowAboveAPartialRow) {
  ASSERT_NO_FATAL_FAILURE(Open(100));
  int rows = edit().LinesInWindow();
  if (edit().ClientHeight() % edit().LineHeight() == 0) {
    // The window a few pixels taller: a partial row below the last full one.
    XDo({"windowsize", QString::number(windows_.formMain.winId()), QString::number(windows_.formMain.width()),
         QString::number(windows_.formMain.height() + edit().LineHeight() / 2)});
    ASSERT_TRUE(WaitFor([this] { return edit().ClientHeight() % edit().LineHeight() != 0; }));
    rows = edit().LinesInWindow();
  }
  ASSERT_GT(rows, 3);
  Keys("ctrl+Home" + QString(" Down").repeated(rows - 1) + " End");
  ASSERT_TRUE(WaitFor([&] { return edit().CaretY() == rows; }));
  EXPECT_EQ(DifferenceFromAFullRepaint("ide_repaint_before_enter"), 0);
  Keys("Return");
  ASSERT_TRUE(WaitFor([&] { return edit().LineCount() == 101 && edit().TopLine() == 2; }));
  EXPECT_EQ(DifferenceFromAFullRepaint("ide_repaint_enter"), 0);
}

// A text that fits in the window: nothing scrolls, the rows that lose the
// selection must be repainted one by one.
TEST_F(RepaintX11, SelectAllThenUndo) {
  ASSERT_NO_FATAL_FAILURE(Open(10));
  ASSERT_LT(10, edit().LinesInWindow());
  Keys("Down Down Down Down End x");
  ASSERT_TRUE(WaitFor([&] { return edit().LineText(5) == "x5 := 5; { linha 5 }x"; })) << edit().LineText(5);
  Keys("ctrl+t");
  ASSERT_TRUE(WaitFor([&] { return edit().SelAvail(); }));
  EXPECT_EQ(DifferenceFromAFullRepaint("ide_repaint_select_all"), 0);
  Keys("ctrl+z");
  ASSERT_TRUE(WaitFor([&] { return !edit().SelAvail() && edit().LineText(5) == "x5 := 5; { linha 5 }"; }));
  EXPECT_EQ(DifferenceFromAFullRepaint("ide_repaint_select_all_undo"), 0);
}

}  // namespace
}  // namespace kau::ide::testing
