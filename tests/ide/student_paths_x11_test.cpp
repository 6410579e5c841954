// The development environment on a real X display (Xvfb), without a window
// manager or under the one named in KAU_X11_WINDOW_MANAGER, driven as a
// student drives it: keys and clicks sent by xdotool, menus opened by a
// click on their title or by their Alt letter, dialogs answered by typing.
// The windows are the program's own (the console window, the splash, the
// main window and the explorer). Screenshots go to
// build/screenshots/student_paths_x11_*.png.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "ide/program_start.h"
#include "ide/search_dialogs.h"
#include "platform/qt/qt_popup_host.h"
#include "platform/console/screen_dump.h"
#include "platform/qt/qt_fonts.h"
#include "tests/editor_control/editor_view.h"
#include "tests/editor_x11/x11_events.h"
#include "tests/platform_qt/joined_failures.h"
#include "tests/support/hang_bound.h"
#include "test_env.h"

namespace kau::ide::testing {
namespace {

using editor::testing::DifferingOnScreen;
using editor::testing::RunProgram;
using editor::testing::WaitFor;
using editor::testing::XDo;

const char* const kHello = "program p;\nbegin\n  writeln('Ola'); readln;\nend.\n";

void Key(const QString& keys) { XDo(QStringList{"key", "--delay", "40"} + keys.split(' ')); }
void Type(const QString& text) { XDo({"type", "--delay", "40", text}); }

// The pointer moves onto the point as a hand moves it, from beside it, also
// when it rests there already: a window that opened under it has seen no
// move, Qt drops a move that ends where the last one it saw did, and
// xdotool's mousemove --sync waits for ever for a move that goes nowhere.
// The program sees each move before the next is sent, which it would
// otherwise merge into that one.
void MoveTo(QPoint global) {
  for (const QPoint p : {global + QPoint(-20, 20), global})
    EXPECT_TRUE(editor::testing::MovePointer(p)) << "the pointer never reached " << p.x() << "," << p.y();
}
void ClickAt(QPoint global) {
  MoveTo(global);
  XDo({"click", "1"});
}
void Click(QWidget* widget) { ClickAt(widget->mapToGlobal(widget->rect().center())); }

// The centre of a part of an editor window's own title bar (its close box,
// its icon) on the screen, where the window's style lays the bar out.
QPoint TitleBarPart(QMdiSubWindow& window, QStyle::SubControl part) {
  QStyleOptionTitleBar bar;
  bar.initFrom(&window);
  bar.subControls = QStyle::SC_All;
  bar.titleBarFlags = window.windowFlags();
  bar.titleBarState = window.windowState();
  bar.rect = QRect(0, 0, window.width(), window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, &window));
  return window.mapToGlobal(window.style()->subControlRect(QStyle::CC_TitleBar, &bar, part, &window).center());
}

// The centre of the close box that the window manager puts at the right end
// of a top-level window's title bar (openbox: a square button as high as the
// bar, a few pixels from the edge).
QPoint WindowManagerCloseBox(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const int titleBar = window.geometry().top() - frame.top();
  return {frame.right() - titleBar / 2 - 2, frame.top() + titleBar / 2};
}

// The pixels in which two pictures of one size differ, those in `except`
// aside.
int DifferingPixels(const QImage& a, const QImage& b, const QRect& except) {
  const QImage first = a.convertToFormat(QImage::Format_RGB32), second = b.convertToFormat(QImage::Format_RGB32);
  if (first.size() != second.size()) return -1;
  int differing = 0;
  for (int y = 0; y < first.height(); ++y)
    for (int x = 0; x < first.width(); ++x)
      if (!except.contains(x, y) && first.pixel(x, y) != second.pixel(x, y)) ++differing;
  return differing;
}

// Counts the events of a type that the window system sends a window (its
// close requests, its activations), or the whole program (qApp); of key
// events, only those of `key` when one is given.
class WindowEvents : public QObject {
 public:
  WindowEvents(QObject& target, QEvent::Type type, int key = 0) : target_(&target), type_(type), key_(key) {
    target.installEventFilter(this);
  }
  ~WindowEvents() override {
    if (target_) target_->removeEventFilter(this);
  }
  int count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto* keyEvent = dynamic_cast<const QKeyEvent*>(event);
    if (event->type() == type_ && event->spontaneous() && (key_ == 0 || (keyEvent && keyEvent->key() == key_)))
      ++count_;
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<QObject> target_;
  QEvent::Type type_;
  int key_;
  int count_ = 0;
};

// A point of `window` on the screen that `cover` leaves uncovered, found on
// a grid; none when it covers it all.
std::optional<QPoint> UncoveredPoint(const QWidget& window, const QWidget& cover) {
  const QRect area(window.mapToGlobal(QPoint(0, 0)), window.size());
  const QRect covered = cover.frameGeometry().adjusted(-20, -20, 20, 20);  // the pointer comes from beside it
  for (int y = area.top() + 30; y < area.bottom() - 10; y += 10)
    for (int x = area.left() + 30; x < area.right() - 10; x += 10)
      if (!covered.contains(x, y)) return QPoint(x, y);
  return std::nullopt;
}

// The ways a student closes an editor window by its frame.
enum class ByFrame { kCloseBox, kIconDoubleClick, kIconMenu };

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
  // Acts once, then waits until `until` holds: for a key whose effect comes
  // however late, and would come twice were it pressed again.
  During& once(const char* what, std::function<void()> act, std::function<bool()> until) {
    steps_.push_back({what, [] { return true; }, std::move(act)});
    steps_.push_back({what, std::move(until), [] {}});
    return *this;
  }
  // Presses `keys` (Qt's `key`) until `until` holds: again when the program
  // has handled the last press and the screen shows no change, as a person
  // does, never while that press is still on its way.
  During& again(const char* what, const QString& keys, int key, std::function<bool()> until) {
    auto presses = std::make_shared<WindowEvents>(*qApp, QEvent::KeyPress, key);
    auto atTheLastPress = std::make_shared<int>(-1);  // none yet
    steps_.push_back({what, [=] {
                        if (until()) return true;
                        if (*atTheLastPress < 0 || presses->count() > *atTheLastPress) {
                          *atTheLastPress = presses->count();
                          Key(keys);
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
    } else if (waiting_.elapsed() > kau::testing::kHangMilliseconds) {
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

// Closes every modal window that opens while it lives, noting its title.
class ModalCloser {
 public:
  ModalCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        titles_ << modal->windowTitle();
        modal->close();
      }
    });
    timer_.start(20);
  }
  std::string seen() const { return titles_.join('|').toStdString(); }

 private:
  QTimer timer_;
  QStringList titles_;
};

class StudentPathsX11 : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid() && config_.isValid());
    workingFolder_ = QDir::currentPath();
    // No test waits in a modal window for ever: one left open long past
    // its answer fails the test and is closed.
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal != lastModal_) {
        lastModal_ = modal;
        modalSince_.start();
      } else if (modalSince_.elapsed() > kau::testing::kHangMilliseconds) {
        ADD_FAILURE() << "left open: " << modal->windowTitle().toStdString();
        modal->close();
      }
    });
    watchdog_.start(100);
  }
  void TearDown() override {
    windows_.reset();
    QDir::setCurrent(workingFolder_);
  }

  // Starts the program in the student's folder on `source` (written there as
  // prog.pas) as `pascalkau prog.pas` does, and waits until its editor has
  // the keyboard.
  void start(const char* source = kHello) {
    const QString path = write("prog.pas", source);
    QDir::setCurrent(folder_.path());
    windows_ = std::make_unique<PascalKauWindows>();
    ShowSplash(*windows_);
    FinishStart(*windows_, {path});
    main().show();
    ASSERT_TRUE(WaitFor([&] { return editorHasKeys(); })) << focusReport();
  }
  QString write(const QString& name, const QByteArray& text) {
    QFile file(folder_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
  }
  TFormMain& main() { return windows_->formMain; }
  template <typename T = QWidget>
  T* named(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // The active modal window when it is a `T` and has the keyboard.
  template <typename T>
  T* modalWithKeys() {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    return modal && QApplication::activeWindow() == modal ? modal : nullptr;
  }
  // Keys that open a modal window, answered by `person`; true once both are
  // over and the main window has the keys again.
  bool answered(const QString& keys, const During& person) {
    Key(keys);
    return WaitFor([&] { return person.done() && !QApplication::activeModalWidget(); });
  }
  // Ctrl+I, and the line typed into the dialog it opens; true once the
  // dialog is answered and the main window has the keys again.
  bool goToLine(const QString& line) {
    During answer = person();
    answer.then("the line asked for", [&] { return modalWithKeys<QInputDialog>() != nullptr; },
                [line] {
                  Key("ctrl+a");
                  Type(line);
                  Key("Return");
                });
    return answered("ctrl+i", answer);
  }
  // Opens a menu of the menu bar by a click on its title ("&Arquivo" and
  // "&Ajuda" share their Alt letter), then takes its item by the keys given.
  void menu(const char* name, const char* itemKeys) {
    auto* opened = named<QMenu>(&main(), name);
    ClickAt(main().menuBar()->mapToGlobal(main().menuBar()->actionGeometry(opened->menuAction()).center()));
    ASSERT_TRUE(WaitFor([&] { return QApplication::activePopupWidget() == opened; }));
    if (itemKeys) Key(itemKeys);
  }
  void closeByFrame(TFormEditor& window, ByFrame how) {
    const QPoint icon = TitleBarPart(window, QStyle::SC_TitleBarSysMenu);
    switch (how) {
      case ByFrame::kCloseBox:
        ClickAt(TitleBarPart(window, QStyle::SC_TitleBarCloseButton));
        break;
      case ByFrame::kIconDoubleClick:
        MoveTo(icon);
        XDo({"click", "--repeat", "2", "--delay", "80", "1"});
        break;
      case ByFrame::kIconMenu: {
        ClickAt(icon);
        QMenu* menu = window.systemMenu();
        ASSERT_TRUE(WaitFor([&] { return QApplication::activePopupWidget() == menu; }));
        screenshot("icon_menu_open");
        QAction* close = nullptr;
        for (QAction* item : menu->actions())
          if (item->text().remove('&') == "Fechar") close = item;
        ASSERT_NE(close, nullptr);
        ClickAt(menu->mapToGlobal(menu->actionGeometry(close).center()));
        break;
      }
    }
  }
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
  QString screen() const { return QString::fromStdString(console::screenText(windows_->console.snapshot())); }
  // Gives up by ending the run and closing the modal window, so that no
  // test is left hanging in a loop of its own.
  During person() {
    return During([this] {
      std::fprintf(stderr, "%s\n%s\n", screen().toStdString().c_str(), focusReport().c_str());
      windows_->console.pressCtrlC();
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
  }
  // The hello program's run as a student answers it: Return once "Ola" shows
  // with the console having the keys (its readln), then one for the wait at
  // the run's end.
  void answerTheHelloRun(During& enters) {
    enters.then("Ola, the console having the keys", [this] { return row(1) == "Ola" && consoleHasKeys(); },
                [] { Key("Return"); })
        .once("the run's end", [] { Key("Return"); }, [this] { return !main().running(); });
  }
  QString row(int n) const { return screen().split('\n').value(n - 1); }
  bool consoleHasKeys() { return QApplication::activeWindow() == &windows_->consoleWindow; }
  // F9 in the editor, `person` acting during the run; true once both are
  // over.
  bool runFromTheEditor() { return runFromTheEditor(person()); }
  // The run is over once the program has seen F9 (xdotool may end before
  // the key reaches it) and is not running.
  bool runFromTheEditor(const During& person) {
    const WindowEvents f9(*qApp, QEvent::KeyPress, Qt::Key_F9);
    Key("F9");
    return WaitFor([&] { return f9.count() > 0 && person.done() && !main().running(); });
  }
  // Typed without a click as soon as the X server gives the main window the
  // keyboard (a window manager does that a moment after it is asked): it
  // lands in the editor, at the caret.
  void expectTypingLandsAtTheCaret(const char* shot) {
    EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &main(); })) << focusReport();
    const editor::TPoint caret = edit().CaretXY();
    const std::string line = edit().LineText(caret.Y);
    const std::string expected = line.substr(0, caret.X - 1) + "abc" + line.substr(std::min<size_t>(line.size(), caret.X - 1));
    Type("abc");
    EXPECT_TRUE(WaitFor([&] { return edit().LineText(caret.Y) == expected; }))
        << "line " << caret.Y << " is \"" << edit().LineText(caret.Y) << "\"; " << focusReport();
    screenshot(shot);
  }
  // One Ctrl+Z, then Ctrl+S: prog.pas holds `kept`.
  void expectCtrlZThenSaveKeeps(const QByteArray& kept, const std::string& shot) {
    Key("ctrl+z");
    Key("ctrl+s");
    const QString path = folder_.filePath("prog.pas");
    EXPECT_TRUE(WaitFor([&] { return FileContents(path) == kept; })) << FileContents(path).toStdString();
    screenshot(shot);
  }
  // The main window's menu and tool bar as the screen shows them are what the
  // window paints: nothing lies over them.
  void expectMenuAndToolBarOnTop() {
    for (QWidget* bar : {static_cast<QWidget*>(main().menuBar()), static_cast<QWidget*>(main().findChild<QToolBar*>())})
      EXPECT_TRUE(WaitFor([bar] {
        return DifferingOnScreen(*bar, bar->grab().toImage()) < bar->width() * bar->height() / 20;
      })) << bar->objectName().toStdString() << " is covered";
  }
  // The window in front: the active pop-up, else the active modal window,
  // else the active window (the main window when none is).
  QWidget* front() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return &main();
  }
  // Whether each pixel of the window in front shows on the screen what that
  // window paints there, or what a window over it paints (its frame aside):
  // nothing the windows painted is still missing from the screen.
  bool screenShowsTheFront() {
    QWidget* shown = front();
    const QRect area(shown->mapToGlobal(QPoint(0, 0)), shown->size());
    const QImage screen = editor::testing::GrabScreen(area).convertToFormat(QImage::Format_RGB32);
    struct Painted {
      QRect client, frame;
      QImage image;
    };
    std::vector<Painted> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible() && window->frameGeometry().intersects(area))
        windows.push_back({QRect(window->mapToGlobal(QPoint(0, 0)), window->size()), window->frameGeometry(),
                           window->grab().toImage().convertToFormat(QImage::Format_RGB32)});
    for (int y = 0; y < screen.height(); ++y)
      for (int x = 0; x < screen.width(); ++x) {
        const QPoint at = area.topLeft() + QPoint(x, y);
        const auto explains = [&](const Painted& window) {
          return window.client.contains(at) ? window.image.pixel(at - window.client.topLeft()) == screen.pixel(x, y)
                                            : window.frame.contains(at);
        };
        if (std::none_of(windows.begin(), windows.end(), explains)) return false;
      }
    return true;
  }
  // The whole screen once it shows what the window in front paints, saved as
  // build/screenshots/student_paths_x11_NAME.png (with the window manager's
  // name).
  void screenshot(const std::string& name) {
    EXPECT_TRUE(WaitFor([this] { return screenShowsTheFront(); }))
        << "the screen does not show " << front()->objectName().toStdString() << " for " << name;
    const QImage screen = editor::testing::GrabScreen(QGuiApplication::primaryScreen()->geometry());
    const QByteArray manager = qgetenv("KAU_X11_WINDOW_MANAGER");
    screen.save(QString(KAU_SCREENSHOTS "/student_paths_x11_%1%2.png")
                    .arg(QString::fromStdString(name),
                         manager.isEmpty() ? QString() : "_" + QString::fromLocal8Bit(manager)));
  }

  // Opens a second program through the Open dialog, by Ctrl+A.
  void openByCtrlA(const QString& path) {
    During answer = person();
    answer.then("the open dialog", [&] { return modalWithKeys<QFileDialog>() != nullptr; },
                [&] {
                  Type(path);
                  Key("Return");
                });
    ASSERT_TRUE(answered("ctrl+a", answer));
    ASSERT_EQ(active().GetFileName(), path);
  }
  // Opens the explorer from the Ferramentas menu.
  void openExplorer() {
    menu("MnFerramentas", "Down Return");
    EXPECT_TRUE(WaitFor([&] { return windows_->explorer.isVisible(); }));
  }
  // The explorer, open before a run or a dialog, is shown in front of the
  // main window again.
  void expectExplorerInFront() {
    TFormExplorer& explorer = windows_->explorer;
    EXPECT_TRUE(WaitFor([&] {
      return DifferingOnScreen(explorer, explorer.grab().toImage()) < explorer.width() * explorer.height() / 20;
    })) << "the explorer is covered";
  }

  QTemporaryDir folder_;
  QTemporaryDir config_;
  // The settings (recent files) of each test are its own.
  ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.path().toLocal8Bit()};
  QString workingFolder_;
  QTimer watchdog_;
  QWidget* lastModal_ = nullptr;
  QElapsedTimer modalSince_;
  std::unique_ptr<PascalKauWindows> windows_;
};

