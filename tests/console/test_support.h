// Helpers shared by the console tests: pseudo-terminals, pipes, and a
// Ctrl+C sent to the waiting thread.
#pragma once

#include <pthread.h>

#include <string>
#include <thread>

namespace kau::console::testing {

// A pseudo-terminal of 24 rows and 80 columns; the console uses the slave
// side, the test plays the user and the screen on the master side.
struct PseudoTerminal {
  PseudoTerminal();
  ~PseudoTerminal();
  void type(const std::string& bytes) const;
  // What the console wrote, up to and including `marker` (or what it wrote
  // within the hang bound, so that a fault fails instead of hanging).
  std::string readUntil(const std::string& marker) const;
  int master = -1;
  int slave = -1;
};

// Types keys from a thread of its own as soon as the terminal waits for a
// single key (line mode off), as a user does; keys typed earlier would meet
// the line editing and echo of line mode.
class KeyTyper {
 public:
  KeyTyper(const PseudoTerminal& pty, std::string keys);
  ~KeyTyper();

 private:
  std::thread typist_;
};

struct Pipe {
  Pipe();
  ~Pipe();
  void closeWriteEnd();
  void closeReadEnd();
  void write(const std::string& bytes) const;
  std::string readAll();  // after the write end is closed
  int readEnd = -1;
  int writeEnd = -1;
};

// Sends SIGINT to the calling thread after a short while, from a thread of
// its own, as the terminal does when Ctrl+C is pressed.
class DelayedInterrupt {
 public:
  DelayedInterrupt();
  ~DelayedInterrupt();

 private:
  pthread_t target_;
  std::thread sender_;
};

}  // namespace kau::console::testing
