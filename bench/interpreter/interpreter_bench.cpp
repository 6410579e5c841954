// Runs three compiled programs on a console that drops its output and
// prints the time each takes: an integer FOR loop with an addition and a MOD
// (50,000,000 rounds), recursive calls (fib(30)), and string assignment,
// joining and comparison (300,000 rounds).
//   interpreter_bench [ROUNDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "compiler/word_code.h"
#include "interpreter/interpretador.h"
#include "platform/console/console.h"

namespace {

class NullConsole final : public kau::console::Console {
 public:
  void write(std::string_view) override {}
  void flush() override {}
  void clearScreen() override {}
  void gotoXY(int, int) override {}
  void setTextAttribute(unsigned char) override {}
  unsigned char textAttribute() const override { return 7; }
  int windowRows() const override { return 25; }
  int windowColumns() const override { return 80; }
  int cursorRow() const override { return 1; }
  int readChar() override { return -1; }
  void unreadChar(int) override {}
  void discardRestOfLine() override {}
  void discardPendingInput() override {}
  int readKey() override { return -1; }
  void sleepMilliseconds(int) override {}
  void beginRun() override { kau::console::interruptFlag().store(false); }
  void endRun() override {}
};

// Word code as `kauc dump` gives it (without the closing OP_HALT).
const std::vector<kau::Word> kIntegerLoop = {
    71, 2, 4000, 4, 48, 6, 96, 0, 4, 46, 0, 8, 1, 96, 0, 3, 46, 1, 8, 1, 46, 50000000, 96, 0, 3,
    94, 1, 13, 33, 55, 96, 0, 4, 96, 0, 4, 94, 1, 96, 0, 3, 94, 1, 46, 7, 64, 1, 8, 1, 96, 0, 3,
    50, 48, 20, 96, 0, 4, 94, 1, 98, 1, 98, 5, 36,
};
const std::vector<kau::Word> kRecursiveCalls = {
    71, 0, 4000, 4, 48, 65, 45, 2, 1000, 48, 11, 96, 0, -1, 94, 1, 46, 2, 53, 33, 33, 96, 0, 4, 96,
    0, -1, 94, 1, 8, 1, 48, 61, 96, 0, 4, 96, 0, -1, 94, 1, 46, 1, 88, 19, 1, -38, 96, 0, -1, 94,
    1, 46, 2, 88, 19, 1, -49, 1, 8, 1, 34, 1, 1, 0, 46, 30, 19, 0, -61, 98, 1, 98, 5, 36,
};
const std::vector<kau::Word> kStrings = {
    71, 257, 4000, 4, 48, 6, 96, 0, 4, 46, 0, 8, 1, 96, 0, 3, 46, 1, 8, 1, 46, 300000, 96, 0, 3,
    94, 1, 13, 33, 107, 96, 0, 5, 46, -1, 86, 3, 99, 98, 97, 9, 255, 96, 0, 5, 96, 0, 5, 95, 255,
    46, -1, 86, 3, 102, 101, 100, 3, 0, 96, 0, 5, 95, 255, 3, 0, 9, 255, 96, 0, 5, 95, 255, 46, -1,
    86, 3, 100, 98, 97, 58, 0, 33, 101, 96, 0, 4, 96, 0, 4, 94, 1, 96, 0, 5, 95, 255, 52, 1, 8, 1,
    96, 0, 3, 50, 48, 20, 96, 0, 4, 94, 1, 98, 1, 98, 5, 36,
};

double runMilliseconds(const std::vector<kau::Word>& code, kau::Word* memory) {
  std::copy(code.begin(), code.end(), memory);
  memory[code.size()] = kau::OP_HALT;
  NullConsole console;
  kau::Interpretador machine(memory, static_cast<int>(code.size()) + 1, false, console);
  console.beginRun();
  const auto start = std::chrono::steady_clock::now();
  machine.Run();
  const auto end = std::chrono::steady_clock::now();
  console.endRun();
  if (machine.HasRuntimeError()) std::printf("run-time error\n");
  return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
  std::unique_ptr<kau::Word[]> memory(new kau::Word[kau::kProgramMemoryWords]());
  const struct {
    const char* name;
    const std::vector<kau::Word>* code;
  } programs[] = {{"integer loop", &kIntegerLoop}, {"recursive calls", &kRecursiveCalls}, {"strings", &kStrings}};
  for (const auto& program : programs) {
    double best = 0;
    for (int i = 0; i < rounds; ++i) {
      const double ms = runMilliseconds(*program.code, memory.get());
      if (i == 0 || ms < best) best = ms;
    }
    std::printf("%-16s %9.1f ms (best of %d)\n", program.name, best, rounds);
  }
  return 0;
}
