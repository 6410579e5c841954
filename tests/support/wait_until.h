// Polls a condition from a thread that owns no event loop (a child process
// waited for, a person at the X display), up to the hang bound.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

#include "tests/support/hang_bound.h"

namespace kau::testing {

// Polls `condition` every 10 ms until it holds, at most the hang bound;
// whether it held.
inline bool WaitUntil(const std::function<bool()>& condition) {
  const auto giveUp = std::chrono::steady_clock::now() + kHangBound;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace kau::testing
