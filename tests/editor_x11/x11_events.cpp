#include "tests/editor_x11/x11_events.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

namespace kau::editor::testing {

QString RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input) {
  QProcess process;
  process.start(program, arguments);
  process.waitForStarted(3000);
  process.write(input);
  process.closeWriteChannel();
  QElapsedTimer timer;
  timer.start();
  while (!process.waitForFinished(5) && timer.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 5);
  if (process.state() != QProcess::NotRunning) process.kill();
  return QString::fromUtf8(process.readAllStandardOutput());
}

void XDo(const QStringList& arguments) { RunProgram("xdotool", arguments); }

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

void Settle() {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 150) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

QImage GrabScreen(const QRect& area) {
  return QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(area);
}

}  // namespace kau::editor::testing
