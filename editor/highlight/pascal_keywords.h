// The Pascal highlighter's reserved words, found by the sum of their letter
// values (A-Z and a-z count 1 to 26, "_" 31, anything else 0).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kau::editor::pascal {

// When a word counts as a reserved word, and what it does to the scanner.
enum class KeywordRule : std::uint8_t {
  Always,
  End,         // always; the range returns to rsUnKnown
  Asm,         // always; the range becomes rsAsm
  Exports,     // always; the range becomes rsExports
  Property,    // always; the range becomes rsProperty
  InProperty,  // only inside a property declaration
  InExports,   // only inside an exports clause
  InPropertyOrExports,
  Version2,  // dialect version 2 or later
  Version3,
  Version4,
  Version6,
  Version3InProperty,
  Version4InProperty,
  PackageSource,  // only when the text is a package source
};

struct Keyword {
  int hash;
  std::string_view word;  // lower case
  KeywordRule rule;
};

// Hashes at or above this have no reserved word.
inline constexpr int kKeywordHashLimit = 192;

// 1 to 26 for letters, 31 for "_", 0 for any other byte.
constexpr int letterValue(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 1;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
  return c == '_' ? 31 : 0;
}

// The reserved words whose hash is `hash` (empty outside 0 to 191).
std::span<const Keyword> keywordsWithHash(int hash);

// Every reserved word, in hash order.
std::span<const Keyword> allKeywords();

}  // namespace kau::editor::pascal
