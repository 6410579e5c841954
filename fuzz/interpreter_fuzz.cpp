// Runs random word code: every run must end normally or with one of the
// run-time messages, never with a crash or a sanitizer report. Runs are
// bounded by an instruction budget and by a cap on the output; files are
// opened only for reading, inside a scratch folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "compiler/word_code.h"
#include "fuzz/word_code_input.h"
#include "interpreter/interpretador.h"
#include "interpreter/runtime_errors.h"
#include "tests/interpreter/fake_console.h"

namespace {

constexpr std::int64_t kInstructionBudget = 200000;

kau::Word* memory() {
  static std::unique_ptr<kau::Word[]> words(new kau::Word[kau::kProgramMemoryWords]());
  return words.get();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kau::fuzzing::EnterScratchFolder("kau_interpreter_fuzz_");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  kau::Word* words = memory();
  words[0] = kau::OP_ENTER;
  words[1] = data[0];
  words[2] = kau::kProgramHeadroom;
  words[3] = 4;
  const std::size_t count = 4 + kau::fuzzing::DecodeWordCode(data + 1, size - 1, words + 4, 60000);
  words[count] = kau::OP_HALT;

  kau::testing::FakeConsole console;
  kau::fuzzing::PrepareConsole(console);
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
