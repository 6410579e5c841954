// The stand-alone runner's loader: finds the compiled program appended to the
// runner's own file and reads it into code words.
//
// Appended after the end of the runner's ELF image: the marker 1A 1A 1A, the
// LZSS stream of the program dump, the stream's CRC-32 (four bytes, least
// significant first), and the byte FF. The checksum is tested before the
// stream is decoded: a damaged executable is refused, never run as some
// other program that its damaged stream happens to decode to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "compiler/word_code.h"

namespace kau {

inline constexpr std::uint8_t kProgramMarker[] = {0x1A, 0x1A, 0x1A};
inline constexpr std::size_t kStreamChecksumSize = 4;
inline constexpr std::uint8_t kImageEnd = 0xFF;

// Appends the marker, the stream, its checksum and the end byte to `image`.
void AppendProgramStream(std::span<const std::uint8_t> stream, std::vector<std::uint8_t>& image);

struct LoadedProgram {
  std::vector<Word> code;  // the N code words
  Word wordCount = 0;      // M, the count handed to the interpreter
};

// Reads the appended part itself (marker, stream, end byte). False with a
// message in code page 1252 when it is damaged or would not fit the memory.
bool ReadAppendedProgram(std::span<const std::uint8_t> appended, LoadedProgram& program, std::string& message);

// Finds the appended part after the ELF image of a whole executable file and
// reads it; false with a message when there is none or it is damaged.
bool LoadAppendedProgram(std::span<const std::uint8_t> executable, LoadedProgram& program, std::string& message);

}  // namespace kau
