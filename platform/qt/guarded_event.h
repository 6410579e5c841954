// Event handlers of the Qt windows run the client's work through this, so
// that no failure goes on into Qt's event loop: it goes to the system's
// failure report instead.
#pragma once

#include <functional>

namespace kau::platform {

void RunGuarded(const std::function<void()>& work);

}  // namespace kau::platform
