// The Run command's engine: compiles and runs a program text on a worker
// thread against the console window, while the windows keep working in a
// local event loop. The main window supplies what it does to its own windows
// before and after the run.
#pragma once

#include <QStringList>
#include <functional>
#include <optional>
#include <string_view>

class QKeyEvent;
class QWidget;

namespace kau::console {
class ScreenConsole;
}

namespace kau::ide {

struct RunOutcome {
  bool compiled = false;  // false for an empty text: nothing was compiled
  bool error = false;     // a compile error, a run-time error or Ctrl+C
  // 1-based line of a compile error, within the text's lines; 0 for none.
  int errorLine = 0;
  QStringList panelLines;  // the error text's two panel lines
};

struct RunHooks {
  // Before the run, on the GUI thread: hide the panel and clear its list,
  // note the window state and the explorer's visibility, hide the explorer,
  // minimize and disable the main window.
  std::function<void()> prepare;
  // After a run that ended in an error: caret, error-line mark, panel.
  std::function<void(const RunOutcome&)> reportError;
  // Always last, also after an empty text: put the windows back.
  std::function<void()> restore;
};

class RunController {
 public:
  // Programs run on `console`, shown by `consoleWindow`; both must outlive
  // the controller.
  RunController(console::ScreenConsole& console, QWidget* consoleWindow);
  ~RunController();
  RunController(const RunController&) = delete;
  RunController& operator=(const RunController&) = delete;

  bool running() const { return running_; }
  // While a run is under way: the console window in front with the keys,
  // and a key that reached another window typed in it.
  void giveConsoleTheKeys();
  void typeInConsole(QKeyEvent* key);

  // Runs `cp1252Text` (the editor's whole text) and returns once the program
  // has ended, the events of the windows served meanwhile. Refused (nothing
  // happens, no value) while a run is under way.
  std::optional<RunOutcome> run(std::string_view cp1252Text, const RunHooks& hooks);

 private:
  RunOutcome compileAndRun(std::string_view cp1252Text);
  void showConsole();

  console::ScreenConsole& console_;
  QWidget* consoleWindow_;
  bool running_ = false;
};

// The number of lines of a text whose lines each end with a line break (a
// last line without one counts too).
int LineCount(std::string_view text);

}  // namespace kau::ide
