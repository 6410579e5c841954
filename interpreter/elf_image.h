// Where an executable's own ELF image ends in its file: the furthest byte
// that its headers, segments and sections reach. Whatever follows was
// appended to the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kau {

// Empty when the bytes are not a little-endian 64-bit ELF file whose tables
// lie within them.
std::optional<std::size_t> ElfImageEnd(std::span<const std::uint8_t> file);

}  // namespace kau
