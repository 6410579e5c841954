// Narrowing of 64-bit results to the control's 32-bit fields: the control
// computes sums and products of positions in 64 bits and stores them clamped,
// so that no input makes a signed overflow.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kau::editor {

constexpr std::int32_t ClampToInt(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max()));
}

}  // namespace kau::editor
