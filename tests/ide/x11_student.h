// What the X tests of the windows share: the program's windows started in
// the test's process as pascalkau starts them, a person (a thread of the
// test's own, typing through xdotool) using them, looks at the windows
// taken on their own thread, and screenshots of the X screen.
#pragma once

#include <QApplication>
#include <QStringList>
#include <functional>
#include <string>

#include "ide/program_start.h"

namespace kau::ide::testing {

// Runs `look` on the windows' thread and returns what it found; the windows
// answer it also while a modal dialog or a run holds their thread.
template <typename Look>
auto OnWindowsThread(Look look) {
  decltype(look()) result{};
  QMetaObject::invokeMethod(qApp, [&] { result = look(); }, Qt::BlockingQueuedConnection);
  return result;
}

// Whether the active modal window is a `Modal`.
template <typename Modal>
bool ModalShown() {
  return OnWindowsThread([] { return qobject_cast<Modal*>(QApplication::activeModalWidget()) != nullptr; });
}

// Saves the whole X screen as a PNG; false when it could not.
bool SaveScreen(const std::string& path);

// A person at the windows, typing through xdotool. A step that fails says
// why on standard error and leaves the screenshot NAME_failure.png.
class WindowsUser {
 public:
  // Screenshots go to SHOTS/NAME_*.png; an old failure's is removed.
  WindowsUser(PascalKauWindows& windows, std::string shots, std::string name);

 protected:
  bool Fail(const std::string& what);
  bool Expect(bool holds, const std::string& what) { return holds || Fail(what); }
  // Saves the screen as SHOTS/NAME_SUFFIX.png.
  void Screenshot(const std::string& suffix);
  bool Type(const std::string& text);
  bool Key(const std::string& keys);
  // Key, then a wait up to the hang bound until the windows have handled
  // its key `qtKey` (Qt's number): what that key does is done then, and so
  // is every key sent before it.
  bool KeyHandled(const std::string& keys, int qtKey);

  PascalKauWindows& windows_;

 private:
  std::string shots_;
  std::string name_;
};

// Starts the windows with these command-line arguments, settings in a
// folder of their own, and runs `person` on its own thread until it returns;
// then every event loop ends. Prints PASS or FAIL; the exit status.
int RunWithPerson(int argc, char** argv, const QStringList& arguments,
                  const std::function<bool(PascalKauWindows&)>& person);

}  // namespace kau::ide::testing
