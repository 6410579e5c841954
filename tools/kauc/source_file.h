#pragma once

#include <string>

namespace kau {

// Reads a Pascal source file into code page 1252 text: valid UTF-8 is
// converted, anything else is taken as 1252 bytes; CR, LF and CR LF all end
// a line. False when it cannot be read as a whole: missing, a folder, no
// permission, a read error, or more bytes than any program could have (an
// endless device such as /dev/zero).
// Never throws.
bool readSourceFile(const std::string& path, std::string& text) noexcept;

}  // namespace kau
