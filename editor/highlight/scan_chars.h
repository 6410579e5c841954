// The character classes that the highlighters' scanners share. Identifiers
// are ASCII here whatever the editor's word characters are.
#pragma once

namespace kau::editor::scan {

constexpr bool isAsciiLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
constexpr bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
constexpr bool isIdentChar(unsigned char c) { return isAsciiLetter(c) || isDigit(c) || c == '_'; }
constexpr bool isHexDigit(unsigned char c) {
  return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
// NUL, LF and CR end a line for strings and comments.
constexpr bool isLineEnd(unsigned char c) { return c == 0 || c == '\n' || c == '\r'; }
// Control characters other than NUL, LF and CR, and the blank.
constexpr bool isSpace(unsigned char c) { return c >= 1 && c <= 32 && c != '\n' && c != '\r'; }

}  // namespace kau::editor::scan
