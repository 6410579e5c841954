// The development environment on a real X display (Xvfb), without a window
// manager or under the one named in KAU_X11_WINDOW_MANAGER, driven as a
// student drives it: keys and clicks sent by xdotool, menus opened by their
// Alt letters, dialogs answered by typing. The windows are the program's
// own (the console window, the splash, the main window and the explorer).
// Screenshots go to build/screenshots/ide_x11_*.png.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "ide/program_start.h"
#include "ide/search_dialogs.h"
#include "platform/console/screen_dump.h"
#include "tests/editor_x11/x11_events.h"

namespace kau::ide::testing {
namespace {

using editor::testing::GrabScreen;
using editor::testing::Settle;
using editor::testing::WaitFor;
using editor::testing::XDo;

// Long enough for a compile and a run on a busy machine.
constexpr int kRunMilliseconds = 20000;

const char* const kHello = "program p;\nbegin\n  writeln('Ola'); readln;\nend.\n";

std::string ShotName(const char* name) {
  const QByteArray manager = qgetenv("KAU_X11_WINDOW_MANAGER");
  return std::string("ide_x11_") + name + (manager.isEmpty() ? "" : "_" + manager.toStdString());
}

void Key(const QString& keys) { XDo(QStringList{"key", "--delay", "40"} + keys.split(' ')); }
void Type(const QString& text) { XDo({"type", "--delay", "40", text}); }

void ClickAt(QPoint global) {
  XDo({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
  XDo({"click", "1"});
}
void Click(QWidget* widget) { ClickAt(widget->mapToGlobal(widget->rect().center())); }

// The visible top-level windows, by class and object name (the tool tips and
// the pop-up menus aside).
QStringList ShownWindows() {
  QStringList shown;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && !window->windowFlags().testFlag(Qt::ToolTip) &&
        window->windowType() != Qt::Popup)
      shown << QString(window->metaObject()->className()) + ":" + window->objectName();
  shown.sort();
  return shown;
}

// What a person does while the program runs. The run keeps the windows'
// event loop busy until it ends, so the test's own code does not go on
// meanwhile: these steps are taken from a timer instead, each once its
// condition holds.
class During {
 public:
  // `giveUp` ends the run when a step's condition does not come in time.
  explicit During(std::function<void()> giveUp) : giveUp_(std::move(giveUp)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(20);
    waiting_.start();
  }
  During& then(const char* what, std::function<bool()> when, std::function<void()> act) {
    steps_.push_back({what, std::move(when), std::move(act)});
    return *this;
  }
  // Acts every second until `until` holds: a person pressing a key again
  // when the screen shows no change.
  During& again(const char* what, std::function<void()> act, std::function<bool()> until) {
    auto last = std::make_shared<QElapsedTimer>();
    steps_.push_back({what, [=] {
                        if (until()) return true;
                        if (!last->isValid() || last->elapsed() >= 1000) {
                          act();
                          last->start();
                        }
                        return false;
                      },
                      [] {}});
    return *this;
  }
  bool done() const { return next_ == steps_.size(); }

 private:
  struct Step {
    const char* what;
    std::function<bool()> when;
    std::function<void()> act;
  };
  void poll() {
    if (busy_ || done()) return;
    busy_ = true;  // acting runs the event loop, and this timer with it
    if (steps_[next_].when()) {
      steps_[next_].act();
      ++next_;
      waiting_.start();
    } else if (waiting_.elapsed() > kRunMilliseconds) {
      ADD_FAILURE() << "never came: " << steps_[next_].what;
      next_ = steps_.size();
      giveUp_();
    }
    busy_ = false;
  }
  std::function<void()> giveUp_;
  QTimer timer_;
  QElapsedTimer waiting_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool busy_ = false;
};

class IdeX11 : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

  // Starts the program on `source` (written as prog.pas) as `pascalkau
  // prog.pas` does, and waits until its editor has the keyboard.
  void start(const char* source = kHello) {
    const QString path = write("prog.pas", source);
    ShowSplash(windows_);
    FinishStart(windows_, {path});
    main().show();
    ASSERT_TRUE(WaitFor([&] { return editorHasKeys(); }, 10000)) << focusReport();
  }
  QString write(const QString& name, const QByteArray& text) {
    QFile file(folder_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
  }
  TFormMain& main() { return windows_.formMain; }
  TFormEditor& active() { return *main().ActiveEditorWindow(); }
  RichEditControl& edit() { return active().RichEdit1(); }
  bool editorHasKeys() {
    return main().ActiveEditorWindow() && QApplication::activeWindow() == &main() &&
           QApplication::focusWidget() == &active().Host();
  }
  std::string focusReport() {
    QWidget* focus = QApplication::focusWidget();
    QWidget* window = QApplication::activeWindow();
    return "focus on " + (focus ? focus->objectName().toStdString() : std::string("nothing")) + " in " +
           (window ? window->objectName().toStdString() : std::string("no window"));
  }
  QString screen() const { return QString::fromStdString(console::screenText(windows_.console.snapshot())); }
  During person() {
    return During([this] {
      std::fprintf(stderr, "%s\ncursor row %d\n", screen().toStdString().c_str(), windows_.console.snapshot().cursorRow);
      windows_.console.pressCtrlC();
    });
  }
  QString row(int n) const { return screen().split('\n').value(n - 1); }
  bool consoleHasKeys() { return QApplication::activeWindow() == &windows_.consoleWindow; }
  // F9 in the editor, `person` acting during the run; true once both are
  // over.
  bool runFromTheEditor() { return runFromTheEditor(person()); }
  bool runFromTheEditor(const During& person) {
    Key("F9");
    return WaitFor([&] { return person.done() && !main().running(); }, kRunMilliseconds);
  }
  // Typed at once after the run, without a click: it lands in the editor.
  void expectTypingLandsAtTheCaret(const char* shot) {
    const editor::TPoint caret = edit().CaretXY();
    const std::string line = edit().LineText(caret.Y);
    const std::string expected = line.substr(0, caret.X - 1) + "abc" + line.substr(std::min<size_t>(line.size(), caret.X - 1));
    Type("abc");
    EXPECT_TRUE(WaitFor([&] { return edit().LineText(caret.Y) == expected; }))
        << "line " << caret.Y << " is \"" << edit().LineText(caret.Y) << "\"; " << focusReport();
    GrabScreen(ShotName(shot));
  }
  // The main window's menu and tool bar as the screen shows them are what the
  // window paints: nothing lies over them.
  void expectMenuAndToolBarOnTop() {
    Settle();
    const QImage screen = GrabScreen();
    for (QWidget* bar : {static_cast<QWidget*>(main().menuBar()), static_cast<QWidget*>(main().findChild<QToolBar*>())}) {
      const QImage own = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
      const QImage shown = screen.copy(QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size())).convertToFormat(QImage::Format_RGB32);
      ASSERT_EQ(own.size(), shown.size());
      int differing = 0;
      for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x) differing += own.pixel(x, y) != shown.pixel(x, y);
      EXPECT_LT(differing, own.width() * own.height() / 20) << bar->objectName().toStdString() << " is covered";
    }
  }

