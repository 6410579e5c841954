// A key pressed in the console window, given to the screen console as the
// key a program reads: characters in code page 850, extended keys as scan
// codes, Ctrl+C as the stop of the run, the paste keys as the clipboard's
// text.
#pragma once

#include <QClipboard>
#include <QKeyEvent>

#include "platform/console/screen_console.h"

namespace kau::platform {

// False when the key means nothing to the console (a lone modifier).
bool typeConsoleKey(console::ScreenConsole& console, const QKeyEvent& event);

// Types the text of the clipboard, or of the X selection, as pasted keys (see
// ScreenConsole::pasteText).
void pasteIntoConsole(console::ScreenConsole& console, QClipboard::Mode mode);

}  // namespace kau::platform
