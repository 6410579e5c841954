#include "platform/draw/colors.h"

#include <algorithm>
#include <iterator>

namespace kau {

namespace {

// The classic window colours, so that a process without a window back end
// (the headless tests) still resolves system colours to fixed values.
constexpr TSystemColorTable kClassicColors = {
    0xC8C8C8, 0x000000, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
    0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF};

std::uint32_t currentColors[COLOR_COUNT] = {};
bool installed = false;

}  // namespace

void SetSystemColors(const TSystemColorTable& table) {
  std::copy(std::begin(table), std::end(table), std::begin(currentColors));
  installed = true;
}

void ResetSystemColors() { installed = false; }

std::uint32_t GetSysColor(TSystemColorIndex index) {
  if (index >= COLOR_COUNT) return 0;
  return installed ? currentColors[index] : kClassicColors[index];
}

std::uint32_t ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<TSystemColorIndex>(color & 0xFF));
  if (color == clNone || color == clDefault) return 0;
  return static_cast<std::uint32_t>(color) & 0xFFFFFF;
}

}  // namespace kau
