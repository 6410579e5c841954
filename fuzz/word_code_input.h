// The input of the interpreter's fuzz targets: word code in a byte encoding,
// run on a fake console inside a scratch folder where files are only read.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "compiler/word_code.h"
#include "tests/interpreter/fake_console.h"

namespace kau::fuzzing {

// Small values (opcodes, operands, characters) are the common case: a byte
// below 240 is the word b % 125 - 5; a byte from 240 up takes the next four
// bytes as a whole word (little endian).
inline std::size_t DecodeWordCode(const std::uint8_t* data, std::size_t size, Word* out, std::size_t capacity) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < size && count < capacity;) {
    const std::uint8_t b = data[i++];
    Word w;
    if (b >= 240 && i + 4 <= size) {
      std::uint32_t raw = 0;
      for (int k = 0; k < 4; ++k) raw |= static_cast<std::uint32_t>(data[i++]) << (8 * k);
      w = static_cast<Word>(raw);
    } else {
      w = static_cast<Word>(b % 125) - 5;
    }
    // No file is ever created or changed.
    if (w == OP_REWRITE || w == OP_APPEND) w = OP_RESET;
    out[count++] = w;
  }
  return count;
}

// Input, keys and an output cap that every run of random code gets.
inline void PrepareConsole(testing::FakeConsole& console) {
  console.input = "12 abc\n-3.5e2\nTRUE\nline with words\n";
  console.keys = {0, 72, 'a'};
  console.outputLimit = 1 << 20;
}

namespace detail {
inline std::filesystem::path& ScratchFolder() {
  static std::filesystem::path folder;
  return folder;
}
inline void RemoveScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchFolder(), ignored);
}
}  // namespace detail

// Makes a scratch folder with a few files to read the current folder, and
// removes it at the end of the process.
inline void EnterScratchFolder(const std::string& prefix) {
  detail::ScratchFolder() = std::filesystem::temp_directory_path() / (prefix + std::to_string(::getpid()));
  std::filesystem::create_directories(detail::ScratchFolder());
  std::filesystem::current_path(detail::ScratchFolder());
  std::atexit(detail::RemoveScratchFolder);
  for (const char* name : {"a", "b", "\x01"}) {
    if (std::FILE* f = std::fopen(name, "wb")) {
      std::fputs("12 x 3.5\r\nTRUE line\n\xC3\xA9", f);
      std::fclose(f);
    }
  }
}

}  // namespace kau::fuzzing
