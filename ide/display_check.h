// The windows need a graphical session; without one Qt would abort, so the
// program says so itself and points to the terminal runner.
#pragma once

namespace kau::ide {

inline constexpr int kNoDisplayExitStatus = 3;

// True when DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set.
bool HasDisplay();
// The Portuguese message, UTF-8, ending in a line break.
const char* NoDisplayMessage();

}  // namespace kau::ide
