// Runs random word code twice, with the fused sequences of the dispatch loop
// and without them, each on its own memory: both runs must end alike (the
// error flag and text, the console output) and leave every word of memory
// alike, the words above the top of the stack included.
//
// Input: byte 0 is the number of globals (bit 0: a console run, bit 1: a
// small instruction budget from the other bits); the code follows the
// ENTER that the harness puts at word 0, from word 4. An input that starts
// with kWholeProgram holds a whole program instead (a compiled one, with its
// own ENTER at word 0): byte 1 chooses the budget (0: the full one), the
// words from word 0 follow. Words are encoded as fuzz/word_code_input.h says.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "compiler/word_code.h"
#include "fuzz/word_code_input.h"
#include "interpreter/interpretador.h"
#include "tests/interpreter/fake_console.h"

namespace {

constexpr std::uint8_t kWholeProgram = 0xFF;
// Smaller than the other interpreter target's: each input runs twice, and
// long loops add little over their first rounds.
constexpr std::int64_t kInstructionBudget = 30000;
constexpr std::size_t kMaxCodeWords = 60000;

struct Memory {
  std::unique_ptr<kau::Word[]> words{new kau::Word[kau::kProgramMemoryWords]()};
};

struct Outcome {
  bool error = false;
  std::string message;
  std::string output;
};

Outcome runOnce(kau::Word* memory, const std::vector<kau::Word>& code, bool consoleRun, std::int64_t budget,
                bool fuse) {
  std::copy(code.begin(), code.end(), memory);
  kau::testing::FakeConsole console;
  kau::fuzzing::PrepareConsole(console);
  kau::Interpretador machine(memory, static_cast<int>(code.size()), consoleRun, console);
  machine.SetInstructionBudget(budget);
  machine.SetFusedSequences(fuse);
  console.beginRun();
  machine.Run();
  console.endRun();
  return {machine.HasRuntimeError(), machine.GetRuntimeMessage(), console.output};
}

[[noreturn]] void differ(const char* what, const std::string& fused, const std::string& reference) {
  std::fprintf(stderr, "fused and unfused runs differ in %s:\n  fused:   %s\n  unfused: %s\n", what, fused.c_str(),
               reference.c_str());
  std::abort();
}

void compare(const Outcome& fused, const Outcome& reference, const kau::Word* fusedMemory,
             const kau::Word* referenceMemory) {
  if (fused.error != reference.error)
    differ("the error flag", fused.error ? "error" : "no error", reference.error ? "error" : "no error");
  if (fused.message != reference.message) differ("the error text", fused.message, reference.message);
  if (fused.output != reference.output) differ("the output", fused.output, reference.output);
  // One memcmp first: a loop over the words would be traced by the fuzzer's
  // comparison hooks word by word.
  if (std::memcmp(fusedMemory, referenceMemory, sizeof(kau::Word) * kau::kProgramMemoryWords) == 0) return;
  for (int i = 0; i < kau::kProgramMemoryWords; ++i) {
    if (fusedMemory[i] != referenceMemory[i]) {
      differ(("memory word " + std::to_string(i)).c_str(), std::to_string(fusedMemory[i]),
             std::to_string(referenceMemory[i]));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kau::fuzzing::EnterScratchFolder("kau_interpreter_fusion_fuzz_");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  static Memory fusedMemory, referenceMemory;
  static std::vector<kau::Word> code;
  code.assign(kMaxCodeWords + 1, 0);
  std::size_t count = 0;
  std::int64_t budget = kInstructionBudget;
  bool consoleRun = false;
  if (data[0] == kWholeProgram) {
    if (data[1] != 0) budget = data[1] * 37;
    count = kau::fuzzing::DecodeWordCode(data + 2, size - 2, code.data(), kMaxCodeWords);
  } else {
    consoleRun = (data[0] & 1) != 0;
    if ((data[0] & 2) != 0) budget = 1 + data[0] / 4;
    code[0] = kau::OP_ENTER;
    code[1] = data[0];
    code[2] = kau::kProgramHeadroom;
    code[3] = 4;
    count = 4 + kau::fuzzing::DecodeWordCode(data + 1, size - 1, code.data() + 4, kMaxCodeWords - 4);
  }
  code[count] = kau::OP_HALT;
  code.resize(count + 1);

  // RANDOM is seeded from the clock's seconds: both runs must start in the
  // same second to draw the same numbers.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::time_t start = std::time(nullptr);
    const Outcome fused = runOnce(fusedMemory.words.get(), code, consoleRun, budget, true);
    const Outcome reference = runOnce(referenceMemory.words.get(), code, consoleRun, budget, false);
    if (std::time(nullptr) != start) continue;
    compare(fused, reference, fusedMemory.words.get(), referenceMemory.words.get());
    break;
  }
  return 0;
}
