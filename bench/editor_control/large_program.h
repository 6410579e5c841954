// What the editor control's benchmarks share: a clock in milliseconds and
// the generated large program of bench/large_program.py as one text.
#pragma once

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace kau::bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// `options` go to the generator as they are (e.g. "--structures").
inline std::string LargeProgram(int lines, const std::string& options = {}) {
  const std::string command =
      "python3 " KAU_SOURCE_DIR "/bench/large_program.py " + std::to_string(lines) + " " + options;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string text;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, n);
  return text;
}

}  // namespace kau::bench
