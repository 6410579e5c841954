// The highlighter's scanner state at the end of a line, as the line store
// keeps it per line. It is an opaque pointer-sized value: the store and the
// editor only compare it by value and never look inside.
#pragma once

#include <cstdint>

namespace kau::editor {

using SynRange = std::intptr_t;

// The state the highlighter reports before any scan (its "nil").
inline constexpr SynRange kRangeNil = 0;
// A line that was added and not scanned yet.
inline constexpr SynRange kRangeUnscanned = -1;

}  // namespace kau::editor
