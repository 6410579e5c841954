// Fixed code page 1252 character classes and case tables (never the locale).
#pragma once

#include <string>
#include <string_view>

namespace kau::text {

unsigned char toUpper1252(unsigned char c);
unsigned char toLower1252(unsigned char c);
bool isLetter1252(unsigned char c);       // ASCII and accented letters
bool isUpper1252(unsigned char c);
bool isLower1252(unsigned char c);
bool isDigit(unsigned char c);            // '0' to '9'
bool isAsciiLetter(unsigned char c);      // 'A'-'Z', 'a'-'z'
unsigned char toUpperAscii(unsigned char c);
// Equal after upper-casing both through the code page 1252 table.
bool sameText1252(std::string_view a, std::string_view b);

// Whole texts through the same tables: the upper-case form, and an order that
// ignores letter case (-1, 0 or 1), for sorting and searching alike.
std::string upperCase1252(std::string_view s);
int compareText1252(std::string_view a, std::string_view b);

}  // namespace kau::text
