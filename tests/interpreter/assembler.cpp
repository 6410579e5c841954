#include "tests/interpreter/assembler.h"

#include <algorithm>
#include <memory>

#include "interpreter/runtime_errors.h"
#include "interpreter/word_arithmetic.h"
#include "text/code_pages.h"

namespace kau::testing {

Word* TestMemory() {
  static std::unique_ptr<Word[]> memory(new Word[kProgramMemoryWords]());
  return memory.get();
}

Program& Program::pushString(const std::string& s) {
  code_.push_back(OP_PUSH);
  code_.push_back(kStringEnd);
  code_.push_back(OP_PUSHN);
  code_.push_back(static_cast<Word>(s.size()));
  for (auto it = s.rbegin(); it != s.rend(); ++it) code_.push_back(static_cast<unsigned char>(*it));
  return *this;
}

Program& Program::pushReal(double value) {
  Word high, low;
  RealToWords(value, high, low);
  return op({OP_PUSH2, low, high});
}

Program& Program::storeString(Word offset, const std::string& s, Word max) {
  op({OP_LOADADDR, 0, offset});
  pushString(s);
  return op({OP_STORESTR, max});
}

Program::Result Program::run(FakeConsole& console, bool consoleRun, std::int64_t budget) const {
  Word* memory = TestMemory();
  std::copy(code_.begin(), code_.end(), memory);
  memory[code_.size()] = OP_HALT;
  Interpretador machine(memory, static_cast<int>(code_.size()) + 1, consoleRun, console);
  machine.SetInstructionBudget(budget);
  console.beginRun();
  machine.Run();
  console.endRun();
  return Result{console.output, machine.HasRuntimeError(), text::cp1252ToUtf8(machine.GetRuntimeMessage())};
}

Program::Result Program::run(const std::string& input) const {
  FakeConsole console;
  console.input = input;
  return run(console);
}

std::string ErrorText(int code, Word value) { return text::cp1252ToUtf8(RuntimeErrorText(code, value)); }

}  // namespace kau::testing
