#include "tests/editor_x11/x11_events.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSinglePointEvent>
#include <QWidget>

namespace kau::editor::testing {

namespace {
// Notes where the program last saw the pointer, on any of its windows.
class PointerWatch : public QObject {
 public:
  PointerWatch() { QApplication::instance()->installEventFilter(this); }
  ~PointerWatch() override { QApplication::instance()->removeEventFilter(this); }
  QPoint seen() const { return seen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* pointer = dynamic_cast<QSinglePointEvent*>(event);
    if (pointer && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
      seen_ = pointer->globalPosition().toPoint();
    return QObject::eventFilter(watched, event);
  }

 private:
  QPoint seen_{-1, -1};
};
}  // namespace

QString RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input) {
  QProcess process;
  process.start(program, arguments);
  process.waitForStarted(kau::testing::kHangMilliseconds);
  process.write(input);
  process.closeWriteChannel();
  QElapsedTimer timer;
  timer.start();
  // A modal window that the program opens meanwhile runs its loop inside
  // processEvents, where the process's end may be seen; waitForFinished
  // then returns false for a process already over.
  while (process.state() != QProcess::NotRunning && !process.waitForFinished(5) &&
         timer.elapsed() < kau::testing::kHangMilliseconds)
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  if (process.state() != QProcess::NotRunning) process.kill();
  return QString::fromUtf8(process.readAllStandardOutput());
}

void XDo(const QStringList& arguments) { RunProgram("xdotool", arguments); }

// The answer is the one that ended the wait: a screen that another program
// (a window manager) changes may not give it twice in a row.
bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  for (;;) {
    if (done()) return true;
    if (timer.elapsed() >= milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
}

bool MovePointer(QPoint global, int milliseconds) {
  const PointerWatch watch;
  XDo({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
  if (!QGuiApplication::topLevelAt(global) && !QApplication::activePopupWidget()) return true;
  return WaitFor([&] { return watch.seen() == global; }, milliseconds);
}

QImage GrabScreen(const QRect& area) {
  return QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(area);
}

int DifferingOnScreen(const QWidget& widget, const QImage& painted, const QRect& except) {
  const QImage own = painted.convertToFormat(QImage::Format_RGB32);
  const QImage shown =
      GrabScreen(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size())).convertToFormat(QImage::Format_RGB32);
  if (own.size() != shown.size()) return shown.width() * shown.height();
  int differing = 0;
  for (int y = 0; y < own.height(); ++y)
    for (int x = 0; x < own.width(); ++x)
      differing += own.pixel(x, y) != shown.pixel(x, y) && !except.contains(QPoint(x, y));
  return differing;
}

}  // namespace kau::editor::testing
