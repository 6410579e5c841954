// Small value types that the editor's model and its control share.
#pragma once

#include <cstdint>

namespace kau::editor {

// A text position or a pixel point: X is the column, Y the line.
struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// How a selection is read and replaced.
enum TSynSelectionMode : std::uint8_t { smNormal, smLine, smColumn };

}  // namespace kau::editor
