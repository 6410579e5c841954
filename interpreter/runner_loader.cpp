#include "interpreter/runner_loader.h"

#include <algorithm>
#include <optional>
#include <string_view>

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

bool ReadAppendedProgram(std::span<const std::uint8_t> appended, LoadedProgram& program, std::string& message) {
  program = {};
  if (appended.size() < sizeof kProgramMarker + 1 ||
      !std::equal(std::begin(kProgramMarker), std::end(kProgramMarker), appended.begin())) {
    message = NoProgramText();
    return false;
  }
  if (appended.back() != kImageEnd) {
    message = DamagedText();
    return false;
  }
  const auto stream = appended.subspan(sizeof kProgramMarker, appended.size() - sizeof kProgramMarker - 1);
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
