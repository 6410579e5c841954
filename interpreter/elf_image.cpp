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

}  // namespace

std::optional<std::size_t> ElfImageEnd(std::span<const std::uint8_t> file) {
  Elf64_Ehdr header;
  if (!ReadAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
      header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB)
    return std::nullopt;
  std::uint64_t end = sizeof header;
  if (header.e_phnum > 0) {
    if (header.e_phentsize < sizeof(Elf64_Phdr) ||
        !Reach(file, header.e_phoff, std::uint64_t{header.e_phnum} * header.e_phentsize, end))
      return std::nullopt;
    for (unsigned i = 0; i < header.e_phnum; ++i) {
      Elf64_Phdr segment;
      if (!ReadAt(file, header.e_phoff + std::uint64_t{i} * header.e_phentsize, segment) ||
          !Reach(file, segment.p_offset, segment.p_filesz, end))
        return std::nullopt;
    }
  }
  if (header.e_shnum > 0) {
    if (header.e_shentsize < sizeof(Elf64_Shdr) ||
        !Reach(file, header.e_shoff, std::uint64_t{header.e_shnum} * header.e_shentsize, end))
      return std::nullopt;
    for (unsigned i = 0; i < header.e_shnum; ++i) {
      Elf64_Shdr section;
      if (!ReadAt(file, header.e_shoff + std::uint64_t{i} * header.e_shentsize, section)) return std::nullopt;
      if (section.sh_type != SHT_NOBITS && !Reach(file, section.sh_offset, section.sh_size, end))
        return std::nullopt;
    }
  }
  return static_cast<std::size_t>(end);
}

}  // namespace kau
