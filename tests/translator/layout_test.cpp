// The word code of constructs whose shape matters: the program layout,
// frames, conversions, string and character handling, short-circuit
// operators, CASE and the READ and WRITE instructions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/word_code.h"
#include "tests/translator/compile_helper.h"

namespace kau::testing {
namespace {

struct Shape {
  const char* name;
  const char* declarations;  // between the header and BEGIN
  const char* statements;
  std::vector<Word> present;
  std::vector<Word> absent;
};

std::string program(const Shape& s) {
  return std::string("PROGRAM T;\n") + s.declarations + "\nBEGIN\n" + s.statements + "\nEND.\n";
}

const Shape kShapes[] = {
    {"RealDivisionOfIntegers", "VAR x: REAL;", "x := 7 / 2;",
     {OP_PUSH, 7, OP_PUSH, 2, OP_INTTOREAL, 2, OP_INTTOREAL, 1, OP_DIVR}, {}},
    {"IntegerPlusReal", "VAR i: INTEGER; x: REAL;", "x := i + x;", {OP_INTTOREAL, 1, OP_ADDR}, {}},
    {"RealMinusInteger", "VAR i: INTEGER; x: REAL;", "x := x - i;", {OP_INTTOREAL, 2, OP_SUBR}, {}},
    {"CharConcatenation", "VAR s: STRING;", "s := 'a' + 'b';", {OP_CONCAT, 3}, {}},
    {"StringPlusChar", "VAR s: STRING;", "s := s + 'x';", {OP_CONCAT, 2}, {}},
    {"CharPlusString", "VAR s: STRING;", "s := 'x' + s;", {OP_CONCAT, 1}, {}},
    {"CharComparison", "VAR c: CHAR; b: BOOLEAN;", "b := c < 'z';", {OP_PUSH, 'z', OP_LTI}, {}},
    {"StringCharComparison", "VAR s: STRING; b: BOOLEAN;", "b := s < 'z';", {OP_LTS, 2}, {}},
    {"PointerNil", "VAR p: ^INTEGER; b: BOOLEAN;", "b := p = NIL;", {OP_PUSH, 0, OP_EQI}, {}},
    {"AndShortCircuit", "VAR x, y: INTEGER; b: BOOLEAN;", "b := (x > 0) AND (y > 0);", {OP_GTI, OP_DUP, 1, OP_JMPF}, {}},
    {"OrShortCircuit", "VAR x, y: INTEGER; b: BOOLEAN;", "b := (x > 0) OR (y > 0);",
     {OP_GTI, OP_DUP, 1, OP_NOT, OP_JMPF}, {}},
    {"StringIndexChecksTheIndexItself", "VAR s: STRING[10]; c: CHAR;", "c := s[3];",
     {OP_PUSH, 3, OP_CHKINDEX, 1, 10, OP_ELEMADDR, 1, 1, OP_LOADN, 1}, {OP_SUBI}},
    {"OddIsTheBooleanOne", "VAR b: BOOLEAN;", "b := ODD(-3);", {OP_ODD, OP_PUSH, 0, OP_NEI}, {}},
    {"CharLiteralIsUnsigned", "VAR c: CHAR;", "c := #200;", {OP_PUSH, 200, OP_STOREN, 1}, {}},
    {"AccentedLiteralIsCodePage850", "VAR c: CHAR;", "c := '\xE9';", {OP_PUSH, 130, OP_STOREN, 1}, {}},
    {"LengthOfCharLiteral", "VAR i: INTEGER;", "i := LENGTH('x');", {OP_PUSH, 1, OP_STOREN, 1}, {OP_LENGTH}},
    {"LengthOfString", "VAR i: INTEGER; s: STRING;", "i := LENGTH(s);", {OP_LOADSTR, 255, OP_LENGTH}, {}},
    {"CaseLeavesNoSelectorCopies", "VAR x: INTEGER;", "CASE x OF 1, 3..5: x := 0; 7: x := 1; END;",
     {OP_PUSH, 3, OP_PUSH, 5, OP_CASERANGE, OP_NOT, OP_JMPF}, {OP_POPEQ, OP_DUP}},
    {"ReadlnString", "VAR s: STRING[20];", "READLN(s);", {OP_READSTR, 20, 1, OP_FLUSHIN}, {}},
    {"ReadlnInteger", "VAR n: INTEGER;", "READLN(n);", {OP_READ, 1, OP_FLUSHIN}, {}},
    {"ReadFromFile", "VAR f: TEXT; a, b: INTEGER;", "READ(f, a, b);",
     {OP_READF, 1, 0, OP_LOADADDR, 0, 259, OP_READF, 1, 0, OP_POP, OP_FLUSHIN}, {}},
    {"WriteStringWidthToFile", "VAR f: TEXT;", "WRITE(f, 'ab':3);", {OP_PUSH, 3, OP_WRITESTRWF, OP_POP}, {}},
    {"WriteCharWidthToFile", "VAR f: TEXT;", "WRITE(f, 'a':3);", {OP_PUSH, 3, OP_WRITEWF, 2}, {}},
    {"WriteRealWidthDecimals", "VAR x: REAL;", "WRITELN(x:5:2);", {OP_PUSH, 5, OP_PUSH, 2, OP_WRITERWD, OP_WRITE, 5}, {}},
    {"ForToVariableLimitStopsAtTheLargestInteger", "VAR i, n: INTEGER;", "FOR i := 1 TO n DO n := n;",
     {OP_LOADVAL, 0, 3, OP_PUSH, 2147483647, OP_NEI, OP_JMPF}, {}},
    {"ForDowntoVariableLimitStopsAtTheSmallestInteger", "VAR i, n: INTEGER;", "FOR i := n DOWNTO n DO n := n;",
     {OP_LOADVAL, 0, 3, OP_PUSH, -2147483647 - 1, OP_NEI, OP_JMPF}, {}},
    {"ForToLiteralLimitNeedsNoLastValueTest", "VAR i, n: INTEGER;", "FOR i := 1 TO 10 DO n := n;",
     {OP_LOADADDR, 0, 3, OP_INC, OP_JMP}, {OP_NEI}},
    {"ForToConstantLimitNeedsNoLastValueTest", "CONST m = 10; VAR i, n: INTEGER;", "FOR i := 1 TO m DO n := n;",
     {OP_LOADADDR, 0, 4, OP_INC, OP_JMP}, {OP_NEI}},
    {"Colours", "", "TEXTCOLOR(RED + BLINK); TEXTBACKGROUND(YELLOW - 2);", {OP_TEXTCOLOR, 132, OP_TEXTBACKGROUND, 12}, {}},
    {"ProcedureFrameHoldsOnlyItsOwnLocals", "VAR g: ARRAY[1..100000] OF INTEGER;\nPROCEDURE P; VAR i: INTEGER; BEGIN i := 1; END;",
     "P;", {OP_GROW, 1, 1000}, {}},
    {"FunctionResultAndLocal", "FUNCTION F: INTEGER; VAR i: INTEGER; BEGIN F := 5; i := 0; END;", "WRITELN(F);",
     {OP_GROW, 3, 1000, OP_JMP, 11, OP_LOADADDR, 0, 4, OP_PUSH, 5, OP_STOREN, 1, OP_LOADADDR, 0, 5}, {}},
    {"ParameterOffsets", "PROCEDURE P(a: INTEGER; b: REAL); BEGIN WRITELN(a, b); END;", "P(1, 2);",
     {OP_LOADADDR, 0, -3, OP_LOADN, 1}, {}},
    {"ParameterReturn", "PROCEDURE P(a: INTEGER; b: REAL); BEGIN END;", "P(1, 2);", {OP_RET, 3}, {}},
    {"VarRealArgumentFillsItsSlot", "VAR x: REAL;\nPROCEDURE P(VAR r: REAL); BEGIN r := 1; END;", "P(x);",
     {OP_LOADADDR, 0, 3, OP_RESERVE, 1, OP_CALL}, {}},
    {"HeapVariableArgumentIsCopiedIntoTheFrame", "VAR q: ^INTEGER;\nPROCEDURE P(VAR z: INTEGER); BEGIN z := 1; END;", "P(q^);",
     {OP_LOADADDR, 0, 4, OP_LOADADDR, 0, 3, OP_LOADN, 1, OP_PUSH, 0, OP_STOREN, 2, OP_LOADADDR, 0, 6, OP_LOADADDR, 0, 4,
      OP_LOADN, 2, OP_LOADNH, 1, OP_STOREN, 1, OP_LOADADDR, 0, 6, OP_CALL}, {}},
    {"HeapVariableArgumentIsCopiedBackAfterTheCall", "VAR q: ^INTEGER;\nPROCEDURE P(VAR z: INTEGER); BEGIN z := 1; END;",
     "P(q^);", {OP_LOADADDR, 0, 4, OP_LOADN, 2, OP_LOADADDR, 0, 6, OP_LOADN, 1, OP_STORENH, 1, OP_HALT}, {}},
    {"IntegerExpressionToRealParameter", "VAR i: INTEGER;\nPROCEDURE Q(r: REAL); BEGIN END;", "Q(i + 1);",
     {OP_ADDI, OP_INTTOREAL, 2, OP_CALL}, {}},
    {"IntegerVariableToRealParameter", "VAR i: INTEGER;\nPROCEDURE Q(r: REAL); BEGIN END;", "Q(i);",
     {OP_LOADN, 1, OP_INTTOREAL, 2, OP_CALL}, {}},
    {"ValueStringParameterIsAssignedThenCopied", "VAR s: STRING;\nPROCEDURE Q(t: STRING[5]); BEGIN END;", "Q(s + 'x');",
     {OP_CONCAT, 2, OP_STORESTR, 5, OP_LOADADDR, 0, 258, OP_PUSHSTRVAR, 5, OP_STRTOBLOCK, 5, OP_CALL}, {OP_CONCATARG}},
    {"SharedConstant", "CONST a, b = 7;", "WRITELN(a + b);",
     {OP_LOADADDR, 0, 3, OP_PUSH, 7, OP_STOREN, 1, OP_JMP, 13, OP_LOADADDR, 0, 3, OP_LOADN, 1, OP_LOADADDR, 0, 3}, {}},
    {"StringConstant", "CONST s = 'abc';", "WRITELN(s);", {OP_PUSH, -1, OP_PUSHN, 3, 'c', 'b', 'a', OP_STORESTR, 3, OP_JMP}, {}},
    {"SignedConstant", "CONST m = -5;", "WRITELN(m);", {OP_PUSH, -5, OP_STOREN, 1}, {}},
    {"EnumerationSucc", "TYPE Cor = (A, B, C); VAR k: Cor;", "k := SUCC(A);", {OP_PUSH, 0, OP_SUCC, OP_CHKENUM, 0, 2}, {}},
    {"IncThroughPointerWorksOnTheHeap", "VAR p: ^INTEGER;", "INC(p^);", {OP_LOADNH, 1, OP_ADDK, 1, OP_STORENH, 1}, {OP_INC}},
    {"FieldAddress", "VAR r: RECORD a, b: INTEGER; END; p: ^INTEGER;", "p := @r.b;", {OP_LOADADDR, 0, 3, OP_ADDK, 1, OP_STOREN, 1}, {}},
};

class ShapeTest : public ::testing::TestWithParam<Shape> {};

TEST_P(ShapeTest, EmitsTheExpectedWords) {
  const Shape& s = GetParam();
  Compiled c = compile(program(s));
  ASSERT_EQ(c.flag, 0) << c.message;
  EXPECT_TRUE(containsSequence(c.code, s.present)) << s.name;
  for (Word op : s.absent) {
    // Absent opcodes are searched as opcodes, instruction by instruction.
    std::size_t i = 0;
    while (i < c.code.size()) {
      Word w = c.code[i];
      ASSERT_TRUE(isValidOpcode(w)) << "bad opcode at " << i;
      EXPECT_NE(w, op) << s.name << " at " << i;
      i += 1 + static_cast<std::size_t>(kOpcodeTable[w].operandCount) + (w == OP_PUSHN ? static_cast<std::size_t>(c.code[i + 1]) : 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Translator, ShapeTest, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<Shape>& test) { return std::string(test.param.name); });

TEST(Layout, HeaderJumpAndHalt) {
  Compiled c = compile("PROGRAM T; VAR A, B, C: INTEGER; BEGIN END.");
  ASSERT_EQ(c.flag, 0);
  EXPECT_EQ(c.code, (std::vector<Word>{OP_ENTER, 3, 4000, 4, OP_JMP, 6, OP_HALT}));
}

TEST(Layout, IfElseJumps) {
  Compiled c = compile("PROGRAM T; VAR b: BOOLEAN; i: INTEGER; BEGIN IF b THEN i := 1 ELSE i := 2; END.");
  ASSERT_EQ(c.flag, 0);
  // 6: LOADADDR 0 3, LOADN 1, JMPF 22, [13] LOADADDR 0 4 PUSH 1 STOREN 1, JMP 29, [22] ..., [29] HALT
  EXPECT_TRUE(containsSequence(c.code, {OP_LOADN, 1, OP_JMPF, 22}));
  EXPECT_TRUE(containsSequence(c.code, {OP_STOREN, 1, OP_JMP, 29}));
  EXPECT_EQ(c.code.size(), 30u);
}

TEST(Layout, NestedProcedureCallsItsEnclosingRoutine) {
  Compiled c = compile(
      "PROGRAM T;\nPROCEDURE A(n: INTEGER);\n  PROCEDURE B; BEGIN A(0); END;\nBEGIN IF n > 0 THEN B; END;\nBEGIN A(1); END.");
  ASSERT_EQ(c.flag, 0) << c.message;
  // A starts at word 6; B's call of A follows the static links up to the
  // program's frame, two levels.
  ASSERT_EQ(c.code[6], OP_GROW);
  bool found = false;
  for (std::size_t i = 0; i + 2 < c.code.size(); ++i)
    if (c.code[i] == OP_CALL && c.code[i + 1] == 2 && static_cast<Word>(i) + c.code[i + 2] == 6) found = true;
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace kau::testing
