// String comparison of the running program: byte by byte as unsigned values,
// a proper prefix being the smaller.
#pragma once

#include <string_view>

namespace kau {

int CompareStrings(std::string_view left, std::string_view right);

}  // namespace kau
