// The failures a pixel check returns as one text, a line each, so that an
// expectation of "" shows them all when it fails.
#pragma once

#include <string>
#include <vector>

namespace kau::editor::testing {

inline std::string Joined(const std::vector<std::string>& failures) {
  std::string all;
  for (const std::string& f : failures) all += f + "\n";
  return all;
}

}  // namespace kau::editor::testing
