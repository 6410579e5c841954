// Shortcut values: a key code plus 0x2000 for Shift, 0x4000 for Ctrl and
// 0x8000 for Alt (16496 is Ctrl+F1), and their readable text ("Shift+Ctrl+Z").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/shift_state.h"

namespace kau::editor {

using TShortCut = std::uint16_t;

inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(std::uint16_t Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, std::uint16_t& Key, TShiftState& Shift);
// Empty for 0 and for a key without a name.
std::string ShortCutToText(TShortCut ShortCut);
// The shortcut of such a text: the names "Shift+", "Ctrl+" and "Alt+" in any
// order and case, then a key's name in any case; 0 for any other text.
TShortCut TextToShortCut(std::string_view Text);

}  // namespace kau::editor
