// A person at an X display, for the X tests that run a window in their own
// process: keys and clicks go through xdotool, from a thread of the test's
// own while the window's event loop runs (a modal dialog then blocks nothing
// the person does). Every wait polls, up to the hang bound.
#pragma once

#include <string>

#include "tests/support/wait_until.h"

namespace kau::testing {

// xdotool with these arguments (shell words); true when it succeeded.
bool XDoTool(const std::string& arguments);

// The id of the first visible window whose title matches the regular
// expression, waited for up to the hang bound; empty when none came.
std::string VisibleWindow(const std::string& titlePattern);

}  // namespace kau::testing
