// The two consoles as one typed test suite sees them: the terminal console
// on a pseudo-terminal and the screen console of the windows. Input is given
// as a terminal sends it (UTF-8, "\r" for Enter, DEL for Backspace, escape
// sequences for extended keys); the screen driver types it as the window
// does, key by key.
#pragma once

#include <memory>
#include <string>
#include <thread>

#include "platform/console/screen_console.h"
#include "platform/console/terminal_console.h"
#include "tests/console/test_support.h"

namespace kau::console::testing {

// Something under way until it is destroyed (a typist, a delayed Ctrl+C).
struct Pending {
  virtual ~Pending() = default;
};

class PtyDriver {
 public:
  PtyDriver();
  Console& console() { return *console_; }
  int rows() const { return 24; }
  // Typed ahead, for line input.
  void type(const std::string& keys) { pty_.type(keys); }
  // Typed as soon as the console waits for a single key.
  std::unique_ptr<Pending> typeForKeyRead(const std::string& keys);
  // Ctrl+C pressed while the calling thread waits.
  std::unique_ptr<Pending> ctrlCSoon();
  // What the console showed since it was made (escape sequences and text).
  std::string shown();

 private:
  PseudoTerminal pty_;
  std::unique_ptr<Console> console_;
};

class ScreenDriver {
 public:
  Console& console() { return console_; }
  ScreenConsole& screen() { return console_; }
  int rows() const { return ScreenConsole::kRows; }
  void type(const std::string& keys);
  std::unique_ptr<Pending> typeForKeyRead(const std::string& keys);
  // Ctrl+C pressed from another thread, as the window's thread does.
  std::unique_ptr<Pending> ctrlCSoon();
  // The screen's text without its trailing blank rows.
  std::string shown();

 private:
  ScreenConsole console_;
};

}  // namespace kau::console::testing
