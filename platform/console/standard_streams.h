// The standard descriptors of a process that runs a student's program, as
// kauc and the stand-alone runner find them.
#pragma once

#include <cstddef>

namespace kau::console {

// Writes what the descriptor takes at once and drops the rest: for output
// that must not hold the process, such as a terminal nobody reads or one
// stopped with Ctrl+S. Async-signal-safe (fcntl and write only); the
// descriptor's blocking mode is left as it was. Returns the bytes written.
std::size_t writeWithoutWaiting(int fd, const char* data, std::size_t size);

// Gives a closed standard input, output or error a device of its own, so
// that no file the program opens takes its number (a text file would then
// receive the screen output). A closed output becomes /dev/full: writing to
// it fails, and the failure is reported like any other lost output.
void occupyClosedStandardDescriptors();

}  // namespace kau::console
