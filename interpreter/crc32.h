// CRC-32 (the polynomial of zip and PNG, reflected, initial value and final
// XOR all ones): guards the program appended to a stand-alone executable.
#pragma once

#include <cstdint>
#include <span>

namespace kau {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

}  // namespace kau
