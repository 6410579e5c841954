#include "text/char_class.h"

#include <algorithm>

namespace kau::text {

// Code page 1252 pairs outside ASCII: Š/š, Œ/œ, Ž/ž, Ÿ/ÿ and À..Þ/à..þ but ×/÷.
unsigned char toUpper1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

unsigned char toLower1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

bool isUpper1252(unsigned char c) { return toLower1252(c) != c; }
bool isLower1252(unsigned char c) { return toUpper1252(c) != c || c == 0xDF || c == 0xAA || c == 0xBA || c == 0xB5; }
bool isLetter1252(unsigned char c) { return isUpper1252(c) || isLower1252(c) || c == 0x83; }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
unsigned char toUpperAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }

std::string upperCase1252(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(toUpper1252(static_cast<unsigned char>(c)));
  return out;
}

int compareText1252(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char ca = toUpper1252(static_cast<unsigned char>(a[i]));
    const unsigned char cb = toUpper1252(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool sameText1252(std::string_view a, std::string_view b) {
  return a.size() == b.size() && compareText1252(a, b) == 0;
}

}  // namespace kau::text
