// Programs at the edges: every test program compiles, memory and nesting
// limits give compile errors instead of faults, and the texts of errors
// whose arguments were mended.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "text/code_pages.h"
#include "tests/translator/compile_helper.h"

namespace kau::testing {
namespace {

const std::string kTooBig = text::cp1252(" => O programa é grande demais para a memória disponível!");

TEST(Programs, EveryTranslateProgramCompiles) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KAU_TRANSLATE_PROGRAMS)) {
    if (entry.path().extension() != ".pas") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string source;
    ASSERT_TRUE(text::utf8ToCp1252(text.str(), source)) << entry.path();
    Compiled c = compile(source);
    EXPECT_EQ(c.flag, 0) << entry.path() << ": " << text::cp1252ToUtf8(c.message);
    ++count;
  }
  EXPECT_GT(count, 10);
}

TEST(Limits, GlobalDataBeyondTheStackIsACompileError) {
  Compiled c = compile("PROGRAM T;\nVAR a: ARRAY[1..900000] OF INTEGER;\nBEGIN\nEND.");
  ASSERT_EQ(c.flag, 1);
  EXPECT_NE(c.message.find(kTooBig), std::string::npos) << c.message;
  EXPECT_EQ(c.message.rfind(text::cp1252(" => Erro semântico na linha "), 0), 0u);
}

TEST(Limits, ArraySizeThatOverflowsIsACompileError) {
  Compiled c = compile("PROGRAM T;\nVAR a: ARRAY[1..100000, 1..100000] OF REAL;\nBEGIN\nEND.");
  ASSERT_EQ(c.flag, 1);
  EXPECT_NE(c.message.find(kTooBig), std::string::npos);
  c = compile("PROGRAM T;\nTYPE R = RECORD a: ARRAY[1..60000] OF REAL; END;\nVAR v: ARRAY[1..60000] OF R;\nBEGIN\nEND.");
  ASSERT_EQ(c.flag, 1);
  EXPECT_NE(c.message.find(kTooBig), std::string::npos);
}

TEST(Limits, CodeBeyondTheMemoryIsACompileError) {
  std::string text = "PROGRAM T;\nVAR x: REAL;\nBEGIN\n";
  for (int i = 0; i < 20000; ++i) text += "x := x + x + x + x + x + x + x + x;\n";
  text += "END.\n";
  Compiled c = compile(text);
  ASSERT_EQ(c.flag, 1);
  EXPECT_NE(c.message.find(kTooBig), std::string::npos);
}

TEST(Limits, DeepNestingIsACompileError) {
  std::string text = "PROGRAM T;\nVAR i: INTEGER;\nBEGIN\n";
  for (int i = 0; i < 400; ++i) text += "IF i = 0 THEN\n";
  text += "i := 1;\nEND.\n";
  Compiled c = compile(text);
  ASSERT_EQ(c.flag, 1);
  EXPECT_NE(c.message.find(text::cp1252("aninhados demais")), std::string::npos) << c.message;
  // BEGIN blocks, one a line from line 4: the 251st goes too deep, far below
  // the last token with a value.
  text = "PROGRAM T;\nVAR i: INTEGER;\nBEGIN\n";
  for (int i = 0; i < 300; ++i) text += "BEGIN\n";
  text += "i := 1;\n";
  for (int i = 0; i < 300; ++i) text += "END;\n";
  c = compile(text + "END.\n");
  ASSERT_EQ(c.flag, 1);
  EXPECT_EQ(c.line, 254) << c.message;
}

TEST(Limits, ModerateNestingCompiles) {
  std::string text = "PROGRAM T;\nVAR i: INTEGER;\nBEGIN\n";
  for (int i = 0; i < 100; ++i) text += "IF i = 0 THEN\n";
  text += "i := (((((((((1)))))))));\nEND.\n";
  EXPECT_EQ(compile(text).flag, 0);
}

