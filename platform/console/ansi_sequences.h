// The few ANSI (ECMA-48) control sequences the terminal console emits.
#pragma once

#include <string>
#include <string_view>

namespace kau::console::ansi {

// Select Graphic Rendition for a DOS attribute: text colour in bits 0-3
// (bit 3 bright), background in bits 4-6, blink in bit 7. Starts with a
// reset so that no earlier blink or brightness survives.
std::string attribute(unsigned char dosAttribute);

// Cursor to a 1-based column and row of the screen.
std::string cursorTo(int column, int row);

inline constexpr std::string_view kClearScreen = "\033[2J\033[H";
inline constexpr std::string_view kResetAttributes = "\033[0m";

}  // namespace kau::console::ansi