TEST_F(StudentPathsX11, AfterARunEndedWithEnterTheEditorHasTheKeys) {
  start();
  edit().SetCaretXY({1, 2});
  During enters = person();
  answerTheHelloRun(enters);
  ASSERT_TRUE(runFromTheEditor(enters)) << focusReport();
  const QStringList windows = ShownWindows();
  expectTypingLandsAtTheCaret("after_enter");
  Key("space");
  EXPECT_TRUE(WaitFor([&] { return edit().LineText(2) == "abc begin"; })) << edit().LineText(2);
  EXPECT_EQ(ShownWindows(), windows);
  EXPECT_EQ(main().EditorWindowList().size(), 1);
  expectMenuAndToolBarOnTop();
}

TEST_F(StudentPathsX11, AfterASyntaxErrorTheCaretEndsTheLineAndHasTheKeys) {
  start("program p;\nbegin\n  writeln(;\nend.\n");
  ASSERT_TRUE(runFromTheEditor());
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{12, 3}));
  expectTypingLandsAtTheCaret("after_syntax_error");
  EXPECT_EQ(edit().LineText(3), "  writeln(;abc");
  expectMenuAndToolBarOnTop();
}

TEST_F(StudentPathsX11, AfterCtrlCTheEditorHasTheKeys) {
  start("program p;\nvar i: integer;\nbegin\n  while true do i := 0;\nend.\n");
  edit().SetCaretXY({3, 4});
  During stop = person();
  stop.then("the run, the console having the keys", [&] { return windows_->console.runOpen() && consoleHasKeys(); },
            [] { Key("ctrl+c"); });
  ASSERT_TRUE(runFromTheEditor(stop)) << focusReport();
  expectTypingLandsAtTheCaret("after_ctrl_c");
  expectMenuAndToolBarOnTop();
}

