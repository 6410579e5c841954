// A list of strings as one line of text, the way the class library's string
// lists write their CommaText: items separated by commas; an item that is
// empty or holds a blank, a control character, a comma or a double quote is
// written in double quotes with its double quotes doubled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kau::editor {

std::string CommaText(const std::vector<std::string>& items);

// Reads items separated by commas and by blanks or control characters (runs
// of them count once around a comma). False, leaving `items` alone, when a
// quoted item has no closing quote.
bool ParseCommaText(std::string_view text, std::vector<std::string>& items);

}  // namespace kau::editor
