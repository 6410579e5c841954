#include "tests/ide/x11_student.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <thread>

#include "ide/app_setup.h"

namespace kau::ide::testing {

bool SaveScreen(const std::string& path) {
  return OnWindowsThread(
      [&] { return QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(path), "PNG"); });
}

int RunWithPerson(int argc, char** argv, const QStringList& arguments,
                  const std::function<bool(PascalKauWindows&)>& person) {
  QTemporaryDir config;
  if (!config.isValid()) return 2;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());  // never the user's settings
  QApplication app(argc, argv);
  SetUpApplication(app);
  PascalKauWindows windows;
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
  std::puts(passed ? "PASS" : "FAIL");
  return passed ? 0 : 1;
}

}  // namespace kau::ide::testing