TEST(Messages, WrongArgumentCountQuotesTheDeclaredCount) {
  Compiled c = compile("PROGRAM T;\nPROCEDURE P(a, b, c: INTEGER);\nBEGIN\nEND;\nBEGIN\n  P(1);\nEND.");
  ASSERT_EQ(c.flag, 1);
  EXPECT_EQ(c.line, 6);
  EXPECT_EQ(c.message, text::cp1252(" => Erro semântico na linha 6...# => Sao esperado(s) 3 parâmetro(s) para o subprograma!"));
}

struct Rejected {
  const char* name;
  const char* text;
  int line;
  const char* message;  // UTF-8, after the header
};

const Rejected kRejected[] = {
    {"BooleanArgumentForInteger", "PROGRAM T;\nVAR i: INTEGER;\nPROCEDURE P(a: INTEGER); BEGIN END;\nBEGIN\n  P(i > 0);\nEND.", 5,
     " => Passagem de parâmetros com tipos incompatíveis!"},
    {"IntegerVariableForVarReal", "PROGRAM T;\nVAR i: INTEGER;\nPROCEDURE P(VAR r: REAL); BEGIN END;\nBEGIN\n  P(i);\nEND.", 5,
     " => Passagem de parâmetros com tipos incompatíveis!"},
    {"ShortStringForVarString", "PROGRAM T;\nVAR s: STRING[10];\nPROCEDURE P(VAR t: STRING); BEGIN END;\nBEGIN\n  P(s);\nEND.", 5,
     " => Passagem de parâmetros com tipos incompatíveis!"},
    {"OtherBoundsForVarArray",
     "PROGRAM T;\nTYPE V = ARRAY[1..5] OF INTEGER;\nVAR a: ARRAY[0..4] OF INTEGER;\nPROCEDURE P(VAR w: V); BEGIN END;\nBEGIN\n  P(a);\nEND.", 6,
     " => Passagem de parâmetros com tipos incompatíveis!"},
    {"ExpressionByReference", "PROGRAM T;\nVAR i: INTEGER;\nPROCEDURE P(VAR v: INTEGER); BEGIN END;\nBEGIN\n  P(i + 1);\nEND.", 5,
     " => Apenas variáveis podem ser passadas por referência para um subprograma!"},
    {"ConstantByReference", "PROGRAM T;\nCONST N = 1;\nPROCEDURE P(VAR v: INTEGER); BEGIN END;\nBEGIN\n  P(N);\nEND.", 5,
     " => Apenas variáveis podem ser passadas por referência para um subprograma!"},
    {"NestedCallArgumentChecked", "PROGRAM T;\nFUNCTION F(a: INTEGER; b: STRING): INTEGER; BEGIN F := a; END;\nBEGIN\n  WRITELN(F(F(1, 'x'), 2));\nEND.", 4,
     " => Passagem de parâmetros com tipos incompatíveis!"},
    {"ComparingRecords", "PROGRAM T;\nTYPE R = RECORD a: INTEGER; END;\nVAR x, y: R;\nBEGIN\n  IF x = y THEN;\nEND.", 5, ""},
};

class RejectedTest : public ::testing::TestWithParam<Rejected> {};

TEST_P(RejectedTest, ReportsTheFirstErrorAndItsLine) {
  const Rejected& r = GetParam();
  Compiled c = compile(r.text);
  ASSERT_EQ(c.flag, 1);
  if (*r.message == 0) return;  // only that it is refused
  EXPECT_EQ(c.line, r.line);
  EXPECT_EQ(text::cp1252ToUtf8(c.message),
            " => Erro semântico na linha " + std::to_string(r.line) + "...#" + r.message);
}

INSTANTIATE_TEST_SUITE_P(Translator, RejectedTest, ::testing::ValuesIn(kRejected),
                         [](const ::testing::TestParamInfo<Rejected>& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace kau::testing
