// The scan steps that the highlighters' routine tables share. Each takes the
// line and the scan position at the token's first character and returns the
// position after the token; the caller sets the token kind. The line is a
// std::string so that reading one past its last character gives NUL.
#pragma once

#include <cstddef>
#include <string>

#include "editor/highlight/scan_chars.h"

namespace kau::editor::scan {

inline unsigned char charAt(const std::string& line, std::size_t i) {
  return static_cast<unsigned char>(line[i]);
}

// A run of blanks and control characters.
inline std::size_t afterSpaces(const std::string& line, std::size_t run) {
  do ++run;
  while (isSpace(charAt(line, run)));
  return run;
}

// A line break: LF alone, CR alone or CR followed by LF.
inline std::size_t afterLineBreak(const std::string& line, std::size_t run) {
  return charAt(line, run) == '\r' && charAt(line, run + 1) == '\n' ? run + 2 : run + 1;
}

// A one-character prefix such as "$" and the hexadecimal digits after it.
inline std::size_t afterHexDigits(const std::string& line, std::size_t run) {
  do ++run;
  while (isHexDigit(charAt(line, run)));
  return run;
}

// Everything up to the end of the line.
inline std::size_t lineEndFrom(const std::string& line, std::size_t run) {
  while (!isLineEnd(charAt(line, run))) ++run;
  return run;
}

}  // namespace kau::editor::scan
