// Numbers as text for WRITE (the C library's "%d" format, and "%f" with a
// person's rounding, always with a decimal point whatever the process
// locale) and for VAL.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/word_code.h"

namespace kau {

// Decimal places of a real written without them ("%f").
inline constexpr int kDefaultRealDecimals = 6;
// Digits past this many decimal places of a double are always zeros; they
// are written as padding instead of being formatted.
inline constexpr int kMaxFormattedDecimals = 1100;

std::string FormatInteger(Word value);
// "%.*f" with decimals clamped to kMaxFormattedDecimals (a negative count
// means the default), rounded half away from zero from the shortest decimal
// that reads back as the value; the zeros past the clamp are left to the
// caller.
std::string FormatReal(double value, int decimals);

// The zeros that FormatReal leaves to its caller.
std::int64_t ZerosPastFormatted(double value, Word decimals);

// VAL: the code is 0 when the whole text (leading blanks allowed) is a valid
// number of the type, else the 1-based position of the first character that
// could not be used. The value is that of the text's valid beginning
// (0 when none).
int ValInteger(std::string_view text, Word& value);
int ValReal(std::string_view text, double& value);

}  // namespace kau
