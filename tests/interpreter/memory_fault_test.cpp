// Every access of the running program is checked: a bad address, a jump out
// of the code, a push past the memory or a bad operand ends the run with
// run-time error 18 (17 for an unknown opcode), never with a crash.
#include <gtest/gtest.h>

#include <climits>

#include "interpreter/runtime_errors.h"
#include "tests/interpreter/assembler.h"

namespace kau::testing {
namespace {

TEST(MemoryFaults, BecomeRuntimeErrors) {
  const struct {
    const char* name;
    std::vector<Word> code;
    int error;
  } cases[] = {
      {"opcode 113", {113}, kErrorBadInstruction},
      {"negative opcode", {-5}, kErrorBadInstruction},
      {"jump past the code", {OP_JMP, 900000}, kErrorExecution},
      {"jump to a negative index", {OP_JMP, -1}, kErrorExecution},
      {"load from a negative address", {OP_PUSH, -7, OP_LOADN, 1}, kErrorExecution},
      {"load past the memory", {OP_PUSH, 999999, OP_LOADN, 5}, kErrorExecution},
      {"store to a bad address", {OP_PUSH, 1000000, OP_PUSH, 1, OP_STOREN, 1}, kErrorExecution},
      {"inc of a bad address", {OP_PUSH, INT_MIN, OP_INC}, kErrorExecution},
      {"loadval far away", {OP_LOADVAL, 0, 2000000}, kErrorExecution},
      {"pop below the memory", {OP_RESERVE, 0, OP_POP, OP_POP, OP_POP, OP_POP, OP_POP, OP_POP}, -1},
      {"push past the memory", {OP_RESERVE, 999990, OP_DUP, 100}, kErrorExecution},
      {"negative store count", {OP_PUSH, 1, OP_STOREN, -3}, kErrorExecution},
      {"negative elemaddr dims", {OP_PUSH, 1, OP_ELEMADDR, -1, 1}, kErrorExecution},
      {"elemaddr beyond the stack", {OP_ELEMADDR, 600000, 1}, kErrorExecution},
      {"pushn past the code", {OP_PUSHN, 50000}, kErrorExecution},
      {"call far away", {OP_CALL, 0, 5000000}, kErrorExecution},
      {"static link walk", {OP_LOADADDR, 100, 0}, kErrorExecution},
      {"ret to garbage", {OP_RET, 0}, kErrorExecution},
      {"string without marker", {OP_LENGTH}, kErrorExecution},
      {"strtoblock without marker", {OP_PUSH, 5, OP_STRTOBLOCK, 3}, kErrorExecution},
      {"loadstr bad address", {OP_PUSH, -3, OP_LOADSTR, 10}, kErrorExecution},
  };
  for (const auto& c : cases) {
    Program p;
    for (Word w : c.code) p.op({w});
    const auto result = p.run();
    if (c.error < 0) {
      // Popping into the code is legal memory; the run just goes on.
      continue;
    }
    EXPECT_TRUE(result.error) << c.name;
    EXPECT_EQ(result.message, ErrorText(c.error)) << c.name;
  }
  EXPECT_EQ(ErrorText(kErrorExecution), " => Erro de execução... ...# => Erro na execução do programa!");
  EXPECT_EQ(ErrorText(kErrorBadInstruction), " => Erro de execução... ...# => Instrução inválida!");
}

TEST(MemoryFaults, MemoryAboveTheCodeStartsZeroed) {
  Word* memory = TestMemory();
  for (int i = 0; i < kProgramMemoryWords; i += 97) memory[i] = 12345;
  Program p(3);
  p.op({OP_LOADVAL, 0, 3, OP_WRITE, 1, OP_LOADVAL, 0, 200, OP_WRITE, 1});
  EXPECT_EQ(p.run().output, "00");
}

TEST(MemoryFaults, RunStopsAfterTheFaultingInstruction) {
  Program p;
  p.op({OP_PUSH, 'a', OP_WRITE, 2, OP_PUSH, -1, OP_LOADN, 1, OP_PUSH, 'b', OP_WRITE, 2});
  const auto result = p.run();
  EXPECT_EQ(result.output, "a");
  EXPECT_TRUE(result.error);
}

}  // namespace
}  // namespace kau::testing
