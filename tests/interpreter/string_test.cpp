// String instructions: loading and storing string variables, the two stack
// forms, joining (255-character limit), comparing by unsigned bytes, LENGTH,
// UPCASE, VAL.
#include <gtest/gtest.h>

#include "interpreter/runtime_errors.h"
#include "interpreter/string_ops.h"
#include "tests/interpreter/assembler.h"

namespace kau::testing {
namespace {

TEST(Strings, CompareByUnsignedBytes) {
  const struct {
    std::string left, right;
    int expected;
  } cases[] = {
      {"abc", "abd", -1}, {"ab", "abc", -1}, {"Z", "a", -1},     {"", "", 0},
      {"", "a", -1},      {"abc", "abc", 0}, {"\xFF", "a", 1},   {"\x80", "\x7F", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(CompareStrings(c.left, c.right), c.expected) << c.left << " " << c.right;
}

TEST(Strings, ComparisonInstructionsAndModes) {
  const Word ops[] = {OP_EQS, OP_NES, OP_LTS, OP_LES, OP_GTS, OP_GES};
  std::string out;
  for (Word op : ops) {
    Program p;
    p.pushString("ab").pushString("abc").op({op, 0, OP_WRITE, 1});
    out += p.run().output;
  }
  EXPECT_EQ(out, "011100");
  // A character operand compares as a one-character string.
  Program chars;
  chars.pushString("a").op({OP_PUSH, 'a', OP_EQS, 2, OP_WRITE, 1});
  chars.op({OP_PUSH, 'b'}).pushString("a").op({OP_GTS, 1, OP_WRITE, 1});
  chars.op({OP_PUSH, 200, OP_PUSH, 'z', OP_GTS, 3, OP_WRITE, 1});
  EXPECT_EQ(chars.run().output, "111");
}

TEST(Strings, StoreAndLoadVariables) {
  // s: STRING[5] at word 3, t: STRING[3] at word 8.
  Program p(8);
  p.storeString(3, "hello world", 5);  // cut to the maximum, no end mark
  p.op({OP_LOADADDR, 0, 3, OP_LOADSTR, 5, OP_WRITE, 6});
  p.storeString(8, "ab", 3);
  p.op({OP_LOADVAL, 0, 10, OP_WRITE, 1});  // the end mark
  p.op({OP_LOADADDR, 0, 8, OP_LOADSTR, 3, OP_LENGTH, OP_WRITE, 1});
  // A CHAR stored as a string.
  p.op({OP_LOADADDR, 0, 8, OP_PUSH, 'q', OP_CHARTOSTR, OP_STORESTR, 3, OP_LOADADDR, 0, 8, OP_LOADSTR, 3, OP_WRITE, 6});
  const auto result = p.run();
  EXPECT_FALSE(result.error) << result.message;
  EXPECT_EQ(result.output, "hello-12q");
}

TEST(Strings, Byte255IsAnOrdinaryCharacter) {
  Program p(4);
  p.storeString(3, std::string("a\xFF" "b"), 4);
  p.op({OP_LOADADDR, 0, 3, OP_LOADSTR, 4, OP_LENGTH, OP_WRITE, 1});
  p.op({OP_LOADADDR, 0, 3, OP_LOADSTR, 4, OP_WRITE, 6});
  EXPECT_EQ(p.run().output, "3a\xFF" "b");
}

TEST(Strings, ConcatenationKeeps255Characters) {
  Program p;
  p.pushString(std::string(200, 'x')).pushString(std::string(200, 'y')).op({OP_CONCAT, 0, OP_LENGTH, OP_WRITE, 1});
  p.pushString(std::string(200, 'x')).pushString(std::string(200, 'y')).op({OP_CONCAT, 0, OP_WRITE, 6});
  p.op({OP_PUSH, 'a', OP_PUSH, 'b', OP_CONCAT, 3, OP_WRITE, 6});
  p.pushString("ab").op({OP_PUSH, 'c', OP_CONCAT, 2, OP_WRITE, 6});
  p.op({OP_PUSH, 'c'}).pushString("ab").op({OP_CONCAT, 1, OP_WRITE, 6});
  EXPECT_EQ(p.run().output, "255" + std::string(200, 'x') + std::string(55, 'y') + "ab" "abc" "cab");
}

// Value STRING arguments: the argument form (last character on top) and its
// block.
TEST(Strings, ArgumentFormAndBlocks) {
  Program p(4);
  p.storeString(3, "hey", 4);
  // The argument form of "hey" + "!" as a block of 6 words.
  p.op({OP_LOADADDR, 0, 3, OP_PUSHSTRVAR, 4, OP_PUSH, '!', OP_CONCATARG, 2, OP_STRTOBLOCK, 6});
  // The block's words: h e y ! -1 and one unset word.
  p.op({OP_POP, OP_WRITE, 1, OP_WRITE, 2, OP_WRITE, 2, OP_WRITE, 2, OP_WRITE, 2});
  const auto result = p.run();
  EXPECT_FALSE(result.error) << result.message;
  EXPECT_EQ(result.output, "-1!yeh");
  // A longer string keeps its first n characters.
  Program cut;
  cut.op({OP_PUSH, -1, OP_PUSHN, 4, 'a', 'b', 'c', 'd', OP_STRTOBLOCK, 2, OP_WRITE, 2, OP_WRITE, 2});
  EXPECT_EQ(cut.run().output, "ba");
}

TEST(Strings, UpcaseAndLength) {
  Program p;
  p.op({OP_PUSH, 'a', OP_UPCASE, OP_WRITE, 2, OP_PUSH, 'Z', OP_UPCASE, OP_WRITE, 2, OP_PUSH, '1', OP_UPCASE, OP_WRITE,
        2, OP_PUSH, 135, OP_UPCASE, OP_WRITE, 1, OP_PUSH, -1, OP_UPCASE, OP_WRITE, 1});
  p.pushString("").op({OP_LENGTH, OP_WRITE, 1});
  EXPECT_EQ(p.run().output, "AZ1135-10");
}

TEST(Strings, ValCodes) {
  const struct {
    std::string text;
    Word kind;
    const char* output;  // value then code
  } cases[] = {
      {"12", 1, "12 0"},        {"12.5", 1, "12 3"},     {"12abc", 1, "12 3"}, {"abc", 1, "0 1"},
      {"a", 1, "0 1"},          {"", 1, "0 1"},          {" 12", 1, "12 0"},   {"-5", 1, "-5 0"},
      {"99999999999", 1, "999999999 10"},
      {"0", 2, "0.000000 0"},   {"0.0", 2, "0.000000 0"}, {"1.5e2", 2, "150.000000 0"},
      {"2.5x", 2, "2.500000 4"}, {"", 2, "0.000000 1"},
  };
  for (const auto& c : cases) {
    Program p(4);  // value at 3 (two words for a real), code at 5
    p.pushString(c.text).op({OP_LOADADDR, 0, 3, OP_LOADADDR, 0, 5, OP_VAL, c.kind});
    if (c.kind == 1) p.op({OP_LOADVAL, 0, 3, OP_WRITE, 1});
    else p.op({OP_LOADADDR, 0, 3, OP_LOADN, 2, OP_WRITE, 4});
    p.op({OP_PUSH, ' ', OP_WRITE, 2, OP_LOADVAL, 0, 5, OP_WRITE, 1});
    EXPECT_EQ(p.run().output, c.output) << "'" << c.text << "'";
  }
}

}  // namespace
}  // namespace kau::testing