// A double click (or an impatient second click, or a slow one, or a burst of
// clicks) on the console's close box while the program loops: the first
// click stops the run as Ctrl+C does, the others come once the run is over
// and belong to that stop. No question is asked; the main window comes back
// and Ctrl+S saves what was typed before the run. A click of its own on the
// idle console's close box, 2 s after the last click, still asks whether to
// quit.
TEST_F(StudentPathsX11, ADoubleClickOnTheConsoleCloseBoxOnlyStopsTheRun) {
  if (qEnvironmentVariableIsEmpty("KAU_X11_WINDOW_MANAGER")) GTEST_SKIP() << "the close box is the window manager's";
  const struct {
    int clicks;
    const char* apart;  // milliseconds between two clicks
    const char* typed;
    const char* shot;
  } cases[] = {
      {2, "150", "i := 1; ", "console_double_click"},
      {2, "600", "i := 2; ", "console_slow_double_click"},
      {9, "350", "i := 3; ", "console_click_burst"},  // a student who keeps clicking
  };
  start("program p;\nvar i: integer;\nbegin\n  while true do i := 0;\nend.\n");
  edit().SetCaretXY({3, 4});
  QWidget& console = windows_->consoleWindow;
  const WindowEvents closes(console, QEvent::Close);
  QElapsedTimer sinceTheLastClick;
  int requests = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shot);
    const std::string before = edit().LineText(4);
    Type(c.typed);
    ASSERT_TRUE(WaitFor([&] { return edit().LineText(4) != before && edit().Modified(); })) << edit().LineText(4);
    const QByteArray typed = QByteArray::fromStdString(edit().LineText(4));
    {
      ModalCloser closer;
      During stop = person();
      stop.then("the run, the console having the keys",
                [&] { return windows_->console.runOpen() && consoleHasKeys(); },
                [&] {
                  MoveTo(WindowManagerCloseBox(console));
                  // Not waited for here: the run ends between the clicks.
                  QProcess::startDetached("xdotool", {"click", "--repeat", QString::number(c.clicks), "--delay",
                                                      c.apart, "1"});
                });
      ASSERT_TRUE(runFromTheEditor(stop)) << focusReport();
      requests += c.clicks;
      ASSERT_TRUE(WaitFor([&] { return closes.count() == requests; })) << closes.count() << " close requests";
      sinceTheLastClick.start();
      EXPECT_EQ(closer.seen(), "");
    }
    ASSERT_TRUE(WaitFor([&] { return editorHasKeys(); })) << focusReport();
    EXPECT_EQ(main().EditorWindowList().size(), 1);
    Key("ctrl+s");
    EXPECT_TRUE(WaitFor([&] { return FileContents(folder_.filePath("prog.pas")).contains(typed); }))
        << FileContents(folder_.filePath("prog.pas")).toStdString();
    screenshot(c.shot);
  }

  // A later click of its own.
  ASSERT_TRUE(WaitFor([&] { return sinceTheLastClick.elapsed() > 2000; }));
  During answer = person();
  answer.then("the quit question", [&] {
    auto* box = modalWithKeys<QMessageBox>();
    return box && box->text() == "Deseja fechar o Pascal KAU?";
  }, [] { Key("n"); });
  ClickAt(WindowManagerCloseBox(console));
  ASSERT_TRUE(WaitFor([&] { return answer.done() && !QApplication::activeModalWidget(); }));
  EXPECT_TRUE(main().isVisible());
  screenshot("console_close_box_nao");
}

