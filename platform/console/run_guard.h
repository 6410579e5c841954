// What a run changes in the process and must give back: the terminal's mode
// and the signal handlers. Process-wide, since signal handlers are; one run
// at a time.
#pragma once

namespace kau::console {

// Saves the mode of the input terminal (when the input is one) and sets line
// input with echo and Ctrl+C; installs the SIGINT handler that only sets
// interruptFlag(); SIGTERM, SIGHUP and SIGPIPE set it too and are kept for
// endRunGuard, so that the run stops and writes what it holds first; a
// SIGQUIT, or a second SIGTERM or SIGHUP, restores the terminal (its mode
// and, when the output is a terminal, its colours) and re-raises the signal
// at once. At exit a run still open is restored too.
void beginRunGuard(int inputFd, int outputFd);

// Restores the terminal mode and the previous signal handlers. Nothing when
// no run is open. A SIGTERM, SIGHUP or SIGPIPE kept during the run is raised
// again then: the process ends by it, as it would have without the run's
// handler.
void endRunGuard();

}  // namespace kau::console
