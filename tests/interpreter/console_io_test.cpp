// WRITE formatting, READ and READLN of every type from the keyboard, the
// keyboard at the end of its input, READKEY, cursor, colours and DELAY, and
// output that cannot be written.
#include <gtest/gtest.h>

#include "interpreter/runtime_errors.h"
#include "tests/interpreter/assembler.h"

namespace kau::testing {
namespace {

TEST(ConsoleOutput, WriteFormats) {
  Program p;
  p.op({OP_PUSH, -42, OP_WRITE, 1, OP_PUSH, 'c', OP_WRITE, 2, OP_PUSH, 0, OP_WRITE, 3, OP_PUSH, 2, OP_WRITE, 3});
  p.pushReal(3.14).op({OP_WRITE, 4, OP_WRITE, 5});
  p.pushString("str").op({OP_WRITE, 6});
  p.op({OP_PUSH, 5, OP_PUSH, 4, OP_WRITEW, 1, OP_PUSH, 5, OP_PUSH, -4, OP_WRITEW, 1, OP_PUSH, '|', OP_WRITE, 2});
  p.op({OP_PUSH, 'x', OP_PUSH, 3, OP_WRITEW, 2, OP_PUSH, 1, OP_PUSH, 6, OP_WRITEW, 3});
  p.pushString("ab").op({OP_PUSH, 5, OP_WRITEW, 6});
  p.pushString("toolong").op({OP_PUSH, 2, OP_WRITEW, 6});
  p.pushReal(2.5).op({OP_PUSH, 12, OP_WRITEW, 4});
  p.pushReal(3.14159).op({OP_PUSH, 8, OP_PUSH, 2, OP_WRITERWD});
  p.pushReal(-3.14159).op({OP_PUSH, -8, OP_PUSH, 1, OP_WRITERWD, OP_PUSH, '|', OP_WRITE, 2});
  p.pushReal(7.0).op({OP_PUSH, 0, OP_PUSH, 0, OP_WRITERWD});
  const auto result = p.run();
  EXPECT_FALSE(result.error) << result.message;
  EXPECT_EQ(result.output,
            "-42cFALSETRUE3.140000\r\nstr"
            "   55   |"
            "  x  TRUE"
            "   ab"
            "toolong"
            "    2.500000"
            "    3.14"
            "-3.1    |"
            "7");
}

TEST(ConsoleInput, ReadsEveryType) {
  // i at 3, c at 4, b at 5, r at 6..7, s: STRING[10] at 8.
  Program p(15);
  p.op({OP_LOADADDR, 0, 3, OP_READ, 1, OP_LOADADDR, 0, 4, OP_READ, 2, OP_LOADADDR, 0, 5, OP_READ, 3,
        OP_LOADADDR, 0, 6, OP_READ, 4, OP_LOADADDR, 0, 8, OP_READSTR, 10, 0, OP_FLUSHIN});
  p.op({OP_LOADVAL, 0, 3, OP_WRITE, 1, OP_LOADVAL, 0, 4, OP_WRITE, 2, OP_LOADVAL, 0, 5, OP_WRITE, 3,
        OP_LOADADDR, 0, 6, OP_LOADN, 2, OP_WRITE, 4, OP_LOADADDR, 0, 8, OP_LOADSTR, 10, OP_WRITE, 6});
  // READLN of a string: skips empty lines, keeps blanks, cuts to the maximum.
  p.op({OP_LOADADDR, 0, 8, OP_READSTR, 10, 1, OP_FLUSHIN, OP_LOADADDR, 0, 8, OP_LOADSTR, 10, OP_WRITE, 6});
  const auto result = p.run(" 12 xyz true\n-2.5e1 word rest\n\n  two words and more\nnext\n");
  EXPECT_FALSE(result.error) << result.message;
  EXPECT_EQ(result.output, "12xTRUE-25.000000word  two word");
}

TEST(ConsoleInput, EachStatementDropsOnlyTheRestOfItsLine) {
  Program p(2);
  for (int i = 0; i < 3; ++i) {
    p.op({OP_LOADADDR, 0, 3, OP_READ, 1, OP_FLUSHIN, OP_LOADVAL, 0, 3, OP_WRITE, 1, OP_PUSH, ',', OP_WRITE, 2});
  }
  EXPECT_EQ(p.run("1 2\n3\n4 5\n6\n").output, "1,3,4,");
  // A READLN of a string consumes its line; the discard then drops nothing.
  Program lines(12);
  for (int i = 0; i < 2; ++i) {
    lines.op({OP_LOADADDR, 0, 3, OP_READSTR, 10, 1, OP_FLUSHIN, OP_LOADADDR, 0, 3, OP_LOADSTR, 10, OP_WRITE, 6});
  }
  EXPECT_EQ(lines.run("first line\nsecond\n").output, "first linesecond");
}

TEST(ConsoleInput, EndOfInputNeverHangs) {
  Program p(16);
  p.op({OP_LOADADDR, 0, 3, OP_PUSH, 99, OP_STOREN, 1});
  p.op({OP_LOADADDR, 0, 3, OP_READ, 1, OP_LOADADDR, 0, 4, OP_READ, 2, OP_LOADADDR, 0, 5, OP_READ, 3,
        OP_LOADADDR, 0, 6, OP_READ, 4, OP_LOADADDR, 0, 8, OP_READSTR, 5, 1, OP_LOADADDR, 0, 13, OP_READSTR, 3, 0,
        OP_FLUSHIN, OP_READKEY, 1, OP_WRITE, 1, OP_READKEY, 0});
  p.op({OP_LOADVAL, 0, 3, OP_WRITE, 1, OP_LOADVAL, 0, 4, OP_WRITE, 2, OP_LOADVAL, 0, 5, OP_WRITE, 3,
        OP_LOADADDR, 0, 6, OP_LOADN, 2, OP_WRITE, 4, OP_LOADADDR, 0, 8, OP_LOADSTR, 5, OP_LENGTH, OP_WRITE, 1,
        OP_LOADVAL, 0, 13, OP_WRITE, 1});
  const auto result = p.run("");
  EXPECT_FALSE(result.error) << result.message;
  EXPECT_EQ(result.output, "26" "0 FALSE0.0000000-1");
}

TEST(ConsoleInput, ReadErrors) {
  const struct {
    Word type;
    const char* input;
    int error;
  } cases[] = {
      {1, "abc\n", kErrorBadInteger},       {1, "2147483648\n", kErrorBadInteger},
      {1, "-99999999999\n", kErrorBadInteger}, {4, "x1\n", kErrorBadReal},
      {3, "yes\n", kErrorBadBoolean},
  };
  for (const auto& c : cases) {
    Program p(2);
    p.op({OP_LOADADDR, 0, 3, OP_READ, c.type});
    EXPECT_EQ(p.run(c.input).message, ErrorText(c.error)) << c.input;
  }
  EXPECT_EQ(ErrorText(kErrorBadInteger), " => Erro de execução... ...# => Inteiro inválido!");
  EXPECT_EQ(ErrorText(kErrorBadReal), " => Erro de execução... ...# => Real inválido!");
  EXPECT_EQ(ErrorText(kErrorBadBoolean), " => Erro de execução... ...# => Erro na leitura do valor booleano!");
}

TEST(ConsoleInput, ExactMaximumHasNoEndMark) {
  Program p(4);
  p.op({OP_LOADADDR, 0, 6, OP_PUSH, 77, OP_STOREN, 1});
  p.op({OP_LOADADDR, 0, 3, OP_READSTR, 3, 1, OP_FLUSHIN, OP_LOADVAL, 0, 6, OP_WRITE, 1});
  p.op({OP_LOADADDR, 0, 3, OP_LOADSTR, 3, OP_WRITE, 6});
  EXPECT_EQ(p.run("abcdef\n").output, "77abc");
}

TEST(ConsoleInput, HeapAwareReads) {
  Program p(1);
  p.op({OP_LOADADDR, 0, 3, OP_NEW, 6, OP_STOREN, 1});
  p.op({OP_LOADVAL, 0, 3, OP_PUSH, 0, OP_READ, 11, OP_LOADVAL, 0, 3, OP_PUSH, 1, OP_READSTR, 5, 10, OP_FLUSHIN});
  p.op({OP_LOADVAL, 0, 3, OP_PUSH, 0, OP_LOADNH, 1, OP_WRITE, 1, OP_LOADVAL, 0, 3, OP_PUSH, 1, OP_LOADSTRH, 5,
        OP_WRITE, 6});
  EXPECT_EQ(p.run("7 hey\n").output, "7hey");
}

TEST(ConsoleScreen, KeysCursorColoursAndDelay) {
  Program p;
  p.op({OP_READKEY, 1, OP_WRITE, 1, OP_READKEY, 1, OP_WRITE, 1, OP_READKEY, 0});
  p.op({OP_PUSH, 3, OP_PUSH, 4, OP_GOTOXY, OP_PUSH, 99, OP_PUSH, 4, OP_GOTOXY, OP_CLRSCR});
  p.op({OP_TEXTCOLOR, 14, OP_TEXTBACKGROUND, 1, OP_TEXTCOLOR, 132, OP_PUSH, 500, OP_DELAY, OP_PUSH, -5, OP_DELAY});
  FakeConsole console;
  console.keys = {0, 72, 'q'};
  const auto result = p.run(console);
  EXPECT_EQ(result.output, "072<XY 3,4><CLS>");
  EXPECT_TRUE(console.keys.empty());
  EXPECT_EQ(console.attribute, 0x94);  // blink, red, on blue
  EXPECT_EQ(console.sleptMs, 500);
  EXPECT_EQ(console.pendingDiscards, 1);
}

// An endless loop of WRITELN ends at the first write the console could not
// take: no error of the program's own, no wait for Enter, no banner.
TEST(ConsoleOutput, OutputThatCannotBeWrittenEndsTheRun) {
  const struct {
    const char* what;
    std::vector<Word> write;
  } cases[] = {
      {"writeln", {OP_PUSH, 'x', OP_WRITE, 2, OP_WRITE, 5}},
      {"wide field", {OP_PUSH, 'x', OP_PUSH, 50000, OP_WRITEW, 2}},
      {"real with decimals", {OP_PUSH, 0, OP_PUSH, 0, OP_PUSH, 9, OP_PUSH, 9, OP_WRITERWD}},
  };
  for (const auto& c : cases) {
    for (const bool consoleRun : {false, true}) {
      Program p;
      const Word loop = p.here();
      p.op(c.write).op({OP_JMP, loop});
      FakeConsole console;
      console.writableBytes = 100;
      // (The budget only bounds a run that would not stop.)
      const auto result = p.run(console, consoleRun, 10'000'000);
      EXPECT_EQ(console.refusedWrites, 1) << c.what;
      EXPECT_FALSE(result.error) << c.what << ": " << result.message;
      EXPECT_EQ(result.output.find("Pascal KAU!"), std::string::npos) << c.what;
    }
  }
}

}  // namespace
}  // namespace kau::testing
