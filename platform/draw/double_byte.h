// Character sets whose code pages encode some characters in two bytes, and
// the bytes that start such a character in each of them.
#pragma once

#include <cstdint>

namespace kau::platform {

inline constexpr std::uint8_t SHIFTJIS_CHARSET = 128;
inline constexpr std::uint8_t HANGUL_CHARSET = 129;
inline constexpr std::uint8_t JOHAB_CHARSET = 130;
inline constexpr std::uint8_t GB2312_CHARSET = 134;
inline constexpr std::uint8_t CHINESEBIG5_CHARSET = 136;

bool IsDoubleByteCharSet(std::uint8_t charSet);
// Whether `ch` is the first byte of a two-byte character in the character
// set's code page; never in a single-byte one.
bool IsLeadByteOfCharSet(std::uint8_t charSet, unsigned char ch);

}  // namespace kau::platform
