// Integer texts in the class library's syntax: decimal with an optional sign,
// or "$" followed by up to eight hexadecimal digits (read as 32 bits, so
// "$FFFFFFFF" is -1). No blanks, nothing after the number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kau::text {

std::optional<std::int32_t> StrToInt(std::string_view text);

}  // namespace kau::text
