// Integer, boolean and real instructions, math functions, conversions,
// RANDOM and the arithmetic run-time errors.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "interpreter/runtime_errors.h"
#include "tests/interpreter/assembler.h"

namespace kau::testing {
namespace {

struct Case {
  const char* name;
  std::vector<Word> code;
  const char* output;
};

Program::Result runWords(const std::vector<Word>& code) {
  Program p;
  for (Word w : code) p.op({w});
  return p.run();
}

TEST(Arithmetic, IntegerAndBooleanInstructions) {
  const Case cases[] = {
      {"add", {OP_PUSH, 2, OP_PUSH, 3, OP_ADDI, OP_WRITE, 1}, "5"},
      {"add wraps", {OP_PUSH, INT_MAX, OP_PUSH, 1, OP_ADDI, OP_WRITE, 1}, "-2147483648"},
      {"sub", {OP_PUSH, 2, OP_PUSH, 3, OP_SUBI, OP_WRITE, 1}, "-1"},
      {"sub wraps", {OP_PUSH, INT_MIN, OP_PUSH, 1, OP_SUBI, OP_WRITE, 1}, "2147483647"},
      {"mul wraps", {OP_PUSH, 65536, OP_PUSH, 65536, OP_MULI, OP_WRITE, 1}, "0"},
      {"div truncates", {OP_PUSH, -7, OP_PUSH, 2, OP_DIVI, OP_WRITE, 1}, "-3"},
      {"mod sign of dividend", {OP_PUSH, -7, OP_PUSH, 2, OP_MOD, OP_WRITE, 1}, "-1"},
      {"neg", {OP_PUSH, 5, OP_NEGI, OP_WRITE, 1}, "-5"},
      {"neg min wraps", {OP_PUSH, INT_MIN, OP_NEGI, OP_WRITE, 1}, "-2147483648"},
      {"abs int", {OP_PUSH, -9, OP_ABS, 1, OP_WRITE, 1}, "9"},
      {"sqr int", {OP_PUSH, -9, OP_SQR, 1, OP_WRITE, 1}, "81"},
      {"addk", {OP_PUSH, 10, OP_ADDK, -3, OP_WRITE, 1}, "7"},
      {"succ pred", {OP_PUSH, 10, OP_SUCC, OP_SUCC, OP_PRED, OP_WRITE, 1}, "11"},
      {"odd negative", {OP_PUSH, -3, OP_ODD, OP_WRITE, 1}, "1"},
      {"odd even", {OP_PUSH, -4, OP_ODD, OP_WRITE, 1}, "0"},
      {"not", {OP_PUSH, 0, OP_NOT, OP_WRITE, 3, OP_PUSH, 7, OP_NOT, OP_WRITE, 3}, "TRUEFALSE"},
      {"and", {OP_PUSH, 1, OP_PUSH, 0, OP_AND, OP_WRITE, 1, OP_PUSH, 0, OP_PUSH, 5, OP_AND, OP_WRITE, 1}, "00"},
      {"and keeps right", {OP_PUSH, 2, OP_PUSH, 5, OP_AND, OP_WRITE, 1}, "5"},
      {"or", {OP_PUSH, 0, OP_PUSH, 5, OP_OR, OP_WRITE, 1, OP_PUSH, 3, OP_PUSH, 5, OP_OR, OP_WRITE, 1}, "53"},
      {"any non-zero writes TRUE", {OP_PUSH, -1, OP_WRITE, 3}, "TRUE"},
      {"comparisons",
       {OP_PUSH, 1, OP_PUSH, 2, OP_LTI, OP_WRITE, 1, OP_PUSH, 2, OP_PUSH, 2, OP_LEI, OP_WRITE, 1,
        OP_PUSH, 1, OP_PUSH, 2, OP_GTI, OP_WRITE, 1, OP_PUSH, 1, OP_PUSH, 2, OP_GEI, OP_WRITE, 1,
        OP_PUSH, 3, OP_PUSH, 3, OP_EQI, OP_WRITE, 1, OP_PUSH, 3, OP_PUSH, 3, OP_NEI, OP_WRITE, 1},
       "110010"},
      {"case range", {OP_PUSH, 4, OP_PUSH, 3, OP_PUSH, 5, OP_CASERANGE, OP_WRITE, 1,
                      OP_PUSH, 6, OP_PUSH, 3, OP_PUSH, 5, OP_CASERANGE, OP_WRITE, 1}, "01"},
      {"chkindex", {OP_PUSH, 5, OP_CHKINDEX, 3, 9, OP_WRITE, 1, OP_WRITE, 1}, "72"},
      {"chkenum ok", {OP_PUSH, 2, OP_CHKENUM, 0, 2, OP_WRITE, 1}, "2"},
  };
  for (const Case& c : cases) {
    const auto result = runWords(c.code);
    EXPECT_FALSE(result.error) << c.name << ": " << result.message;
    EXPECT_EQ(result.output, c.output) << c.name;
  }
}

TEST(Arithmetic, RealInstructions) {
  struct RealCase {
    const char* name;
    double a, b;
    Word op;
    const char* output;
  };
  const RealCase cases[] = {
      {"add", 1.5, 2.25, OP_ADDR, "3.750000"},
      {"sub", 1.5, 2.25, OP_SUBR, "-0.750000"},
      {"mul", 1.5, 2.0, OP_MULR, "3.000000"},
      {"div", 1.0, 4.0, OP_DIVR, "0.250000"},
  };
  for (const RealCase& c : cases) {
    Program p;
    p.pushReal(c.a).pushReal(c.b).op({c.op, OP_WRITE, 4});
    EXPECT_EQ(p.run().output, c.output) << c.name;
  }
  const Word comparisons[] = {OP_EQR, OP_NER, OP_LTR, OP_LER, OP_GTR, OP_GER};
  std::string out;
  for (Word op : comparisons) {
    Program p;
    p.pushReal(1.0).pushReal(2.0).op({op, OP_WRITE, 1});
    out += p.run().output;
  }
  EXPECT_EQ(out, "011100");
}

TEST(Arithmetic, ConversionsAndMath) {
  const struct {
    const char* name;
    double x;
    std::vector<Word> code;
    const char* output;
  } cases[] = {
      {"neg", 2.5, {OP_NEGR, OP_WRITE, 4}, "-2.500000"},
      {"abs", -2.5, {OP_ABS, 2, OP_WRITE, 4}, "2.500000"},
      {"sqr", -1.5, {OP_SQR, 2, OP_WRITE, 4}, "2.250000"},
      {"sqrt", 2.25, {OP_SQRT, 2, OP_WRITE, 4}, "1.500000"},
      {"ln", 1.0, {OP_LN, 2, OP_WRITE, 4}, "0.000000"},
      {"exp", 0.0, {OP_EXP, 2, OP_WRITE, 4}, "1.000000"},
      {"sin", 0.0, {OP_SIN, 2, OP_WRITE, 4}, "0.000000"},
      {"cos", 0.0, {OP_COS, 2, OP_WRITE, 4}, "1.000000"},
      {"arctan", 1.0, {OP_ARCTAN, 2, OP_WRITE, 4}, "0.785398"},
      {"round 2.5", 2.5, {OP_ROUND, 2, OP_WRITE, 1}, "3"},
      {"round -2.5", -2.5, {OP_ROUND, 2, OP_WRITE, 1}, "-3"},
      {"round 0.5", 0.5, {OP_ROUND, 2, OP_WRITE, 1}, "1"},
      {"round -0.5", -0.5, {OP_ROUND, 2, OP_WRITE, 1}, "-1"},
      {"round 2.4", 2.4, {OP_ROUND, 2, OP_WRITE, 1}, "2"},
      {"trunc", -2.7, {OP_TRUNC, OP_WRITE, 1}, "-2"},
      {"trunc positive", 2.7, {OP_TRUNC, OP_WRITE, 1}, "2"},
  };
  for (const auto& c : cases) {
    Program p;
    p.pushReal(c.x);
    for (Word w : c.code) p.op({w});
    const auto result = p.run();
    EXPECT_FALSE(result.error) << c.name;
    EXPECT_EQ(result.output, c.output) << c.name;
  }
  // Integer operands of the math functions and both conversion sides.
  EXPECT_EQ(runWords({OP_PUSH, 4, OP_SQRT, 1, OP_WRITE, 4}).output, "2.000000");
  EXPECT_EQ(runWords({OP_PUSH, 7, OP_INTTOREAL, 2, OP_WRITE, 4}).output, "7.000000");
  EXPECT_EQ(runWords({OP_PUSH, 3, OP_PUSH, 7, OP_ROUND, 1, OP_WRITE, 1, OP_WRITE, 1}).output, "73");
  Program side1;
  side1.op({OP_PUSH, 7}).pushReal(0.5).op({OP_INTTOREAL, 1, OP_SUBR, OP_WRITE, 4});
  EXPECT_EQ(side1.run().output, "6.500000");
}

TEST(Arithmetic, RuntimeErrors) {
  const struct {
    const char* name;
    std::vector<Word> code;
    int error;
  } cases[] = {
      {"div by zero", {OP_PUSH, 1, OP_PUSH, 0, OP_DIVI}, kErrorDivisionByZero},
      {"min div -1", {OP_PUSH, INT_MIN, OP_PUSH, -1, OP_DIVI}, kErrorExecution},
      {"mod zero", {OP_PUSH, 1, OP_PUSH, 0, OP_MOD}, kErrorExecution},
      {"min mod -1", {OP_PUSH, INT_MIN, OP_PUSH, -1, OP_MOD}, kErrorExecution},
      {"random zero", {OP_PUSH, 0, OP_RANDOM}, kErrorExecution},
      {"enum", {OP_PUSH, 3, OP_CHKENUM, 0, 2}, kErrorBadEnumeration},
      {"enum below", {OP_PUSH, -1, OP_CHKENUM, 0, 2}, kErrorBadEnumeration},
  };
  for (const auto& c : cases) {
    const auto result = runWords(c.code);
    EXPECT_TRUE(result.error) << c.name;
    EXPECT_EQ(result.message, ErrorText(c.error)) << c.name;
  }
  const auto index = runWords({OP_PUSH, 0, OP_CHKINDEX, 1, 10});
  EXPECT_EQ(index.message, " => Erro de execução... ...# => O índice na posição 0 está fora dos limites do vetor!");
  EXPECT_EQ(runWords({OP_PUSH, -12, OP_CHKINDEX, 1, 10}).message, ErrorText(kErrorIndexOutOfRange, -12));
  EXPECT_EQ(ErrorText(kErrorIndexOutOfRange, -12),
            " => Erro de execução... ...# => O índice na posição -12 está fora dos limites do vetor!");

  const struct {
    const char* name;
    double x;
    Word op, kind;
  } realCases[] = {
      {"real div zero", 0.0, OP_DIVR, 0},   {"ln 0", 0.0, OP_LN, 2},
      {"ln negative", -1.0, OP_LN, 2},      {"sqrt negative", -1.0, OP_SQRT, 2},
      {"round huge", 3e9, OP_ROUND, 2},     {"round nan", std::nan(""), OP_ROUND, 2},
      {"trunc huge", -3e9, OP_TRUNC, -1},
  };
  for (const auto& c : realCases) {
    Program p;
    if (c.op == OP_DIVR) p.pushReal(1.0);
    p.pushReal(c.x).op({c.op});
    if (c.kind >= 0) p.op({c.kind});
    const auto result = p.run();
    EXPECT_EQ(result.message, ErrorText(c.op == OP_DIVR ? kErrorDivisionByZero : kErrorExecution)) << c.name;
  }
  EXPECT_EQ(ErrorText(kErrorDivisionByZero), " => Erro de execução... ...# => Divisão por Zero!");
}

TEST(Arithmetic, RandomStaysInRange) {
  Program p;
  for (int i = 0; i < 50; ++i) p.op({OP_PUSH, 10, OP_RANDOM, OP_CHKINDEX, 0, 9, OP_POP, OP_POP});
  p.op({OP_PUSH, -10, OP_RANDOM, OP_CHKINDEX, 0, 9});
  EXPECT_FALSE(p.run().error);
}

}  // namespace
}  // namespace kau::testing
