#pragma once

#include <string>

namespace kau {

// Reads a Pascal source file into code page 1252 text: valid UTF-8 is
// converted, anything else is taken as 1252 bytes. False when unreadable.
bool readSourceFile(const std::string& path, std::string& text);

}  // namespace kau