// The main window, disabled during a run, is activated while the program
// waits for a name: without a window manager it stays on the screen and the
// student clicks a part of it that the console does not cover; with one it
// is minimized and brought back as a task bar does. The keys typed at once
// reach the program, which writes the name to a file; the main window stays
// disabled until the run's end.
TEST_F(StudentPathsX11, KeysTypedAfterTheMainWindowIsActivatedDuringARunReachTheProgram) {
  const bool windowManager = !qEnvironmentVariableIsEmpty("KAU_X11_WINDOW_MANAGER");
  const QString answer = folder_.filePath("nome.txt");
  const QByteArray source = "program p;\nvar nome: string; f: text;\nbegin\n  write('Nome: '); readln(nome);\n"
                            "  assign(f, '" + answer.toUtf8() + "'); rewrite(f); writeln(f, nome); close(f);\nend.\n";
  start(source.constData());
  const WindowEvents activations(main(), QEvent::WindowActivate);
  int activationsBefore = 0;
  During student = person();
  student
      .then("the name asked for, the console having the keys",
            [&] { return row(1) == "Nome:" && consoleHasKeys(); },
            [&] {
              screenshot(windowManager ? "run_before_activation" : "run_before_click");
              activationsBefore = activations.count();
              if (windowManager) {
                XDo({"windowactivate", QString::number(main().winId())});
              } else {
                const std::optional<QPoint> uncovered = UncoveredPoint(main(), windows_->consoleWindow);
                ASSERT_TRUE(uncovered) << "the console covers the main window";
                ClickAt(*uncovered);
              }
            })
      .then("the main window activated", [&] { return activations.count() > activationsBefore; },
            [&] {
              Type("Rui");
              Key("Return");
            })
      .then("the name on the console", [&] { return row(1) == "Nome: Rui"; },
            [&] {
              EXPECT_FALSE(main().isEnabled());
              screenshot(windowManager ? "run_after_activation" : "run_after_click");
            })
      .once("the run's end", [] { Key("Return"); }, [this] { return !main().running(); });
  ASSERT_TRUE(runFromTheEditor(student)) << focusReport();
  EXPECT_EQ(FileContents(answer), "Rui\n");
  expectTypingLandsAtTheCaret(windowManager ? "after_activation_during_run" : "after_click_during_run");
}

// A message longer than the error panel can be scrolled to.
TEST_F(StudentPathsX11, ALongCompileMessageGetsAScrollBar) {
  start("program p;\nbegin\n  xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx := 1;\nend.\n");
  ASSERT_TRUE(runFromTheEditor());
  auto* list = named<QListWidget>(&main(), "ListErros");
  ASSERT_EQ(list->count(), 2);
  EXPECT_TRUE(WaitFor([&] { return list->horizontalScrollBar()->isVisible(); }));
  EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
  screenshot("long_message");
  expectTypingLandsAtTheCaret("after_long_message");
}

TEST_F(StudentPathsX11, MakeExecutableThenTheEditorHasTheKeys) {
  start();
  edit().SetCaretXY({1, 3});
  During answer = person();
  answer.then("the announcement", [&] {
    auto* box = modalWithKeys<QMessageBox>();
    return box && box->text().contains("gerado com sucesso");
  }, [] { Key("Return"); });
  Key("alt+c");
  ASSERT_TRUE(WaitFor([&] { return QApplication::activePopupWidget() == named<QMenu>(&main(), "MnCompilar"); }));
  Key("x");
  ASSERT_TRUE(WaitFor([&] { return answer.done() && !QApplication::activeModalWidget(); }));
  EXPECT_TRUE(QFile::exists(folder_.filePath("prog.exe")));
  expectTypingLandsAtTheCaret("after_make_executable");
}

// Shift+Ctrl+I indents the selected lines and opens nothing; Ctrl+I asks for
// a line, and the caret goes there.
TEST_F(StudentPathsX11, ShiftCtrlIIndentsCtrlIGoesToALine) {
  start();
  const QStringList windows = ShownWindows();
  {
    ModalCloser closer;
    Key("ctrl+Home shift+Down shift+Down shift+ctrl+i");
    EXPECT_TRUE(WaitFor([&] { return edit().LineText(2) != "begin"; }));
    // Once every key is up again, a window any of them opened has been seen.
    EXPECT_TRUE(WaitFor([] { return QGuiApplication::keyboardModifiers() == Qt::NoModifier; }));
    EXPECT_EQ(closer.seen(), "");
  }
  EXPECT_EQ(QString::fromStdString(edit().LineText(1)).trimmed(), "program p;");
  EXPECT_NE(edit().LineText(1), "program p;");
  EXPECT_EQ(QString::fromStdString(edit().LineText(2)).trimmed(), "begin");
  EXPECT_EQ(edit().LineText(3), "  writeln('Ola'); readln;");
  EXPECT_EQ(ShownWindows(), windows);

  ASSERT_TRUE(goToLine("3"));
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{2, 3}));
  expectTypingLandsAtTheCaret("after_go_to_line");
}

// Tab goes from the search text to the replacement; "Substituir todas"
// replaces; Escape gives the keys back to the editor.
TEST_F(StudentPathsX11, ReplaceAllFromTheDialogTypedIntoByTab) {
  start("program p;\nbegin\n  writeln('Ola'); writeln('Ola');\nend.\n");
  Key("ctrl+u");
  TReplaceDialog* dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    dialog = main().findChild<TReplaceDialog*>();
    return dialog && QApplication::activeWindow() == dialog && QApplication::focusWidget() &&
           QApplication::focusWidget()->objectName() == "FindText";
  })) << focusReport();
  Type("Ola");
  Key("Tab");
  EXPECT_TRUE(WaitFor([&] { return QApplication::focusWidget()->objectName() == "ReplaceText"; })) << focusReport();
  Type("Oi");
  ASSERT_TRUE(WaitFor([&] { return dialog->replaceText() == "Oi" && dialog->findText() == "Ola"; }))
      << dialog->findText().toStdString() << " / " << dialog->replaceText().toStdString();
  Click(named<QPushButton>(dialog, "ReplaceAllButton"));
  EXPECT_TRUE(WaitFor([&] { return edit().LineText(3) == "  writeln('Oi'); writeln('Oi');"; })) << edit().LineText(3);
  screenshot("replace");
  Key("Escape");
  ASSERT_TRUE(WaitFor([&] { return !dialog->isVisible() && editorHasKeys(); })) << focusReport();
  expectTypingLandsAtTheCaret("after_replace");
}

// Find selects the next occurrence; Escape gives the keys back, and typing
// replaces the found word.
TEST_F(StudentPathsX11, FindSelectsAndEscapeGivesTheKeysBack) {
  start();
  Key("ctrl+l");
  TFindDialog* dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    dialog = main().findChild<TFindDialog*>();
    return dialog && QApplication::activeWindow() == dialog;
  })) << focusReport();
  Type("readln");
  Key("Return");
  EXPECT_TRUE(WaitFor([&] { return edit().SelText() == "readln"; })) << edit().SelText();
  Key("Escape");
  ASSERT_TRUE(WaitFor([&] { return !dialog->isVisible() && editorHasKeys(); })) << focusReport();
  Type("x");
  EXPECT_TRUE(WaitFor([&] { return edit().LineText(3) == "  writeln('Ola'); x;"; })) << edit().LineText(3);
}

