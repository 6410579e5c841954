#include "ide/run_controller.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "ide/error_panel.h"
#include "interpreter/entry_points.h"
#include "platform/console/screen_console.h"

namespace kau::ide {

int LineCount(std::string_view text) {
  const auto breaks = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return (text.empty() || text.back() == '\n') ? breaks : breaks + 1;
}

RunController::RunController(console::ScreenConsole& console, QWidget* consoleWindow)
    : console_(console), consoleWindow_(consoleWindow) {
  SetRunConsole(&console_);
  SetConsoleRun(true);
}

RunController::~RunController() { SetRunConsole(nullptr); }

std::optional<RunOutcome> RunController::run(std::string_view cp1252Text, const RunHooks& hooks) {
  if (running_) return std::nullopt;
  running_ = true;
  if (hooks.prepare) hooks.prepare();
  RunOutcome outcome;
  if (!cp1252Text.empty()) {
    showConsole();
    outcome = compileAndRun(cp1252Text);
    if (outcome.error && hooks.reportError) hooks.reportError(outcome);
  }
  if (hooks.restore) hooks.restore();
  running_ = false;
  return outcome;
}

// The compiler and interpreter keep module state, so only this one worker
// touches them while it lives; the GUI thread reads the results after join.
RunOutcome RunController::compileAndRun(std::string_view cp1252Text) {
  const std::string source(cp1252Text);
  int result = 0;
  std::string errorText;
  int errorLine = 0;
  std::atomic<bool> done{false};
  QEventLoop loop;
  std::thread worker([&] {
    result = CompileAndRun(source.c_str());
    errorText = GetCompileErrorText();
    errorLine = GetCompileErrorLine();
    done.store(true);
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  // The loop also ends when the application quits: stop the program then,
  // as Ctrl+C does (it wakes the wait for Enter too).
  // Until the run has begun a Ctrl+C is not taken, so it is pressed again.
  while (!done.load()) {
    console_.pressCtrlC();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  worker.join();

  RunOutcome outcome;
  outcome.compiled = true;
  outcome.error = result != 0;
  if (outcome.error) {
    // An error at the very end of the text is reported on the line after
    // the last one; the caret can only go to the last.
    outcome.errorLine = std::min(std::max(errorLine, 0), LineCount(cp1252Text));
    outcome.panelLines = SplitErrorText(errorText);
  }
  return outcome;
}

void RunController::giveConsoleTheKeys() {
  if (running_) showConsole();
}

void RunController::typeInConsole(QKeyEvent* key) {
  if (running_ && consoleWindow_ != nullptr) QCoreApplication::sendEvent(consoleWindow_, key);
}

void RunController::showConsole() {
  if (consoleWindow_ == nullptr) return;
  consoleWindow_->show();
  consoleWindow_->raise();
  consoleWindow_->activateWindow();
  consoleWindow_->setFocus();
}

}  // namespace kau::ide
