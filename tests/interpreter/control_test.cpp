// Jumps, frames, calls and returns, CASE support, and the start and end of
// a run (console-run flag, banner, Ctrl+C).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <thread>

#include "interpreter/runtime_errors.h"
#include "tests/interpreter/assembler.h"
#include "text/code_pages.h"

namespace kau::testing {
namespace {

TEST(Control, JumpsAndConditionalJumps) {
  Program p;
  // JMPF jumps on every value but 1.
  const Word values[] = {1, 0, 2, -1};
  for (Word v : values) {
    p.op({OP_PUSH, v, OP_JMPF, 0});
    const Word patch = p.here() - 1;
    p.op({OP_PUSH, 'T', OP_WRITE, 2});
    p.at(static_cast<std::size_t>(patch)) = p.here();
  }
  p.op({OP_JMP, 0});
  const Word skip = p.here() - 1;
  p.op({OP_PUSH, 'X', OP_WRITE, 2});
  p.at(static_cast<std::size_t>(skip)) = p.here();
  EXPECT_EQ(p.run().output, "T");
}

TEST(Control, GlobalsAndBlocksOfWords) {
  Program p(4);
  // v[0..1] := 11, 22 through STOREN 2; read back with LOADN and LOADVAL.
  p.op({OP_LOADADDR, 0, 3, OP_PUSH, 11, OP_PUSH, 22, OP_STOREN, 2});
  p.op({OP_LOADADDR, 0, 3, OP_LOADN, 2, OP_WRITE, 1, OP_WRITE, 1});
  p.op({OP_LOADVAL, 0, 4, OP_WRITE, 1});
  // INC and DEC through an address.
  p.op({OP_LOADADDR, 0, 3, OP_INC, OP_LOADADDR, 0, 4, OP_DEC, OP_LOADVAL, 0, 3, OP_WRITE, 1, OP_LOADVAL, 0, 4,
        OP_WRITE, 1});
  // DUP, POPEQ, RESERVE, PUSHN.
  p.op({OP_PUSH, 9, OP_DUP, 3, OP_POPEQ, 2, OP_WRITE, 1, OP_WRITE, 1});
  p.op({OP_PUSHN, 3, 1, 2, 3, OP_WRITE, 1, OP_WRITE, 1, OP_WRITE, 1});
  p.op({OP_PUSH, 5, OP_RESERVE, 2, OP_POP, OP_POP, OP_WRITE, 1});
  EXPECT_EQ(p.run().output, "2211221221" "99" "321" "5");
}

TEST(Control, ElementAddressIsRowMajor) {
  // a: ARRAY[1..3, 0..1] OF REAL at word 3 of the frame; a[3, 1] is element
  // (2 * 2 + 1) = 5, 10 words in.
  Program p(12);
  p.op({OP_LOADADDR, 0, 3, OP_PUSH, 3, OP_CHKINDEX, 1, 3, OP_PUSH, 1, OP_CHKINDEX, 0, 1, OP_ELEMADDR, 2, 2});
  p.op({OP_LOADADDR, 0, 3, OP_SUBI, OP_WRITE, 1});
  EXPECT_EQ(p.run().output, "10");
}

// procedure p(a: integer; VAR r: integer) writes a and sets r := a * 2;
// function f: string returns 255 characters, function g(x): integer x + 1.
TEST(Control, CallsFramesAndReturns) {
  Program p(2);
  p.op({OP_JMP, 0});
  const Word jumpOverRoutines = p.here() - 1;
  const Word procP = p.here();
  p.op({OP_GROW, 0, 1000});
  p.op({OP_LOADADDR, 0, -2, OP_LOADN, 1, OP_WRITE, 1});
  p.op({OP_LOADVAL, 0, -1, OP_LOADADDR, 0, -2, OP_LOADN, 1, OP_PUSH, 2, OP_MULI, OP_STOREN, 1});
  p.op({OP_RET, 2});
  const Word funcF = p.here();
  p.op({OP_GROW, 256, 1000});
  p.op({OP_LOADADDR, 0, 4});
  p.pushString(std::string(200, 'a'));
  p.pushString(std::string(100, 'b'));
  p.op({OP_CONCAT, 0, OP_STORESTR, 255, OP_RETF, 0, 255, 1});
  const Word funcG = p.here();
  p.op({OP_GROW, 2, 1000, OP_LOADADDR, 0, 4, OP_LOADADDR, 0, -1, OP_LOADN, 1, OP_ADDK, 1, OP_STOREN, 1});
  p.op({OP_RETF, 1, 1, 0});
  p.at(static_cast<std::size_t>(jumpOverRoutines)) = p.here();
  p.op({OP_PUSH, 21, OP_LOADADDR, 0, 3});
  p.op({OP_CALL, 0, procP - p.here()});
  p.op({OP_LOADVAL, 0, 3, OP_WRITE, 1});
  p.op({OP_CALL, 0, funcF - p.here()});
  p.op({OP_LENGTH, OP_WRITE, 1});
  p.op({OP_PUSH, 41});
  p.op({OP_CALL, 0, funcG - p.here()});
  p.op({OP_WRITE, 1});
  const auto result = p.run();
  EXPECT_FALSE(result.error) << result.message;
  EXPECT_EQ(result.output, "2142" "255" "42");
}

// A nested routine reaches its enclosing routine's variable through the
// static link (LOADADDR 1 offset), also from a recursive call.
TEST(Control, NestedRoutineReachesOuterFrame) {
  Program p(0);
  p.op({OP_JMP, 0});
  const Word over = p.here() - 1;
  // procedure outer: var x at offset 3; inner adds 5 to x; outer sets x := 1,
  // calls inner twice, writes x.
  const Word outer = p.here();
  p.op({OP_GROW, 1, 1000, OP_JMP, 0});
  const Word overInner = p.here() - 1;
  const Word inner = p.here();
  p.op({OP_GROW, 0, 1000, OP_LOADADDR, 1, 3, OP_LOADVAL, 1, 3, OP_ADDK, 5, OP_STOREN, 1, OP_RET, 0});
  p.at(static_cast<std::size_t>(overInner)) = p.here();
  p.op({OP_LOADADDR, 0, 3, OP_PUSH, 1, OP_STOREN, 1});
  p.op({OP_CALL, 0, inner - p.here()});
  p.op({OP_CALL, 0, inner - p.here()});
  p.op({OP_LOADVAL, 0, 3, OP_WRITE, 1, OP_RET, 0});
  p.at(static_cast<std::size_t>(over)) = p.here();
  p.op({OP_CALL, 0, outer - p.here()});
  EXPECT_EQ(p.run().output, "11");
}

TEST(Control, StackOverflowFromDeepRecursion) {
  Program p;
  p.op({OP_JMP, 0});
  const Word over = p.here() - 1;
  const Word routine = p.here();
  p.op({OP_GROW, 10, 1000});
  p.op({OP_CALL, 1, routine - p.here()});
  p.op({OP_RET, 0});
  p.at(static_cast<std::size_t>(over)) = p.here();
  p.op({OP_CALL, 0, routine - p.here()});
  const auto result = p.run();
  EXPECT_EQ(result.message, ErrorText(kErrorStackOverflow));
  EXPECT_EQ(result.message, " => Erro de execução... ...# => Estouro de pilha!");
}

TEST(Control, EnterChecksHeadroom) {
  Program p(800000);
  EXPECT_EQ(p.run().message, ErrorText(kErrorStackOverflow));
}

TEST(Control, ConsoleRunWaitsAndPrintsBanner) {
  Program p;
  p.op({OP_PUSH, 'x', OP_WRITE, 2});
  FakeConsole console;
  console.input = "\n";
  console.attribute = 0x17;
  const auto result = p.run(console, true);
  EXPECT_FALSE(result.error);
  EXPECT_EQ(console.clears, 1);
  EXPECT_EQ(console.inputPos, 1u);  // the Enter was read
  EXPECT_EQ(console.attribute, 0x1A);  // light green on the old background
  EXPECT_EQ(result.output, "<CLS>x<XY 2,24>\xDB\xDB\xDB Pascal KAU! Versao 4.06" + std::string(44, ' '));
}

TEST(Control, BannerOnThirdLastRowWhenCursorIsThere) {
  Program p;
  FakeConsole console;
  console.row = 23;
  p.op({OP_PUSH, 2, OP_PUSH, 23, OP_GOTOXY});
  const auto result = p.run(console, true);
  EXPECT_NE(result.output.find("<XY 2,23>\xDB"), std::string::npos) << result.output;
}

TEST(Control, NoWaitNoBannerAfterErrorOrWithoutConsoleRun) {
  Program failing;
  failing.op({OP_PUSH, 1, OP_PUSH, 0, OP_DIVI});
  FakeConsole console;
  console.input = "\n";
  const auto result = failing.run(console, true);
  EXPECT_TRUE(result.error);
  EXPECT_EQ(console.inputPos, 0u);
  EXPECT_EQ(result.output, "<CLS>");

  Program plain;
  FakeConsole quiet;
  quiet.input = "\n";
  EXPECT_EQ(plain.run(quiet, false).output, "");
  EXPECT_EQ(quiet.inputPos, 0u);
  EXPECT_EQ(quiet.attribute, 7);
}

TEST(Control, CtrlCStopsAnEndlessLoop) {
  Word* memory = TestMemory();
  const Word code[] = {OP_ENTER, 0, 4000, 4, OP_JMP, 4, OP_HALT};
  std::copy(std::begin(code), std::end(code), memory);
  FakeConsole console;
  console.beginRun();
  std::atomic<bool> done{false};
  // Presses Ctrl+C until the run has ended, however late the run starts.
  std::thread interrupter([&done] {
    while (!done.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      console::interruptFlag().store(true);
    }
  });
  Interpretador machine(memory, 7, true, console);
  machine.Run();
  done.store(true);
  interrupter.join();
  console.endRun();
  EXPECT_TRUE(machine.HasRuntimeError());
  EXPECT_EQ(text::cp1252ToUtf8(machine.GetRuntimeMessage()),
            " => Detectado CTRL+ C durante a execução do programa! # => A execução foi interrompida!");
  EXPECT_EQ(console.inputPos, 0u);  // no wait after Ctrl+C
}

TEST(Control, BudgetStopsACountedRun) {
  Program p;
  p.op({OP_JMP, 4});
  FakeConsole console;
  const auto result = p.run(console, false, 1000);
  EXPECT_FALSE(result.error);
}

}  // namespace
}  // namespace kau::testing