// Text typed at the line that Go to line took the caret to is undone on its
// own: one Ctrl+Z leaves what was typed before, and Ctrl+S saves it.
TEST_F(StudentPathsX11, CtrlZAfterGoToLineKeepsWhatWasTypedBefore) {
  start();
  Type("um ");
  ASSERT_TRUE(WaitFor([&] { return edit().LineText(1) == "um program p;"; })) << edit().LineText(1);
  ASSERT_TRUE(goToLine("4"));
  ASSERT_TRUE(WaitFor([&] { return editorHasKeys(); })) << focusReport();
  Type("dois");
  ASSERT_TRUE(WaitFor([&] { return edit().LineText(4) == "edoisnd."; })) << edit().LineText(4);
  expectCtrlZThenSaveKeeps("um program p;\nbegin\n  writeln('Ola'); readln;\nend.\n", "undo_after_go_to_line");
}

// The same at the line that a run's compile error marked.
TEST_F(StudentPathsX11, CtrlZAfterACompileErrorKeepsWhatWasTypedBefore) {
  start("program p;\nbegin\n  writeln(;\nend.\n");
  Key("End");
  Type("{um}");
  ASSERT_TRUE(WaitFor([&] { return edit().LineText(1) == "program p;{um}"; })) << edit().LineText(1);
  ASSERT_TRUE(runFromTheEditor());
  ASSERT_EQ(edit().CaretXY(), (editor::TPoint{12, 3}));
  ASSERT_TRUE(WaitFor([&] { return editorHasKeys(); })) << focusReport();
  Type("dois");
  ASSERT_TRUE(WaitFor([&] { return edit().LineText(3) == "  writeln(;dois"; })) << edit().LineText(3);
  expectCtrlZThenSaveKeeps("program p;{um}\nbegin\n  writeln(;\nend.\n", "undo_after_compile_error");
}

// The console pastes as a terminal does: Ctrl+V, Ctrl+Shift+V and
// Shift+Insert the clipboard, the middle button the selection, as typed keys
// (a line break as Enter). The program writes each line it reads between
// brackets into a file, up to the line "fim".
TEST_F(StudentPathsX11, TheConsolePastesTheClipboardAndTheSelection) {
  start("program p;\nvar f: text; linha: string;\nbegin\n  assign(f, 'linhas.txt'); rewrite(f);\n"
        "  repeat\n    readln(linha); writeln(f, '[', linha, ']');\n  until linha = 'fim';\n  close(f);\nend.\n");
  const char* const name = "Concei\u00E7\u00E3o";
  const struct {
    const char* shot;
    const char* keys;       // none: the middle button
    const char* selection;  // xclip's name of what is pasted
    const char* text;
    const char* lastLine;  // as the console shows it once pasted
    std::string file;
  } cases[] = {
      {"paste_ctrl_v", "ctrl+v", "clipboard", name, name, std::string("[") + name + "]\n[fim]\n"},
      {"paste_ctrl_shift_v", "ctrl+shift+v", "clipboard", "Rui", "Rui", "[Rui]\n[fim]\n"},
      {"paste_shift_insert", "shift+Insert", "clipboard", "Ana", "Ana", "[Ana]\n[fim]\n"},
      {"paste_middle_button", nullptr, "primary", name, name, std::string("[") + name + "]\n[fim]\n"},
      {"paste_three_lines", "ctrl+v", "clipboard", "um\ndois\ntr\u00EAs", "tr\u00EAs",
       "[um]\n[dois]\n[tr\u00EAs]\n[fim]\n"},
  };
  const QString file = folder_.filePath("linhas.txt");
  QWidget& console = windows_->consoleWindow;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shot);
    RunProgram("xclip", {"-i", "-selection", c.selection}, c.text);
    ASSERT_TRUE(WaitFor([&] { return editorHasKeys(); })) << focusReport();
    During paste = person();
    paste
        .then("the run, the console having the keys", [&] { return windows_->console.runOpen() && consoleHasKeys(); },
              [&] {
                if (c.keys) {
                  Key(c.keys);
                } else {
                  MoveTo(console.mapToGlobal(console.rect().center()));
                  XDo({"click", "2"});
                }
              })
        .then("the pasted text on the console", [&] { return screen().contains(QString::fromUtf8(c.lastLine)); },
              [&] {
                screenshot(c.shot);
                Key("Return");
                Type("fim");
                Key("Return");
              })
        .once("the run's end", [] { Key("Return"); }, [this] { return !main().running(); });
    ASSERT_TRUE(runFromTheEditor(paste)) << focusReport();
    ASSERT_EQ(FileContents(file).toStdString(), c.file);
  }
}

// Ctrl+Space lists the templates; a double click on "if" inserts it with the
// caret inside its parentheses, where typing goes on.
TEST_F(StudentPathsX11, TemplateChosenByDoubleClick) {
  start();
  Key("ctrl+End Return");
  ASSERT_TRUE(WaitFor([&] { return edit().CaretXY() == editor::TPoint{1, 5}; }));
  Key("ctrl+space");
  platform::QtPopupHost* list = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    for (QWidget* widget : QApplication::allWidgets())
      if (auto* host = dynamic_cast<platform::QtPopupHost*>(widget); host && host->isVisible()) list = host;
    return list != nullptr;
  }));
  const auto& form = active().janelaTemplates().Form();
  const int row = 7;  // "if"
  const QPoint at(list->width() / 2, list->FrameThickness() + form.TitleHeight() + row * form.EffectiveItemHeight() +
                                         form.EffectiveItemHeight() / 2);
  screenshot("templates");
  const QPoint global = list->mapToGlobal(at);
  XDo({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
  XDo({"click", "--repeat", "2", "--delay", "80", "1"});
  ASSERT_TRUE(WaitFor([&] { return edit().LineText(5) == "if (  ) then"; })) << edit().LineText(5);
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{6, 5}));
  expectTypingLandsAtTheCaret("after_template");
  EXPECT_EQ(edit().LineText(5), "if ( abc ) then");
}

// The explorer, opened from the Ferramentas menu in the student's folder,
// lists a program saved there by Save As afterwards.
TEST_F(StudentPathsX11, ExplorerListsAProgramSavedAfterItOpened) {
  start();
  menu("MnFerramentas", "Down Return");
  TFormExplorer& explorer = windows_->explorer;
  ASSERT_TRUE(WaitFor([&] { return explorer.isVisible(); }));
  auto* files = named<QListWidget>(&explorer, "FileListBox1");
  auto listed = [files] {
    QStringList names;
    for (int i = 0; i < files->count(); ++i) names << files->item(i)->text();
    return names.join(' ').toStdString();
  };
  EXPECT_EQ(listed(), "prog.pas");
  During answer = person();
  answer.then("the save dialog", [&] { return modalWithKeys<QFileDialog>() != nullptr; },
              [] {
                Key("ctrl+a");
                Type("novo.pas");
                Key("Return");
              });
  menu("MnArquivo", "c");
  ASSERT_TRUE(WaitFor([&] { return answer.done() && !QApplication::activeModalWidget(); }));
  EXPECT_EQ(active().GetFileName(), folder_.filePath("novo.pas"));
  EXPECT_EQ(listed(), "novo.pas prog.pas");
  EXPECT_TRUE(explorer.isVisible());
  screenshot("explorer");
  expectTypingLandsAtTheCaret("after_save_as");
}

