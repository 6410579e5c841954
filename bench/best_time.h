// Timing shared by the benchmarks.
#pragma once

#include <algorithm>
#include <chrono>

namespace kau::bench {

// The best wall-clock time of `rounds` runs of `work`, in milliseconds.
template <typename Work>
double BestMs(int rounds, Work work) {
  double best = 1e18;
  for (int r = 0; r < rounds; ++r) {
    const auto start = std::chrono::steady_clock::now();
    work();
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

}  // namespace kau::bench
