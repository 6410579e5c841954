// Scroll-bar state as the control sets it, and the scroll requests that come
// back from a bar.
#pragma once

#include <cstdint>

namespace kau::platform {

enum TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };

struct TScrollInfo {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
  // Shown greyed instead of hidden when the whole range fits the page.
  bool DisableNoScroll = false;
  friend bool operator==(const TScrollInfo&, const TScrollInfo&) = default;
};

// Which arrows of a bar are disabled.
enum TScrollArrows : std::uint8_t {
  ESB_ENABLE_BOTH = 0,
  ESB_DISABLE_LEFT_UP = 1,
  ESB_DISABLE_RIGHT_DOWN = 2,
  ESB_DISABLE_BOTH = 3,
};

// A scroll request, with the window system's numbers.
enum TScrollCode : std::uint8_t {
  SB_LINEUP = 0,  // also line left
  SB_LINEDOWN = 1,
  SB_PAGEUP = 2,
  SB_PAGEDOWN = 3,
  SB_THUMBPOSITION = 4,
  SB_THUMBTRACK = 5,
  SB_TOP = 6,  // also left end
  SB_BOTTOM = 7,
  SB_ENDSCROLL = 8,
};

}  // namespace kau::platform