// A double click on a program in the explorer, which has the keys since a
// click on the other program, opens it in a new editor window; done again,
// it finds that window already the active one. Either way the keys typed
// then go to that window, not to the explorer's list; Ctrl+S saves them.
TEST_F(StudentPathsX11, ProgramOpenedFromTheExplorerHasTheKeys) {
  start();
  write("outro.pas", "program outro;\nbegin\nend.\n");
  menu("MnFerramentas", "Down Return");
  TFormExplorer& explorer = windows_->explorer;
  ASSERT_TRUE(WaitFor([&] { return explorer.isVisible(); }));
  auto* files = named<QListWidget>(&explorer, "FileListBox1");
  auto pointAt = [files](const char* name) {
    const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << name;
    const QPoint at = files->viewport()->mapToGlobal(files->visualItemRect(found.value(0)).center());
    XDo({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
  };
  const char* const name = "outro.pas";
  for (int time = 1; time <= 2; ++time) {
    SCOPED_TRACE(time);
    pointAt("prog.pas");
    XDo({"click", "1"});
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == files; })) << focusReport();
    pointAt(name);
    XDo({"click", "--repeat", "2", "--delay", "80", "1"});
    ASSERT_TRUE(WaitFor([&] { return active().TabTitle() == name; })) << focusReport();
    expectTypingLandsAtTheCaret(time == 1 ? "explorer_opened" : "explorer_opened_again");
  }
  EXPECT_EQ(main().EditorWindowList().size(), 2);
  const QByteArray typed = QByteArray::fromStdString(edit().LineText(edit().CaretXY().Y));
  EXPECT_EQ(typed, "abcabcprogram outro;");
  Key("ctrl+s");
  EXPECT_TRUE(WaitFor([&] {
    QFile saved(folder_.filePath(name));
    return saved.open(QIODevice::ReadOnly) && saved.readAll().startsWith(typed + '\n');
  }));
}

// A program opened through the Open dialog, by Ctrl+A or from the Arquivo
// menu with the explorer open, its path typed (the completion list shows it)
// and Return: the keys typed at once go to its editor window, Ctrl+S saves
// them, and the explorer stays in front.
TEST_F(StudentPathsX11, ProgramOpenedThroughTheOpenDialogHasTheKeys) {
  start();
  for (const bool fromTheMenu : {false, true}) {
    const QString name = fromTheMenu ? "menu.pas" : "outro.pas";
    SCOPED_TRACE(name.toStdString());
    const QString path = write(name, "program outro;\nbegin\nend.\n");
    During answer = person();
    // Typed in full: the dialog opens in the folder it last showed.
    answer.then("the open dialog", [&] { return modalWithKeys<QFileDialog>() != nullptr; }, [&] { Type(path); })
        .then("the completion list", [] { return QApplication::activePopupWidget() != nullptr; }, [] {})
        .again("the dialog's end", "Return", Qt::Key_Return,
               [] { return !qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); });
    if (fromTheMenu) {
      openExplorer();
      menu("MnArquivo", "a");
    } else {
      Key("ctrl+a");
    }
    ASSERT_TRUE(WaitFor([&] { return answer.done() && !QApplication::activeModalWidget(); }));
    ASSERT_EQ(active().GetFileName(), path);
    expectTypingLandsAtTheCaret(fromTheMenu ? "opened_from_the_menu" : "opened_by_ctrl_a");
    Key("ctrl+s");
    EXPECT_TRUE(WaitFor([&] { return FileContents(path).startsWith("abcprogram outro;\n"); }))
        << FileContents(path).toStdString();
    if (fromTheMenu) expectExplorerInFront();
  }
}

// A run started with the explorer open hides it; once the run ends the
// explorer is shown in front of the main window, whose editor has the keys.
TEST_F(StudentPathsX11, AfterARunTheExplorerIsInFront) {
  start();
  openExplorer();
  edit().SetCaretXY({1, 2});
  During enters = person();
  answerTheHelloRun(enters);
  ASSERT_TRUE(runFromTheEditor(enters)) << focusReport();
  expectTypingLandsAtTheCaret("explorer_after_run");
  expectExplorerInFront();
}

// A second program opened through the Open dialog, then closed from the
// Arquivo menu: the first is maximized and has the keys.
TEST_F(StudentPathsX11, ClosingOneOfTwoMaximizedWindowsLeavesTheOtherMaximized) {
  start();
  openByCtrlA(write("outro.pas", "program outro;\nbegin\nend.\n"));
  ASSERT_EQ(main().EditorWindowList().size(), 2);
  EXPECT_TRUE(active().isMaximized());
  menu("MnArquivo", "f");
  ASSERT_TRUE(WaitFor([&] { return main().EditorWindowList().size() == 1; })) << focusReport();
  EXPECT_EQ(active().TabTitle(), "prog.pas");
  EXPECT_TRUE(active().isMaximized());
  EXPECT_TRUE(WaitFor([&] { return editorHasKeys(); })) << focusReport();
  expectTypingLandsAtTheCaret("after_closing");
}

// A new window closed by its own frame, beside a first one with unsaved
// text: the program goes on, Sim saves (through Save As, the new window
// being "Untitled") and Não does not, and the first window keeps its text and
// has the keys. Then the last window goes by its close box, and Novo opens a
// new one that has the keys.
TEST_F(StudentPathsX11, ClosingAWindowByItsFrame) {
  const struct {
    const char* shot;
    ByFrame how;
    const char* typed;   // into the new window first, or none
    const char* answer;  // the key that answers the question, or none
  } cases[] = {
      {"close_box", ByFrame::kCloseBox, nullptr, nullptr},
      {"close_box_nao", ByFrame::kCloseBox, "perdido", "n"},
      {"close_box_sim", ByFrame::kCloseBox, "salvo", "s"},
      {"icon_double_click", ByFrame::kIconDoubleClick, nullptr, nullptr},
      {"icon_menu", ByFrame::kIconMenu, nullptr, nullptr},
  };
  start();
  const QString prog = folder_.filePath("prog.pas");
  const QString saved = folder_.filePath("salvo.pas");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shot);
    Type("x");
    const int line = edit().CaretY();
    ASSERT_TRUE(WaitFor([&] { return edit().Modified(); }));
    const std::string unsaved = edit().LineText(line);
    Key("ctrl+o");
    ASSERT_TRUE(WaitFor([&] { return active().GetFileName() == "Untitled" && editorHasKeys(); })) << focusReport();
    if (c.typed) {
      Type(c.typed);
      ASSERT_TRUE(WaitFor([&] { return edit().Modified(); }));
    }
    screenshot(std::string(c.shot) + "_before");
    During answer = person();
    if (c.answer)
      answer.then("the question", [&] {
        auto* box = modalWithKeys<QMessageBox>();
        return box && box->text().contains(QString::fromUtf8("ainda não foi salvo"));
      }, [&] { Key(c.answer); });
    if (c.answer && std::string(c.answer) == "s")
      answer.then("the save dialog", [&] { return modalWithKeys<QFileDialog>() != nullptr; }, [&] {
        Key("ctrl+a");
        Type(saved);
        Key("Return");
      });
    closeByFrame(active(), c.how);
    ASSERT_TRUE(WaitFor([&] {
      return answer.done() && !QApplication::activeModalWidget() && main().EditorWindowList().size() == 1;
    })) << focusReport();
    EXPECT_EQ(active().GetFileName(), prog);
    EXPECT_TRUE(active().isMaximized());
    EXPECT_EQ(edit().LineText(line), unsaved);
    if (c.typed) {
      EXPECT_EQ(FileContents(saved).contains(c.typed), std::string(c.answer) == "s");
    }
    // Typed at once, then saved: the first window has the keys.
    ASSERT_TRUE(WaitFor([&] { return editorHasKeys(); })) << focusReport();
    Type("y");
    ASSERT_TRUE(WaitFor([&] { return edit().LineText(line) != unsaved; }));
    const std::string typed = edit().LineText(line);
    Key("ctrl+s");
    EXPECT_TRUE(WaitFor([&] { return FileContents(prog).contains(QByteArray::fromStdString(typed)); }))
        << FileContents(prog).toStdString();
    screenshot(c.shot);
  }
  closeByFrame(active(), ByFrame::kCloseBox);
  ASSERT_TRUE(WaitFor([&] { return main().EditorWindowList().isEmpty(); })) << focusReport();
  screenshot("last_closed");
  Key("ctrl+o");
  ASSERT_TRUE(WaitFor([&] { return main().EditorWindowList().size() == 1 && editorHasKeys(); })) << focusReport();
  EXPECT_EQ(active().GetFileName(), "Untitled");
  Type("abc");  // at the caret, past the skeleton's blanks
  EXPECT_TRUE(WaitFor([&] { return edit().LineText(3) == "   abc"; })) << edit().LineText(3);
  screenshot("novo_after_last_closed");
}

