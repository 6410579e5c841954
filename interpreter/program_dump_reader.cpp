#include "interpreter/program_dump_reader.h"

#include <cstdint>

namespace kau {

namespace {

// One number and the blank after it; false when the text there is anything
// else or the number leaves the signed 32-bit range.
bool ReadNumber(std::string_view text, std::size_t& at, std::int64_t& value) {
  const bool negative = at < text.size() && text[at] == '-';
  if (negative) ++at;
  const std::size_t first = at;
  std::int64_t magnitude = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > 2147483648LL) return false;
    ++at;
  }
  if (at == first || at >= text.size() || text[at] != ' ') return false;
  ++at;
  value = negative ? -magnitude : magnitude;
  return value >= INT32_MIN && value <= INT32_MAX;
}

}  // namespace

DumpStatus ReadProgramDump(std::string_view text, std::vector<Word>& code, Word& wordCount) {
  code.clear();
  std::size_t at = 0;
  std::int64_t n = 0, m = 0;
  if (!ReadNumber(text, at, n) || !ReadNumber(text, at, m)) return DumpStatus::Malformed;
  if (n < 1 || m != n + 1) return DumpStatus::Malformed;
  // The main frame begins at word M, which has to lie inside the memory.
  if (m >= kProgramMemoryWords) return DumpStatus::TooLarge;
  // Every word takes at least two characters: no reservation beyond the text.
  if (static_cast<std::size_t>(n) > (text.size() - at) / 2) return DumpStatus::Malformed;
  code.reserve(static_cast<std::size_t>(n));
  for (std::int64_t i = 0; i < n; ++i) {
    std::int64_t word = 0;
    if (!ReadNumber(text, at, word)) return DumpStatus::Malformed;
    code.push_back(static_cast<Word>(word));
  }
  if (at != text.size()) return DumpStatus::Malformed;
  wordCount = static_cast<Word>(m);
  return DumpStatus::Ok;
}

}  // namespace kau
