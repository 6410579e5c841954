// The terminal console on given descriptors: makeTerminalConsole() uses
// standard input and output; tests use a pseudo-terminal or pipes.
#pragma once

#include <memory>

#include "platform/console/console.h"

namespace kau::console {

std::unique_ptr<Console> makeTerminalConsole(int inputFd, int outputFd);

}  // namespace kau::console
