// A person at an X display, for the X tests that run a window in their own
// process: keys and clicks go through xdotool, from a thread of the test's
// own while the window's event loop runs (a modal dialog then blocks nothing
// the person does). Every wait polls with a bound.
#pragma once

#include <functional>
#include <string>

namespace kau::testing {

// xdotool with these arguments (shell words); true when it succeeded.
bool XDoTool(const std::string& arguments);

// Polls `done` every 10 ms for up to `seconds`; whether it came true.
bool WaitUntil(const std::function<bool()>& done, double seconds);

// The id of the first visible window whose title matches the regular
// expression, waited for up to `seconds`; empty when none came.
std::string VisibleWindow(const std::string& titlePattern, double seconds);

}  // namespace kau::testing