  QTemporaryDir folder_;
  PascalKauWindows windows_;
};

TEST_F(IdeX11, AfterARunEndedWithEnterTheEditorHasTheKeys) {
  start();
  edit().SetCaretXY({1, 2});
  During enters = person();
  enters.then("Ola, the console having the keys", [&] { return row(1) == "Ola" && consoleHasKeys(); },
              [] { Key("Return"); })
      .again("the run's end", [] { Key("Return"); }, [&] { return !main().running(); });
  ASSERT_TRUE(runFromTheEditor(enters)) << focusReport();
  const QStringList windows = ShownWindows();
  expectTypingLandsAtTheCaret("after_enter");
  Key("space");
  EXPECT_TRUE(WaitFor([&] { return edit().LineText(2) == "abc begin"; })) << edit().LineText(2);
  EXPECT_EQ(ShownWindows(), windows);
  EXPECT_EQ(main().EditorWindowList().size(), 1);
  expectMenuAndToolBarOnTop();
}

TEST_F(IdeX11, AfterASyntaxErrorTheCaretEndsTheLineAndHasTheKeys) {
  start("program p;\nbegin\n  writeln(;\nend.\n");
  ASSERT_TRUE(runFromTheEditor());
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{12, 3}));
  expectTypingLandsAtTheCaret("after_syntax_error");
  EXPECT_EQ(edit().LineText(3), "  writeln(;abc");
  expectMenuAndToolBarOnTop();
}

TEST_F(IdeX11, AfterCtrlCTheEditorHasTheKeys) {
  start("program p;\nvar i: integer;\nbegin\n  while true do i := 0;\nend.\n");
  edit().SetCaretXY({3, 4});
  During stop = person();
  stop.then("the run, the console having the keys", [&] { return windows_.console.runOpen() && consoleHasKeys(); },
            [] { Key("ctrl+c"); });
  ASSERT_TRUE(runFromTheEditor(stop)) << focusReport();
  expectTypingLandsAtTheCaret("after_ctrl_c");
  expectMenuAndToolBarOnTop();
}

}  // namespace
}  // namespace kau::ide::testing
