// Writes 200,000 lines through the screen console on a worker thread while
// its window is open (offscreen) and painting, and the same program through
// `kauc run` to /dev/null; prints both times and their ratio.
//   console_bench [LINES]
#include <QApplication>
#include <QTimer>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "interpreter/entry_points.h"
#include "platform/qt/qt_console_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string program(long lines) {
  return "PROGRAM Linhas;\nVAR i: INTEGER;\nBEGIN\n  FOR i := 1 TO " + std::to_string(lines) +
         " DO WRITELN('Linha ', i, ' do console do Pascal KAU!');\nEND.\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const long lines = argc > 1 ? std::atol(argv[1]) : 200'000;
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  const std::string source = program(lines);

  kau::console::ScreenConsole console;
  kau::platform::QtConsoleWindow window(console);
  window.show();
  kau::SetRunConsole(&console);
  kau::SetConsoleRun(false);
  int result = -1;
  std::atomic<bool> done{false};
  const Clock::time_point windowStart = Clock::now();
  std::thread worker([&] {  // the window's event loop runs meanwhile, as in the windows
    result = kau::CompileAndRun(source.c_str());
    done = true;
  });
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (done) QApplication::quit();
  });
  watch.start(1);
  QApplication::exec();
  worker.join();
  window.refresh();
  const double windowSeconds = secondsSince(windowStart);
  kau::SetRunConsole(nullptr);
  if (result != 0) {
    std::fprintf(stderr, "run failed: %s\n", kau::GetCompileErrorText().c_str());
    return 1;
  }

  const std::string path = "/tmp/console_bench_" + std::to_string(getpid()) + ".pas";
  std::ofstream(path) << source;
  const std::string command = std::string("'") + KAUC_PATH + "' run '" + path + "' > /dev/null";
  const Clock::time_point kaucStart = Clock::now();
  const int status = std::system(command.c_str());
  const double kaucSeconds = secondsSince(kaucStart);
  std::remove(path.c_str());
  if (status != 0) {
    std::fprintf(stderr, "kauc failed\n");
    return 1;
  }

  std::printf("%ld lines\n", lines);
  std::printf("screen console, window open: %.3f s\n", windowSeconds);
  std::printf("kauc run > /dev/null:        %.3f s\n", kaucSeconds);
  std::printf("ratio (window / kauc):       %.2f\n", windowSeconds / kaucSeconds);
  return 0;
}
