// The parser through ParseProgram: the lists it leaves for the translator,
// its error texts and lines, and its robustness.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "compiler/parser.h"
#include "compiler/symbol_table.h"
#include "tests/parser/derivation.h"
#include "text/code_pages.h"

namespace kau {
namespace {

const std::vector<int> kValuedKinds = {2, 3, 7, 8, 9, 10, 11, 15, 24, 25, 26, 27, 28, 30, 52, 58, 59, 60, 61, 64};

// One compilation's parse, with the tables and lists emptied afterwards as
// the compiler driver does.
struct Parsed {
  int flag = 0;
  std::string message;   // UTF-8
  int line = 0;
  std::vector<int> productions;
  std::vector<int> values;
};

Parsed parse(const std::string& utf8Program) {
  const std::string text = text::sourceToCp1252(utf8Program);
  Parsed r;
  r.flag = ParseProgram(text.c_str());
  r.message = text::cp1252ToUtf8(GetParseMessage());
  r.line = GetParseErrorLine();
  for (int v : ProductionList.Remaining()) r.productions.push_back(v);
  for (int v : ValueQueue.Remaining()) r.values.push_back(v);
  ClearSymbolTable();
  ClearRealTable();
  FreeValueQueue();
  FreeProductionList();
  return r;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(Parser, SmallestProgramLeavesItsListsForTheTranslator) {
  const std::string text = "PROGRAM T; BEGIN END.";
  ASSERT_EQ(ParseProgram(text.c_str()), 0);
  EXPECT_EQ(ProductionList.Remaining(), (std::vector<std::int32_t>{10, 22, 48, 6, 65}));
  EXPECT_EQ(ValueQueue.Remaining(), (std::vector<std::int32_t>{68, 0, 1, 84, 0, 1}));
  // The translator takes them one by one from the head.
  EXPECT_EQ(PopInt(ProductionList), 10);
  EXPECT_EQ(PopInt(ValueQueue), 68);
  EXPECT_EQ(PopInt(ValueQueue), 0);
  EXPECT_EQ(PopInt(ValueQueue), 1);
  FreeValueQueue();
  FreeProductionList();
  EXPECT_EQ(PopInt(ValueQueue), 0);
  EXPECT_EQ(PopInt(ProductionList), 0);
  ClearSymbolTable();
  ClearRealTable();
}

TEST(Parser, CorpusUsesEveryProduction) {
  std::vector<int> counts(144, 0);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(KAU_PARSER_CORPUS)) {
    if (entry.path().extension() != ".pas") continue;
    ++files;
    SCOPED_TRACE(entry.path().filename().string());
    const Parsed r = parse(readFile(entry.path()));
    ASSERT_EQ(r.flag, 0) << r.message;
    auto tree = testing::RebuildDerivation(r.productions);
    ASSERT_NE(tree, nullptr) << "the production list is not one derivation";
    testing::CountProductions(*tree, counts);
    // Three queue entries per valued token, the line last.
    ASSERT_EQ(r.values.size() % 3, 0u);
    EXPECT_EQ(testing::CountValuedTerminals(*tree, kValuedKinds) * 3, static_cast<int>(r.values.size()));
  }
  EXPECT_GE(files, 1);
  for (int p = 1; p <= 143; ++p) EXPECT_GT(counts[p], 0) << "production " << p << " never used";
}

TEST(Parser, ElseBelongsToTheNearestIf) {
  const Parsed r = parse("PROGRAM T; VAR A, B: BOOLEAN; X: INTEGER;\n"
                         "BEGIN IF A THEN IF B THEN X := 1 ELSE X := 2; END.");
  ASSERT_EQ(r.flag, 0) << r.message;
  auto tree = testing::RebuildDerivation(r.productions);
  ASSERT_NE(tree, nullptr);
  // Walk down to the first statement: start, program, compound_statement,
  // statement_list_opt, statement_list, statement.
  const testing::DerivationNode* n = tree.get();
  n = n->children[0].get();               // program
  n = n->children[2].get();               // compound_statement
  n = n->children[0].get();               // statement_list_opt
  n = n->children[0].get();               // statement_list: statement ";"
  ASSERT_EQ(n->production, 66);
  n = n->children[0].get();
  EXPECT_EQ(n->production, 72);            // the outer IF has no ELSE
  ASSERT_EQ(n->children.size(), 2u);
  EXPECT_EQ(n->children[1]->production, 73);   // the inner one has it
}

struct ErrorCase {
  const char* name;
  const char* program;
  int line;
  const char* message;
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.name; }

class ParserErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParserErrors, MessageAndLine) {
  const ErrorCase& c = GetParam();
  const Parsed r = parse(c.program);
  EXPECT_EQ(r.flag, 1);
  EXPECT_EQ(r.message, c.message);
  EXPECT_EQ(r.line, c.line);
  EXPECT_TRUE(r.productions.empty()) << "no production list after a failed parse";
}

const std::string kId128(128, 'A');
const std::string kId127(127, 'B');

INSTANTIATE_TEST_SUITE_P(
    Texts, ParserErrors,
    ::testing::Values(
        ErrorCase{"MissingSemicolonBeforeEnd", "PROGRAM T;\nVAR X: INTEGER;\nBEGIN\n  X := 1\nEND.", 4,
                  " => Erro sintático na linha 4...# => Faltou um ponto e vírgula no fim dessa linha? "},
        ErrorCase{"SemicolonBeforeElse", "PROGRAM T;\nBEGIN\n  IF TRUE THEN\n    WRITELN;\n  ELSE\nEND.", 4,
                  " => Erro sintático na linha 4...# => Antes de um ELSE não pode vir ponto e vírgula!"},
        ErrorCase{"Uses", "PROGRAM T;\nuses crt;\nBEGIN\nEND.", 2,
                  " => Erro sintático na linha 2...# => O compilador não implementa USES, mas suporta "
                  "funções CRT. Comente essa linha! "},
        ErrorCase{"UsesBeforeTheHeader", "USES CRT;\nBEGIN\nEND.", 1,
                  " => Erro sintático na linha 1...# => O compilador não implementa USES, mas suporta "
                  "funções CRT. Comente essa linha! "},
        ErrorCase{"FirstTokenBegin", "\n\nBEGIN\nEND.", 3, " => Erro sintático na linha 3...# => 'BEGIN' não esperado!"},
        ErrorCase{"EmptyText", "", 1, " => Erro sintático na linha 1...# => 'FIM DE ARQUIVO' não esperado!"},
        ErrorCase{"Caret", "PROGRAM T;\nBEGIN\n  ^\nEND.", 3, " => Erro sintático na linha 3...# => '^' não esperado!"},
        ErrorCase{"At", "PROGRAM T;\nBEGIN\n  @\nEND.", 3, " => Erro sintático na linha 3...# => '@' não esperado!"},
        ErrorCase{"Not", "PROGRAM T;\nBEGIN\n  NOT\nEND.", 3, " => Erro sintático na linha 3...# => 'NOT' não esperado!"},
        ErrorCase{"Nil", "PROGRAM T;\nBEGIN\n  NIL\nEND.", 3, " => Erro sintático na linha 3...# => 'NIL' não esperado!"},
        ErrorCase{"Then", "PROGRAM T;\nBEGIN\n  THEN\nEND.", 3, " => Erro sintático na linha 3...# => 'THEN' não esperado!"},
        ErrorCase{"Identifier", "PROGRAM T;\nVAR X: INTEGER;\nBEGIN\n  X Y\nEND.", 4,
                  " => Erro sintático na linha 4...# => 'Y' não esperado!"},
        ErrorCase{"Number", "PROGRAM 12;", 1, " => Erro sintático na linha 1...# => '12' não esperado!"},
        ErrorCase{"Real", "PROGRAM 123.45;", 1, " => Erro sintático na linha 1...# => '1.2345E+2' não esperado!"},
        ErrorCase{"ColourName", "PROGRAM T;\nVAR Red: INTEGER;", 2, " => Erro sintático na linha 2...# => 'RED' não esperado!"},
        ErrorCase{"String", "PROGRAM 'abc';", 1, " => Erro sintático na linha 1...# => 'abc' não esperado!"},
        ErrorCase{"Char", "PROGRAM 'a';", 1, " => Erro sintático na linha 1...# => 'a' não esperado!"},
        ErrorCase{"True", "PROGRAM true;", 1, " => Erro sintático na linha 1...# => 'TRUE' não esperado!"},
        ErrorCase{"False", "PROGRAM False;", 1, " => Erro sintático na linha 1...# => 'FALSE' não esperado!"},
        ErrorCase{"Minus", "PROGRAM -", 1, " => Erro sintático na linha 1...# => '-' não esperado!"},
        ErrorCase{"Or", "PROGRAM or", 1, " => Erro sintático na linha 1...# => 'OR' não esperado!"},
        ErrorCase{"Relop", "PROGRAM <>", 1, " => Erro sintático na linha 1...# => '<>' não esperado!"},
        ErrorCase{"Mulop", "PROGRAM mod", 1, " => Erro sintático na linha 1...# => 'MOD' não esperado!"},
        ErrorCase{"StandardFunction", "PROGRAM upcase", 1, " => Erro sintático na linha 1...# => 'UPCASE' não esperado!"},
        ErrorCase{"Becomes", "PROGRAM :=", 1, " => Erro sintático na linha 1...# => ':=' não esperado!"},
        ErrorCase{"FileOperationMissingSemicolon", "PROGRAM T;\nBEGIN\n  WRITELN\n  rewrite(F);\nEND.", 3,
                  " => Erro sintático na linha 3...# => Faltou um ponto e vírgula no fim dessa linha? "},
        ErrorCase{"UnexpectedEnd", "PROGRAM T;\nBEGIN\n  WRITELN(", 3,
                  " => Erro sintático na linha 3...# => 'FIM DE ARQUIVO' não esperado!"},
        ErrorCase{"TextAfterTheEnd", "PROGRAM T;\nBEGIN\nEND.\nX", 4, " => Erro sintático na linha 4...# => 'X' não esperado!"},
        ErrorCase{"LexicalErrorOnTheFirstToken", "%", 1,
                  " => Erro léxico na linha 1...# => O símbolo '%' não foi reconhecido pelo compilador"},
        ErrorCase{"IntegerTooLarge", "PROGRAM T;\nBEGIN\n  WRITELN(2147483648);\nEND.", 3,
                  " => Erro léxico na linha 3...# => A constante inteira excede o valor máximo/mínimo"}),
    [](const ::testing::TestParamInfo<ErrorCase>& test) { return std::string(test.param.name); });

TEST(Parser, LongestAcceptedLiteralsParse) {
  for (const std::string& program :
       {std::string("PROGRAM T; VAR X: INTEGER; BEGIN X := 2147483647; X := -2147483647; END."),
        std::string("PROGRAM T; VAR R: REAL; BEGIN R := 3.4E38; R := 1E-99; END."),
        "PROGRAM T; VAR " + kId127 + ": INTEGER; BEGIN " + kId127 + " := 1; END."}) {
    const Parsed r = parse(program);
    EXPECT_EQ(r.flag, 0) << program << "\n" << r.message;
  }
  EXPECT_EQ(parse("PROGRAM T; VAR " + kId128 + ": INTEGER; BEGIN END.").message,
            " => Erro léxico na linha 1...# => Identificador com mais de 127 caracteres");
}

TEST(Parser, ACompilationAfterAnErrorIsUnaffected) {
  const std::string good = "PROGRAM T; VAR X: INTEGER; BEGIN X := 1 + 2; WRITELN('a', X); END.";
  const Parsed fresh = parse(good);
  ASSERT_EQ(fresh.flag, 0);
  for (const char* bad : {"PROGRAM T; BEGIN X := ( 1 + ; END.", "PROGRAM T; BEGIN { aberto", "PROGRAM T; BEGIN IF X THEN"}) {
    // The error leaves its lists behind; the driver has not freed them yet.
    ASSERT_EQ(ParseProgram(text::cp1252(bad).c_str()), 1);
    const Parsed again = parse(good);
    EXPECT_EQ(again.flag, 0);
    EXPECT_EQ(again.message, "");
    EXPECT_EQ(again.line, 0);
    EXPECT_EQ(again.productions, fresh.productions);
    EXPECT_EQ(again.values, fresh.values);
  }
}

TEST(Parser, NullTextIsAnEmptyProgram) {
  EXPECT_EQ(ParseProgram(nullptr), 1);
  EXPECT_EQ(text::cp1252ToUtf8(GetParseMessage()),
            " => Erro sintático na linha 1...# => 'FIM DE ARQUIVO' não esperado!");
  FreeValueQueue();
}

// Nesting far deeper than any native stack could follow by recursion.
TEST(Parser, DeepNestingParses) {
  constexpr int depth = 200000;
  std::string blocks = "PROGRAM T; BEGIN ";
  for (int i = 0; i < depth; ++i) blocks += "BEGIN ";
  for (int i = 0; i < depth; ++i) blocks += "END; ";
  blocks += "END.";
  Parsed r = parse(blocks);
  EXPECT_EQ(r.flag, 0) << r.message;
  EXPECT_GT(r.productions.size(), static_cast<std::size_t>(depth));

  std::string parens = "PROGRAM T; VAR X: INTEGER; BEGIN X := ";
  for (int i = 0; i < depth; ++i) parens += "(";
  parens += "1";
  for (int i = 0; i < depth; ++i) parens += ")";
  parens += "; END.";
  r = parse(parens);
  EXPECT_EQ(r.flag, 0) << r.message;

  std::string ifs = "PROGRAM T; VAR B: BOOLEAN; BEGIN ";
  for (int i = 0; i < depth; ++i) ifs += "IF B THEN ";
  ifs += "B := TRUE ELSE B := FALSE; END.";
  r = parse(ifs);
  EXPECT_EQ(r.flag, 0) << r.message;

  // Unbalanced: an error, not a crash.
  r = parse(std::string("PROGRAM T; BEGIN ") + std::string(depth, '('));
  EXPECT_EQ(r.flag, 1);
}

TEST(Parser, ManyStatementsQueueInSourceOrder) {
  constexpr int count = 100000;
  std::string program = "PROGRAM T; VAR X: INTEGER; BEGIN\n";
  for (int i = 0; i < count; ++i) program += "X := " + std::to_string(i) + ";\n";
  program += "END.";
  const Parsed r = parse(program);
  ASSERT_EQ(r.flag, 0) << r.message;
  // PROGRAM, T, X and INTEGER first; then per statement X (bucket, index,
  // line) and the number (value, -1, line).
  ASSERT_EQ(r.values.size(), static_cast<std::size_t>(3 * (4 + 2 * count)));
  for (int i = 0; i < count; i += 9973) {
    const std::size_t at = 12 + 6 * static_cast<std::size_t>(i);
    EXPECT_EQ(r.values[at + 2], i + 2);
    EXPECT_EQ(r.values[at + 3], i);
    EXPECT_EQ(r.values[at + 4], -1);
    EXPECT_EQ(r.values[at + 5], i + 2);
  }
}

}  // namespace
}  // namespace kau
