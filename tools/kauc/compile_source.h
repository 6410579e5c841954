#pragma once

#include <string>

namespace kau {

// Parses and translates a program text (code page 1252) into ProgramMemory,
// then empties the compiler's tables and lists. Returns 0 on success, else 1
// with the error text (code page 1252) and line filled in.
int compileSource(const std::string& text, std::string& errorText, int& errorLine);

}  // namespace kau
