// The screen of a ScreenConsole as text, and the dump that tests of the
// windows read: when PASCALKAU_CONSOLE_DUMP names a file, the console writes
// its screen there after every run, and the program at its exit.
#pragma once

#include <string>

#include "platform/console/screen_console.h"

namespace kau::console {

// The rows in UTF-8 as the screen shows them, each without its trailing
// blanks and ended by "\n".
std::string screenText(const ScreenSnapshot& screen);

// Writes screenText() to the file that PASCALKAU_CONSOLE_DUMP names, under a
// temporary name first so that a reader never sees half a dump. Nothing when
// the variable is unset or empty; false when the file could not be written.
bool writeScreenDumpIfAsked(const ScreenConsole& console);

}  // namespace kau::console
