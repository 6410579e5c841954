// Where a long printed line breaks, and page numbers in Roman numerals.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/model/misc_procs.h"

namespace kau::editor {

// Adds to `Positions` the 1-based positions of the break characters after
// which `Line` breaks so that no piece is longer than `MaxCol`. False, with
// `Positions` as it was, when some piece finds no break character.
bool WrapTextEx(std::string_view Line, const TSynCharSet& BreakChars, int MaxCol, std::vector<int>& Positions);

// Empty for 0 and below.
std::string IntToRoman(int Value);

}  // namespace kau::editor
