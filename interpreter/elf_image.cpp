#include "interpreter/elf_image.h"

#include <elf.h>

#include <cstring>

namespace kau {

namespace {

template <typename T>
bool ReadAt(std::span<const std::uint8_t> file, std::uint64_t offset, T& value) {
  if (offset > file.size() || file.size() - offset < sizeof(T)) return false;
  std::memcpy(&value, file.data() + offset, sizeof(T));
  return true;
}

// Extends `end` to offset + size; false when that lies beyond the file.
bool Reach(std::span<const std::uint8_t> file, std::uint64_t offset, std::uint64_t size, std::uint64_t& end) {
  if (offset > file.size() || size > file.size() - offset) return false;
  if (offset + size > end) end = offset + size;
  return true;
}

// Extends `end` over a table of `count` entries of `entrySize` bytes at
// `offset` and hands each entry, read as T, to `visit`; false when the table
// or an entry is out of bounds or `visit` says so.
template <typename T, typename Visit>
bool VisitTable(std::span<const std::uint8_t> file, std::uint64_t offset, unsigned count, unsigned entrySize,
                std::uint64_t& end, Visit visit) {
  if (count == 0) return true;
  if (entrySize < sizeof(T) || !Reach(file, offset, std::uint64_t{count} * entrySize, end)) return false;
  for (unsigned i = 0; i < count; ++i) {
    T entry;
    if (!ReadAt(file, offset + std::uint64_t{i} * entrySize, entry) || !visit(entry)) return false;
  }
  return true;
}

}  // namespace

std::optional<std::size_t> ElfImageEnd(std::span<const std::uint8_t> file) {
  Elf64_Ehdr header;
  if (!ReadAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
      header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB)
    return std::nullopt;
  std::uint64_t end = sizeof header;
  const bool inside =
      VisitTable<Elf64_Phdr>(file, header.e_phoff, header.e_phnum, header.e_phentsize, end,
                             [&](const Elf64_Phdr& segment) { return Reach(file, segment.p_offset, segment.p_filesz, end); }) &&
      VisitTable<Elf64_Shdr>(file, header.e_shoff, header.e_shnum, header.e_shentsize, end,
                             [&](const Elf64_Shdr& section) {
                               return section.sh_type == SHT_NOBITS || Reach(file, section.sh_offset, section.sh_size, end);
                             });
  if (!inside) return std::nullopt;
  return static_cast<std::size_t>(end);
}

}  // namespace kau
