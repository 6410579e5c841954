// The program names Windows font families; this table maps them to families
// found on Linux that have the same or close metrics.
#pragma once

#include <string>
#include <string_view>

#include "platform/draw/font.h"

namespace kau::platform {

struct TFontFamilyChoice {
  std::string Family;    // the local family to ask for first
  std::string Fallback;  // the family to take when that one is missing
  bool FixedPitch = false;
};

// The local family for a requested one. A request with fixed pitch for a
// family that is not fixed-pitch gets the fixed-pitch family, as the window
// system's font mapper would give it.
TFontFamilyChoice MapFontFamily(std::string_view requested, TFontPitch pitch);

}  // namespace kau::platform
