#include "compiler/program_dump.h"

namespace kau {

std::string FormatProgramDump(const Word* code, int wordCount) {
  std::string out;
  out.reserve(static_cast<std::size_t>(wordCount > 0 ? wordCount : 0) * 4 + 32);
  auto put = [&out](long long value) {
    out += std::to_string(value);
    out.push_back(' ');
  };
  put(wordCount);
  put(static_cast<long long>(wordCount) + 1);
  for (int i = 0; i < wordCount; ++i) put(code[i]);
  return out;
}

}  // namespace kau