// Line 2 of a program holds a string of accented capitals, then the same
// capitals plain, then the small letters with and without their marks, each
// set from the clipboard as a student sets it (copied with xclip, the line
// selected by keys, Ctrl+V) and taken from the screen with the caret on the
// next line. The marks are the pixels in which a line with them differs from
// the line without: the capitals' marks show as fully as the small
// letters' do, at the default size and two sizes up (the left bar's "+"
// clicked twice), in both colour styles.
TEST_F(StudentPathsX11, AccentedCapitalsKeepTheirMarks) {
  start("program p;\n\nbegin\nend.\n");
  const QString marked = QString::fromUtf8("writeln('ÁÉÍÓÚ ÂÊÔ ÃÕ');");
  const QString plain = "writeln('AEIOU AEO AO');";
  const QString smallMarked = QString::fromUtf8("writeln('áéíóú âêô ãõ');");
  const QString smallPlain = "writeln('aeiou aeo ao');";
  auto pasted = [&](const QString& text, const std::string& shot) {
    RunProgram("xclip", {"-i", "-selection", "clipboard"}, text.toUtf8());
    Key("ctrl+Home Down Home shift+End ctrl+v Down");
    EXPECT_TRUE(WaitFor([&] {
      return edit().LineText(2) == platform::ToCp1252(text) && edit().CaretY() == 3 && !edit().SelAvail();
    })) << edit().LineText(2);
    // The caret blinks on its row: that row is left out.
    QWidget& host = *active().Host().viewport();
    const QRect caretRow(0, (3 - edit().TopLine()) * edit().LineHeight(), host.width(), edit().LineHeight());
    EXPECT_TRUE(WaitFor([&] { return DifferingOnScreen(host, host.grab().toImage(), caretRow) == 0; }))
        << "the screen does not show the editor for " << shot;
    if (!shot.empty()) screenshot(shot);
    return std::make_pair(editor::testing::GrabScreen(QRect(host.mapToGlobal(QPoint(0, 0)), host.size())), caretRow);
  };
  auto marks = [&](const QString& with, const QString& without, const std::string& shot) {
    const auto [shown, caretRow] = pasted(with, shot);
    return DifferingPixels(shown, pasted(without, "").first, caretRow);
  };
  for (const bool twoSizesUp : {false, true}) {
    if (twoSizesUp)
      for (int click = 0; click < 2; ++click) {
        const int size = edit().Font().Size();
        Click(named<QToolButton>(&main(), "btnAumentarFonte"));
        ASSERT_TRUE(WaitFor([&] { return edit().Font().Size() == size + 1; }));
      }
    for (const bool modern : {false, true}) {
      const std::string look = std::string(twoSizesUp ? "two_sizes_up" : "default_size") + (modern ? "_modern" : "");
      SCOPED_TRACE(look);
      menu("MnJanela", nullptr);
      QAction* style = modern ? main().MnJanelaEditorModerno() : main().MnJanelaEditorClassico();
      ClickAt(main().MnJanela()->mapToGlobal(main().MnJanela()->actionGeometry(style).center()));
      ASSERT_TRUE(WaitFor([&] { return style->isChecked() && editorHasKeys(); })) << focusReport();
      const int capitals = marks(marked, plain, "accented_capitals_" + look);
      const int small = marks(smallMarked, smallPlain, "accented_small_" + look);
      std::fprintf(stderr, "%s: the capitals' marks %d pixels, the small letters' %d\n", look.c_str(), capitals, small);
      EXPECT_GT(small, 0);
      EXPECT_GE(capitals * 4, small * 3) << "the capitals' marks " << capitals << " pixels, the small letters' " << small;
    }
  }
}

// Two programs open, the active one minimized by its own button: the other
// one has the tab and the keys. The minimized one's tab, or its item in the
// Janela menu, brings it back maximized, and the keys typed at once go to it:
// Ctrl+S saves them in its file, the other file unchanged.
TEST_F(StudentPathsX11, AMinimizedWindowComesBackByItsTabOrTheJanelaMenu) {
  start();
  const QString outro = write("outro.pas", "program outro;\nbegin\nend.\n");
  openByCtrlA(outro);
  TFormEditor& minimized = active();
  auto* tabs = named<QTabBar>(&main(), "TabControl1");
  for (const bool byTab : {true, false}) {
    SCOPED_TRACE(byTab ? "by its tab" : "by the Janela menu");
    ClickAt(TitleBarPart(minimized, QStyle::SC_TitleBarMinButton));
    ASSERT_TRUE(WaitFor([&] {
      return minimized.isMinimized() && active().TabTitle() == "prog.pas" && tabs->currentIndex() == 0 &&
             editorHasKeys();
    })) << focusReport();
    screenshot(byTab ? "minimized" : "minimized_again");
    if (byTab) {
      ClickAt(tabs->mapToGlobal(tabs->tabRect(1).center()));
    } else {
      menu("MnJanela", nullptr);
      QMenu* list = main().MnJanela();
      ClickAt(list->mapToGlobal(list->actionGeometry(minimized.WindowListItem()).center()));
    }
    ASSERT_TRUE(WaitFor([&] { return &active() == &minimized && !minimized.isMinimized() && editorHasKeys(); }))
        << focusReport();
    EXPECT_TRUE(minimized.isMaximized());
    EXPECT_EQ(tabs->currentIndex(), 1);
    expectTypingLandsAtTheCaret(byTab ? "back_by_its_tab" : "back_by_the_janela_menu");
    const QByteArray typed = QByteArray::fromStdString(edit().LineText(edit().CaretY()));
    Key("ctrl+s");
    EXPECT_TRUE(WaitFor([&] { return FileContents(outro).startsWith(typed + '\n'); })) << FileContents(outro).toStdString();
  }
  EXPECT_EQ(FileContents(folder_.filePath("prog.pas")), kHello);
}

