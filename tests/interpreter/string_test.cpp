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

std::string reversed(std::string s) { return std::string(s.rbegin(), s.rend()); }

// Pushes an operand of a string instruction: one word for a character, else
// a stack string in the normal or the argument form (last character on top).
void pushOperand(Program& p, const std::string& text, bool isChar, bool argumentForm) {
  if (isChar) p.op({OP_PUSH, static_cast<unsigned char>(text[0])});
  else p.pushString(argumentForm ? reversed(text) : text);
}

// The join is made on the stack itself: the result replaces both operands
// and keeps 255 characters, the first ones in the normal form, the last
// ones in the argument form.
TEST(Strings, ConcatenationTable) {
  const std::string x254(254, 'x'), x255(255, 'x'), x256(256, 'x');
  const std::string bytes = std::string("\0\xFF", 2);
  const struct {
    bool argumentForm;
    Word mode;
    std::string left, right, expected;
  } cases[] = {
      {false, 0, "ab", "cd", "abcd"},
      {false, 0, "", "", ""},
      {false, 0, "", "abc", "abc"},
      {false, 0, x255, "", x255},
      {false, 0, x256, "", x255},
      {false, 0, "", x256, x255},
      {false, 0, std::string(200, 'x'), std::string(200, 'y'), std::string(200, 'x') + std::string(55, 'y')},
      {false, 0, bytes, reversed(bytes), bytes + reversed(bytes)},
      {false, 1, "c", x254, "c" + x254},
      {false, 1, "c", x255, "c" + x254},
      {false, 2, x255, "c", x255},
      {false, 2, x254, "\xFF", x254 + "\xFF"},
      {false, 2, "", std::string(1, '\0'), std::string(1, '\0')},
      {false, 3, "a", "b", "ab"},
      {true, 0, "ab", "cd", "abcd"},
      {true, 0, "", "", ""},
      {true, 0, std::string(200, 'x'), std::string(200, 'y'), std::string(55, 'x') + std::string(200, 'y')},
      {true, 0, x256, "", std::string(255, 'x')},
      {true, 1, "c", "de", "cde"},
      {true, 2, "ab" + x254, "c", x254 + "c"},
      {true, 3, "a", "b", "ab"},
  };
  for (const auto& c : cases) {
    Program p;
    pushOperand(p, c.left, c.mode == 1 || c.mode == 3, c.argumentForm);
    pushOperand(p, c.right, c.mode == 2 || c.mode == 3, c.argumentForm);
    p.op({c.argumentForm ? OP_CONCATARG : OP_CONCAT, c.mode, OP_WRITE, 6, OP_PUSH, 7, OP_WRITE, 1});
    const auto result = p.run();
    const std::string text = c.argumentForm ? reversed(c.expected) : c.expected;
    EXPECT_FALSE(result.error) << result.message;
    EXPECT_EQ(result.output, text + "7") << c.argumentForm << " mode " << c.mode << " " << c.left.size() << "+"
                                         << c.right.size();
  }
}

// A character word keeps only its low byte in a string.
TEST(Strings, CharacterWordsKeepTheirLowByte) {
  Program p;
  p.op({OP_PUSH, 'A' + 256, OP_PUSH, 'b', OP_CONCAT, 3, OP_WRITE, 6});
  p.op({OP_PUSH, 'a' + 512}).pushString("a").op({OP_EQS, 1, OP_WRITE, 1});
  EXPECT_EQ(p.run().output, "Ab1");
}

// Comparisons work on the words in place: prefixes on both sides of the
// eight-word steps of the search for the markers, bytes 0 and 255.
TEST(Strings, ComparisonTable) {
  const std::string a16(16, 'a');
  const struct {
    Word mode;
    std::string left, right;
    int expected;
  } cases[] = {
      {0, "", "", 0},
      {0, std::string(1, '\0'), "", 1},
      {0, "a", std::string("a\0", 2), -1},
      {0, "\xFE", "\xFF", -1},
      {0, "\xFF", std::string(1, '\0'), 1},
      {0, "abcdefgh", "abcdefghi", -1},
      {0, "abcdefghi", "abcdefgh", 1},
      {0, a16, a16 + "a", -1},
      {0, a16 + "b", a16 + "a", 1},
      {0, std::string(255, 'z'), std::string(255, 'z'), 0},
      {0, std::string(200, 'z') + "a", std::string(200, 'z') + "b", -1},
      {0, std::string(300, 'q'), std::string(299, 'q'), 1},
      {1, "a", "ab", -1},
      {1, "b", "ab", 1},
      {2, "", "a", -1},
      {2, "a", "a", 0},
      {3, "\xFF", "a", 1},
      {3, "a", "a", 0},
  };
  const Word ops[] = {OP_EQS, OP_NES, OP_LTS, OP_LES, OP_GTS, OP_GES};
  for (const auto& c : cases) {
    Program p;
    std::string expected;
    for (Word op : ops) {
      pushOperand(p, c.left, c.mode == 1 || c.mode == 3, false);
      pushOperand(p, c.right, c.mode == 2 || c.mode == 3, false);
      p.op({op, c.mode, OP_WRITE, 1});
      const int e = c.expected;
      const bool holds = op == OP_EQS ? e == 0 : op == OP_NES ? e != 0 : op == OP_LTS ? e < 0
                       : op == OP_LES ? e <= 0 : op == OP_GTS ? e > 0 : e >= 0;
      expected += holds ? "1" : "0";
    }
    EXPECT_EQ(p.run().output, expected) << "mode " << c.mode << " " << c.left.size() << " " << c.right.size();
  }
}

