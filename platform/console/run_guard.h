// What a run changes in the process and must give back: the terminal's mode
// and the signal handlers. Process-wide, since signal handlers are; one run
// at a time.
#pragma once

namespace kau::console {

// Saves the mode of the input terminal (when the input is one) and sets line
// input with echo and Ctrl+C; installs the SIGINT handler that only sets
// interruptFlag(), and handlers for SIGTERM, SIGHUP and SIGQUIT that restore
// the terminal (its mode and, when the output is a terminal, its colours)
// and then re-raise the signal. At exit a run still open is restored too.
void beginRunGuard(int inputFd, int outputFd);

// Restores the terminal mode and the previous signal handlers. Nothing when
// no run is open.
void endRunGuard();

}  // namespace kau::console