// The same after the editor's own jumps: to a bookmark set with Ctrl+Shift+1,
// to the matching bracket, and Ctrl+Down that scrolls the caret's line out of
// the window and drags the caret along. Each round fixes "write" into
// "writeln" on its line, which leaves the caret on the bracket, then jumps
// and types.
TEST_F(StudentPathsX11, CtrlZAfterAJumpKeepsWhatWasTypedBefore) {
  QByteArray source = "program p;\nbegin\n  writeln('Ola');\n  write(1);\n  write(2);\n  write(3);\n";
  for (int i = 0; i < 100; ++i) source += "  writeln('linha');\n";
  source += "end.\n";
  const struct {
    const char* shot;
    int line;
    const char* jump;
    editor::TPoint caret;  // after the jump
    const char* typedLine;
  } cases[] = {
      {"undo_after_scroll_drag", 4, "ctrl+Down ctrl+Down ctrl+Down ctrl+Down", {10, 5}, "  write(2x);"},
      {"undo_after_bookmark_jump", 5, "ctrl+1", {1, 1}, "xprogram p;"},
      {"undo_after_bracket_jump", 6, "ctrl+shift+b", {12, 6}, "  writeln(3x);"},
  };
  start(source.constData());
  Key("ctrl+shift+1");  // bookmark 1 at the start of line 1
  ASSERT_TRUE(WaitFor([&] { return edit().IsBookmark(1); }));
  // Its flag shows in the gutter, the picture's background left out.
  const auto glyphOnScreen = [&] {
    const QWidget& viewport = *active().Host().viewport();
    const QImage shown = editor::testing::GrabScreen(QRect(viewport.mapToGlobal(QPoint(0, 0)), viewport.size()));
    return editor::testing::BookmarkGlyphPixels(shown.convertToFormat(QImage::Format_RGB32), edit(), 1);
  };
  EXPECT_TRUE(WaitFor([&] { return glyphOnScreen().empty(); })) << editor::testing::Joined(glyphOnScreen());
  screenshot("bookmark");
  QByteArray kept = source;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shot);
    Key("ctrl+Home" + QString(" Down").repeated(c.line - 1) + " End Left Left Left Left");
    Type("ln");
    const std::string fixed = "  writeln(" + std::to_string(c.line - 3) + ");";
    ASSERT_TRUE(WaitFor([&] { return edit().LineText(c.line) == fixed; })) << edit().LineText(c.line);
    Key(c.jump);
    ASSERT_TRUE(WaitFor([&] { return edit().CaretXY() == c.caret; }))
        << edit().CaretX() << ", " << edit().CaretY() << "; top line " << edit().TopLine();
    Type("x");
    ASSERT_TRUE(WaitFor([&] { return edit().LineText(c.caret.Y) == c.typedLine; })) << edit().LineText(c.caret.Y);
    kept.replace("  write(" + QByteArray::number(c.line - 3) + ")", "  writeln(" + QByteArray::number(c.line - 3) + ")");
    expectCtrlZThenSaveKeeps(kept, c.shot);
  }
}

// A paste of 3,001 lines (6,002 characters) into a program that counts the
// lines until a 0 reaches the program whole: it writes 3000.
TEST_F(StudentPathsX11, ALongPasteReachesTheProgramWhole) {
  start("program p;\nvar f: text; n, conta: integer;\nbegin\n  conta := 0;\n"
        "  repeat\n    readln(n); if n <> 0 then conta := conta + 1;\n  until n = 0;\n"
        "  assign(f, 'conta.txt'); rewrite(f); writeln(f, conta); close(f);\nend.\n");
  QByteArray lines;
  for (int i = 0; i < 3000; ++i) lines += "1\n";
  RunProgram("xclip", {"-i", "-selection", "clipboard"}, lines + "0\n");
  const QString file = folder_.filePath("conta.txt");
  During paste = person();
  paste.then("the run, the console having the keys", [&] { return windows_->console.runOpen() && consoleHasKeys(); },
             [] { Key("ctrl+v"); })
      .then("the count written", [&] { return QFile::exists(file); }, [&] { screenshot("paste_long"); })
      .once("the run's end", [] { Key("Return"); }, [this] { return !main().running(); });
  ASSERT_TRUE(runFromTheEditor(paste)) << focusReport();
  EXPECT_EQ(FileContents(file), "3000\n");
}

// Escape while a name is typed clears it, on the screen and in what the
// program reads, as on the system's console.
TEST_F(StudentPathsX11, EscapeClearsTheLineBeingTyped) {
  start("program p;\nvar nome: string; f: text;\nbegin\n  write('Nome: '); readln(nome);\n"
        "  assign(f, 'nome.txt'); rewrite(f); writeln(f, nome); close(f);\nend.\n");
  During student = person();
  student
      .then("the name asked for, the console having the keys", [&] { return row(1) == "Nome:" && consoleHasKeys(); },
            [] {
              Type("Ana");
              Key("Escape");
              Type("Rui");
            })
      .then("Rui typed", [&] { return row(1).endsWith("Rui"); },
            [&] {
              screenshot("escape_cleared_the_line");
              Key("Return");
            })
      .once("the run's end", [] { Key("Return"); }, [this] { return !main().running(); });
  ASSERT_TRUE(runFromTheEditor(student)) << focusReport();
  const QByteArray name = FileContents(folder_.filePath("nome.txt"));
  EXPECT_EQ(name, "Rui\n");
  EXPECT_FALSE(name.contains('\x1b'));
}

// Two programs with unsaved changes, the second saved as the first's file
// through Salvar Como, each box answered as it comes (Sim to a question,
// Return to a box that only tells), then the program quit from the Arquivo
// menu, each question answered Sim: both changes are on the disk.
TEST_F(StudentPathsX11, SaveAsOntoAFileOpenInAnotherWindowLosesNoChange) {
  start();
  const QString prog = folder_.filePath("prog.pas");
  const auto typed = [&](const char* text) {
    Type(text);
    EXPECT_TRUE(WaitFor([&] { return edit().Modified(); }));
    return QByteArray::fromStdString(edit().LineText(edit().CaretY()));
  };
  const QByteArray inProg = typed("b");
  const QString outro = write("outro.pas", "program outro;\nbegin\nend.\n");
  openByCtrlA(outro);
  const QByteArray inOutro = typed("a");
  // Each box with the keys answered once, by its text noted.
  QStringList answered;
  QPointer<QMessageBox> last;
  const auto answerTheBox = [&] {
    auto* box = modalWithKeys<QMessageBox>();
    if (!box || box == last) return;
    last = box;
    answered << box->text();
    Key(box->button(QMessageBox::Yes) ? "s" : "Return");
  };
  During saveAs = person();
  saveAs.then("the save dialog", [&] { return modalWithKeys<QFileDialog>() != nullptr; },
              [&] {
                Key("ctrl+a");
                Type("prog.pas");
                Key("Return");
              })
      .then("a box", [&] { return modalWithKeys<QMessageBox>() != nullptr; },
            [&] {
              screenshot("save_as_onto_an_open_file");
              answerTheBox();
            });
  menu("MnArquivo", "c");
  ASSERT_TRUE(WaitFor([&] { return saveAs.done() && !QApplication::activeModalWidget(); }))
      << focusReport();
  screenshot("after_save_as_onto_an_open_file");

  During quits = person();
  quits.then("the main window gone", [&] {
    answerTheBox();
    return !main().isVisible();
  }, [] {});
  menu("MnArquivo", nullptr);
  auto* arquivo = named<QMenu>(&main(), "MnArquivo");
  ClickAt(arquivo->mapToGlobal(arquivo->actionGeometry(named<QAction>(&main(), "MnArquivoSair")).center()));
  ASSERT_TRUE(WaitFor([&] { return quits.done(); })) << answered.join(" | ").toStdString();
  EXPECT_TRUE(FileContents(prog).contains(inProg)) << FileContents(prog).toStdString();
  EXPECT_TRUE(FileContents(outro).contains(inOutro)) << FileContents(outro).toStdString();
}

}  // namespace
}  // namespace kau::ide::testing
