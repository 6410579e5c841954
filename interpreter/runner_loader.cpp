#include "interpreter/runner_loader.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "interpreter/crc32.h"
#include "interpreter/elf_image.h"
#include "interpreter/lzss.h"
#include "interpreter/program_dump_reader.h"
#include "text/code_pages.h"

namespace kau {

namespace {

std::string NoProgramText() { return text::cp1252(" => Este executável não contém um programa compilado!"); }
std::string DamagedText() { return text::cp1252(" => O programa compilado deste executável está danificado!"); }
std::string TooLargeText() { return text::cp1252(" => O programa compilado não cabe na memória do interpretador!"); }

}  // namespace

void AppendProgramStream(std::span<const std::uint8_t> stream, std::vector<std::uint8_t>& image) {
  image.insert(image.end(), std::begin(kProgramMarker), std::end(kProgramMarker));
  image.insert(image.end(), stream.begin(), stream.end());
  const std::uint32_t checksum = Crc32(stream);
  for (std::size_t i = 0; i < kStreamChecksumSize; ++i) image.push_back(static_cast<std::uint8_t>(checksum >> (8 * i)));
  image.push_back(kImageEnd);
}

bool ReadAppendedProgram(std::span<const std::uint8_t> appended, LoadedProgram& program, std::string& message) {
  program = {};
  if (appended.size() < sizeof kProgramMarker + 1 ||
      !std::equal(std::begin(kProgramMarker), std::end(kProgramMarker), appended.begin())) {
    message = NoProgramText();
    return false;
  }
  if (appended.size() < sizeof kProgramMarker + kStreamChecksumSize + 1 || appended.back() != kImageEnd) {
    message = DamagedText();
    return false;
  }
  const std::size_t streamSize = appended.size() - sizeof kProgramMarker - kStreamChecksumSize - 1;
  const auto stream = appended.subspan(sizeof kProgramMarker, streamSize);
  std::uint32_t checksum = 0;
  for (std::size_t i = 0; i < kStreamChecksumSize; ++i)
    checksum |= static_cast<std::uint32_t>(appended[sizeof kProgramMarker + streamSize + i]) << (8 * i);
  if (checksum != Crc32(stream)) {
    message = DamagedText();
    return false;
  }
  lzss::Bytes dump;
  std::string codecMessage;
  if (lzss::Decode(stream, dump, codecMessage) != lzss::DecodeStatus::Ok) {
    message = DamagedText();
    return false;
  }
  const std::string_view text(reinterpret_cast<const char*>(dump.data()), dump.size());
  switch (ReadProgramDump(text, program.code, program.wordCount)) {
    case DumpStatus::Ok:
      return true;
    case DumpStatus::TooLarge:
      message = TooLargeText();
      break;
    case DumpStatus::Malformed:
      message = DamagedText();
      break;
  }
  program = {};
  return false;
}

bool LoadAppendedProgram(std::span<const std::uint8_t> executable, LoadedProgram& program, std::string& message) {
  program = {};
  // The runner's own machine code may hold the marker bytes: look only after
  // the end of its ELF image.
  const std::optional<std::size_t> imageEnd = ElfImageEnd(executable);
  if (!imageEnd) {
    message = NoProgramText();
    return false;
  }
  const auto rest = executable.subspan(*imageEnd);
  const auto marker = std::search(rest.begin(), rest.end(), std::begin(kProgramMarker), std::end(kProgramMarker));
  if (marker == rest.end()) {
    message = NoProgramText();
    return false;
  }
  return ReadAppendedProgram(rest.subspan(static_cast<std::size_t>(marker - rest.begin())), program, message);
}

}  // namespace kau
