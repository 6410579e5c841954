// Values as the settings keep them: integers (colours, styles) as signed
// decimal text, like a registry DWORD read as an integer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kau::settings {

// "-12", "536870911": an optional minus and decimal digits, nothing else.
// Values from -2147483648 to 4294967295 are taken; above 2147483647 they
// stand for the same 32 bits (a DWORD written unsigned), so -1 and
// 4294967295 are one value.
std::optional<std::int32_t> ParseInteger(std::string_view text);
std::string IntegerText(std::int32_t value);

// The error text of a value that cannot be taken, naming where it is
// (code page 1252).
std::string InvalidValueText(std::string_view section, std::string_view name, std::string_view value);

}  // namespace kau::settings