// Variables of every length up to 255 load in both forms; a variable full
// to its maximum has no end mark.
TEST(Strings, LoadVariablesOfEveryLength) {
  for (int length : {0, 1, 7, 8, 9, 15, 16, 17, 254, 255}) {
    std::string text;
    for (int i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
    Program p(255);
    p.storeString(3, text, 255);
    p.op({OP_LOADADDR, 0, 3, OP_LOADSTR, 255, OP_LENGTH, OP_WRITE, 1, OP_PUSH, ':', OP_WRITE, 2});
    p.op({OP_LOADADDR, 0, 3, OP_LOADSTR, 255, OP_WRITE, 6});
    p.op({OP_LOADADDR, 0, 3, OP_PUSHSTRVAR, 255, OP_WRITE, 6});
    const auto result = p.run();
    EXPECT_FALSE(result.error) << result.message;
    EXPECT_EQ(result.output, std::to_string(length) + ":" + text + reversed(text)) << length;
  }
}

// A variable that does not lie wholly in memory is read word by word: its
// end mark may still lie inside; past the last word is the fault.
TEST(Strings, VariableAtTheEndOfMemory) {
  const Word last = kProgramMemoryWords - 1;
  Program inside;
  inside.op({OP_PUSH, last - 1, OP_PUSH, 'x', OP_STOREN, 1, OP_PUSH, last, OP_PUSH, kStringEnd, OP_STOREN, 1});
  inside.op({OP_PUSH, last - 1, OP_LOADSTR, 5, OP_WRITE, 6});
  const auto ok = inside.run();
  EXPECT_FALSE(ok.error) << ok.message;
  EXPECT_EQ(ok.output, "x");
  Program outside;
  outside.op({OP_PUSH, last - 1, OP_PUSH, 'x', OP_STOREN, 1, OP_PUSH, last, OP_PUSH, 'y', OP_STOREN, 1});
  outside.op({OP_PUSH, last - 1, OP_LOADSTR, 5, OP_WRITE, 6});
  EXPECT_EQ(outside.run().message, ErrorText(kErrorExecution));
}

// Stores and loads whose variable lies over the words of the stack string
// itself still move the whole string (frame word 4 holds the address, 5
// the marker, 6 to 8 the characters of "abc").
TEST(Strings, VariablesOverTheStackString) {
  for (Word offset : {6, 7, 8}) {
    Program p;
    p.op({OP_LOADADDR, 0, offset}).pushString("abc").op({OP_STORESTR, 4});
    p.op({OP_LOADADDR, 0, offset, OP_LOADSTR, 4, OP_WRITE, 6});
    EXPECT_EQ(p.run().output, "abc") << offset;
  }
  // Loaded to the words it lies in: the marker goes to word 4, the
  // characters above it.
  Program load;
  load.op({OP_LOADADDR, 0, 6}).pushString("hey").op({OP_STORESTR, 5});
  load.op({OP_LOADADDR, 0, 6, OP_LOADSTR, 5, OP_WRITE, 6});
  load.op({OP_LOADADDR, 0, 6}).pushString("hey").op({OP_STORESTR, 5});
  load.op({OP_LOADADDR, 0, 6, OP_PUSHSTRVAR, 5, OP_WRITE, 6});
  EXPECT_EQ(load.run().output, "heyyeh");
}

// A stack string may have up to 4096 characters above its marker.
TEST(Strings, LongestStackString) {
  for (Word length : {4096, 4097}) {
    Program p;
    p.op({OP_PUSH, kStringEnd, OP_PUSHN, length});
    for (Word i = 0; i < length; ++i) p.op({'a'});
    p.op({OP_LENGTH, OP_WRITE, 1});
    const auto result = p.run();
    if (length == 4096) {
      EXPECT_EQ(result.output, "4096");
    } else {
      EXPECT_EQ(result.message, ErrorText(kErrorExecution));
    }
  }
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
