#include "platform/console/run_guard.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "platform/console/ansi_sequences.h"
#include "platform/console/console.h"
#include "platform/console/standard_streams.h"

namespace kau::console {
namespace {

constexpr int kTerminatingSignals[] = {SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};
constexpr int kTerminatingCount = sizeof kTerminatingSignals / sizeof kTerminatingSignals[0];

// Read by the signal handlers, so plain data written before they are
// installed.
int savedInputFd = -1;   // -1: no terminal mode saved
termios savedInputModes{};
int colourResetFd = -1;  // the output when it is a terminal
struct sigaction previousInterrupt;
struct sigaction previousTerminating[kTerminatingCount];
bool terminatingInstalled[kTerminatingCount];
volatile sig_atomic_t runOpen = 0;
// SIGTERM, SIGHUP or SIGPIPE received during the run: it ends the process
// once the run has stopped and written what it held.
volatile sig_atomic_t pendingSignal = 0;

// Async-signal-safe, and never waits: a terminal whose output is stopped
// (Ctrl+S, or nobody reads it) must not keep a signalled process alive. The
// colours are reset when the terminal takes the sequence at once; the mode
// is set without waiting for pending output (TCSANOW).
void restoreTerminal() {
  if (colourResetFd >= 0) {
    writeWithoutWaiting(colourResetFd, ansi::kResetAttributes.data(), ansi::kResetAttributes.size());
  }
  if (savedInputFd >= 0) tcsetattr(savedInputFd, TCSANOW, &savedInputModes);
}

void onInterrupt(int) { interruptFlag().store(true, std::memory_order_relaxed); }

void restorePreviousDisposition(int signal) {
  for (int i = 0; i < kTerminatingCount; ++i)
    if (kTerminatingSignals[i] == signal) sigaction(signal, &previousTerminating[i], nullptr);
}

// SIGTERM and SIGHUP stop the run as Ctrl+C does, so that the program's
// output and its open files are written before the process ends by the
// signal (endRunGuard). So does SIGPIPE, an output whose reader has gone
// (`kauc run p.pas | head`): the text files still get their lines. SIGQUIT,
// or a second SIGTERM or SIGHUP while a signal waits, ends it at once; a
// SIGPIPE never does, for every later write to the same pipe raises it
// again.
void onTerminatingSignal(int signal) {
  const int savedErrno = errno;
  if (signal == SIGPIPE) {
    if (pendingSignal == 0) pendingSignal = signal;
    interruptFlag().store(true, std::memory_order_relaxed);
  } else if ((signal == SIGTERM || signal == SIGHUP) && pendingSignal == 0) {
    pendingSignal = signal;
    interruptFlag().store(true, std::memory_order_relaxed);
  } else {
    restoreTerminal();
    restorePreviousDisposition(signal);
    raise(signal);  // delivered to the previous disposition once this handler returns
  }
  errno = savedErrno;
}

void restoreAtExit() {
  if (runOpen) restoreTerminal();
}

}  // namespace

void beginRunGuard(int inputFd, int outputFd) {
  if (runOpen) return;
  static const bool atExitRegistered = std::atexit(restoreAtExit) == 0;
  (void)atExitRegistered;

  savedInputFd = isatty(inputFd) && tcgetattr(inputFd, &savedInputModes) == 0 ? inputFd : -1;
  colourResetFd = isatty(outputFd) ? outputFd : -1;

  pendingSignal = 0;
  sigaction(SIGINT, nullptr, &previousInterrupt);
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a blocked poll ends with EINTR
  sigaction(SIGINT, &action, nullptr);

  action.sa_handler = onTerminatingSignal;
  for (int i = 0; i < kTerminatingCount; ++i) {
    sigaction(kTerminatingSignals[i], nullptr, &previousTerminating[i]);
    terminatingInstalled[i] = previousTerminating[i].sa_handler != SIG_IGN;
    if (terminatingInstalled[i]) sigaction(kTerminatingSignals[i], &action, nullptr);
  }
  runOpen = 1;

  if (savedInputFd >= 0) {
    termios modes = savedInputModes;
    modes.c_lflag |= ICANON | ECHO | ISIG;
    tcsetattr(inputFd, TCSANOW, &modes);
  }
}

void endRunGuard() {
  if (!runOpen) return;
  if (savedInputFd >= 0) tcsetattr(savedInputFd, TCSANOW, &savedInputModes);
  for (int i = 0; i < kTerminatingCount; ++i)
    if (terminatingInstalled[i]) sigaction(kTerminatingSignals[i], &previousTerminating[i], nullptr);
  sigaction(SIGINT, &previousInterrupt, nullptr);
  runOpen = 0;
  savedInputFd = colourResetFd = -1;
  if (pendingSignal != 0) raise(pendingSignal);
}

}  // namespace kau::console
