// The runner's loader on arbitrary files and appended parts, and on arbitrary
// dump texts behind a valid marker and stream: it must end without fault and
// accept only programs that fit the interpreter's memory.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "interpreter/lzss.h"
#include "interpreter/runner_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kau;
  const std::span<const std::uint8_t> input(data, size);
  LoadedProgram program;
  std::string message;
  LoadAppendedProgram(input, program, message);
  ReadAppendedProgram(input, program, message);

  std::vector<std::uint8_t> appended;
  AppendProgramStream(lzss::Encode(input), appended);
  if (ReadAppendedProgram(appended, program, message)) {
    if (program.code.empty() || program.wordCount != static_cast<Word>(program.code.size()) + 1 ||
        program.wordCount >= kProgramMemoryWords)
      std::abort();
  } else if (message.empty()) {
    std::abort();
  }
  return 0;
}
