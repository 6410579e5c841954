// Runs random word code: every run must end normally or with one of the
// run-time messages, never with a crash or a sanitizer report. Runs are
// bounded by an instruction budget and by a cap on the output; files are
// opened only for reading, inside a scratch folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "compiler/word_code.h"
#include "interpreter/interpretador.h"
#include "interpreter/runtime_errors.h"
#include "tests/interpreter/fake_console.h"

namespace {

constexpr std::int64_t kInstructionBudget = 200000;

kau::Word* memory() {
  static std::unique_ptr<kau::Word[]> words(new kau::Word[kau::kProgramMemoryWords]());
  return words.get();
}

// Small values (opcodes, operands, characters) are the common case; a byte
// from 240 up takes the next four bytes as a whole word.
std::size_t decode(const std::uint8_t* data, std::size_t size, kau::Word* out, std::size_t capacity) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < size && count < capacity;) {
    const std::uint8_t b = data[i++];
    kau::Word w;
    if (b >= 240 && i + 4 <= size) {
      std::uint32_t raw = 0;
      for (int k = 0; k < 4; ++k) raw |= static_cast<std::uint32_t>(data[i++]) << (8 * k);
      w = static_cast<kau::Word>(raw);
    } else {
      w = static_cast<kau::Word>(b % 125) - 5;
    }
    // No file is ever created or changed.
    if (w == kau::OP_REWRITE || w == kau::OP_APPEND) w = kau::OP_RESET;
    out[count++] = w;
  }
  return count;
}

std::filesystem::path& scratchFolder() {
  static std::filesystem::path folder;
  return folder;
}

void removeScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(scratchFolder(), ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  scratchFolder() = std::filesystem::temp_directory_path() / ("kau_interpreter_fuzz_" + std::to_string(::getpid()));
  std::filesystem::create_directories(scratchFolder());
  std::filesystem::current_path(scratchFolder());
  std::atexit(removeScratchFolder);
  for (const char* name : {"a", "b", "\x01"}) {
    if (std::FILE* f = std::fopen(name, "wb")) {
      std::fputs("12 x 3.5\r\nTRUE line\n\xC3\xA9", f);
      std::fclose(f);
    }
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  kau::Word* words = memory();
  words[0] = kau::OP_ENTER;
  words[1] = data[0];
  words[2] = kau::kProgramHeadroom;
  words[3] = 4;
  const std::size_t count = 4 + decode(data + 1, size - 1, words + 4, 60000);
  words[count] = kau::OP_HALT;

  kau::testing::FakeConsole console;
  console.input = "12 abc\n-3.5e2\nTRUE\nline with words\n";
  console.keys = {0, 72, 'a'};
  console.outputLimit = 1 << 20;
  kau::Interpretador machine(words, static_cast<int>(count) + 1, (data[0] & 1) != 0, console);
  machine.SetInstructionBudget(kInstructionBudget);
  console.beginRun();
  machine.Run();
  console.endRun();

  if (machine.HasRuntimeError()) {
    // Every error text is the Ctrl+C text or begins with the run-time header.
    const std::string message = machine.GetRuntimeMessage();
    const std::string header = kau::RuntimeErrorText(kau::kErrorExecution, 0).substr(0, 28);
    if (message != kau::CtrlCText() && message.rfind(header, 0) != 0) std::abort();
  }
  return 0;
}
