// a × b / c in 64 bits, rounded to the nearest integer (halves away from
// zero), as the scroll bars scale their 16-bit positions; c = 0 gives 0.
#pragma once

#include <cstdint>

#include "editor/control/clamp.h"

namespace kau::editor {

constexpr std::int32_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return 0;
  const std::int64_t p = a * b;
  const bool negative = (p < 0) != (c < 0);
  const std::int64_t n = p < 0 ? -p : p;
  const std::int64_t d = c < 0 ? -c : c;
  const std::int64_t q = (n + d / 2) / d;
  return ClampToInt(negative ? -q : q);
}

}  // namespace kau::editor
