// The Pascal text both editors load: a program of units of 40 lines, each a
// procedure with a nested procedure, BEGIN/END blocks, FOR, IF, WHILE,
// REPEAT and CASE, comments of the three kinds and strings. The word of
// kSearchWord occurs 4 times in each unit (10,000 times in 100,000 lines).
#pragma once

#include <string>

namespace kau::bench {

inline constexpr const char* kSearchWord = "contador";
inline constexpr const char* kReplacementWord = "soma";

// About `lines` lines, each ending in LF.
std::string GeneratedPascal(int lines);

}  // namespace kau::bench
