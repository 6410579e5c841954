// The one bound on every wait of the tests that gives up: a hang detector,
// never the pass condition. A passing test never reaches it, however loaded
// the machine, so a wait that hits it has found a hang (or a state that never
// comes) and fails with its own message before ctest's time for the whole
// test runs out. The number lives in tests/support/hang_bound.sh.
#pragma once

#include <chrono>

namespace kau::testing {

inline constexpr std::chrono::seconds kHangBound{KAU_HANG_SECONDS};
inline constexpr int kHangMilliseconds = KAU_HANG_SECONDS * 1000;

}  // namespace kau::testing
