// A key pressed in the console window, given to the screen console as the
// key a program reads: characters in code page 850, extended keys as scan
// codes, Ctrl+C as the stop of the run.
#pragma once

#include <QKeyEvent>

#include "platform/console/screen_console.h"

namespace kau::platform {

// False when the key means nothing to the console (a lone modifier).
bool typeConsoleKey(console::ScreenConsole& console, const QKeyEvent& event);

}  // namespace kau::platform
