#include "tests/ide/x11_student.h"

#include <QFile>
#include <QHash>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <thread>

#include "ide/app_setup.h"
#include "tests/x11_person/x11_person.h"

namespace kau::ide::testing {

bool SaveScreen(const std::string& path) {
  return OnWindowsThread(
      [&] { return QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(path), "PNG"); });
}

namespace {

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The key presses the windows have been given, by Qt's key number, counted
// on the windows' thread. One press goes to a window, then to the widgets
// that pass it on, each time with the press's own time.
class KeyPresses : public QObject {
 public:
  int count(int key) const { return counts_.value(key); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && event->spontaneous()) {
      const auto* press = static_cast<const QKeyEvent*>(event);
      const auto last = times_.constFind(press->key());
      if (last == times_.cend() || *last != press->timestamp()) {
        times_[press->key()] = press->timestamp();
        ++counts_[press->key()];
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QHash<int, int> counts_;
  QHash<int, quint64> times_;
};

KeyPresses* keyPresses = nullptr;  // while RunWithPerson runs

}  // namespace

WindowsUser::WindowsUser(PascalKauWindows& windows, std::string shots, std::string name)
    : windows_(windows), shots_(std::move(shots)), name_(std::move(name)) {
  QFile::remove(QString::fromStdString(shots_ + "/" + name_ + "_failure.png"));
}

bool WindowsUser::Fail(const std::string& what) {
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
  Screenshot("failure");
  return false;
}

void WindowsUser::Screenshot(const std::string& suffix) { SaveScreen(shots_ + "/" + name_ + "_" + suffix + ".png"); }

bool WindowsUser::Type(const std::string& text) { return kau::testing::XDoTool("type --delay 30 " + ShellQuoted(text)); }

bool WindowsUser::Key(const std::string& keys) { return kau::testing::XDoTool("key " + keys); }

// The count is read on the windows' thread, after the event it grew with has
// been handled there.
bool WindowsUser::KeyHandled(const std::string& keys, int qtKey) {
  const auto handled = [qtKey] { return OnWindowsThread([qtKey] { return keyPresses->count(qtKey); }); };
  const int before = handled();
  return Key(keys) && kau::testing::WaitUntil([&] { return handled() > before; });
}

int RunWithPerson(int argc, char** argv, const QStringList& arguments,
                  const std::function<bool(PascalKauWindows&)>& person) {
  QTemporaryDir config;
  if (!config.isValid()) return 2;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());  // never the user's settings
  QApplication app(argc, argv);
  SetUpApplication(app);
  PascalKauWindows windows;
  KeyPresses presses;
  app.installEventFilter(&presses);
  keyPresses = &presses;
  std::atomic<bool> passed{false}, done{false};
  std::thread thread([&] {
    passed = person(windows);
    done = true;
  });
  // Ends every event loop, a modal one too, once the person is done.
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (done) QApplication::exit(0);  // no window is asked whether it may close
  });
  watch.start(10);
  ShowSplash(windows);
  FinishStart(windows, arguments);
  windows.formMain.show();
  QApplication::exec();
  thread.join();
  keyPresses = nullptr;
  std::puts(passed ? "PASS" : "FAIL");
  return passed ? 0 : 1;
}

}  // namespace kau::ide::testing
