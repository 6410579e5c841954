// 32-bit word arithmetic that wraps around as the machine's integers do,
// without the undefined behaviour of signed overflow; reals in word pairs.
#pragma once

#include <cstdint>
#include <cstring>

#include "compiler/word_code.h"

namespace kau {

inline Word WrapAdd(Word a, Word b) { return static_cast<Word>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b)); }
inline Word WrapSub(Word a, Word b) { return static_cast<Word>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b)); }
inline Word WrapMul(Word a, Word b) { return static_cast<Word>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b)); }
inline Word WrapNeg(Word a) { return static_cast<Word>(0u - static_cast<std::uint32_t>(a)); }

// A real is two words, the high 32 bits of the IEEE double first.
inline double RealFromWords(Word high, Word low) {
  const std::uint64_t bits = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32) |
                             static_cast<std::uint32_t>(low);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline void RealToWords(double value, Word& high, Word& low) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  high = static_cast<Word>(static_cast<std::uint32_t>(bits >> 32));
  low = static_cast<Word>(static_cast<std::uint32_t>(bits));
}

}  // namespace kau
