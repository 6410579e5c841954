#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexer_test_support.h"

namespace kau {
namespace {

using testing::Scan;
using testing::scanText;

struct ErrorCase {
  std::string text;
  int line;
  std::string message;  // after the header, UTF-8
};

const std::string kIntegerRange = " => A constante inteira excede o valor máximo/mínimo";
const std::string kRealRange = " => A constante real excede o valor máximo/mínimo";
const std::string kInvalidReal = " => Constante real inválida";
const std::string kOpenComment = " => Comentário aberto com fim de arquivo inesperado";

TEST(LexerErrors, EachCodeWithItsTextAndLine) {
  const std::vector<ErrorCase> cases = {
      {"x := 2147483648;", 1, kIntegerRange},
      {"\n123456789012", 2, kIntegerRange},
      {"99999999999", 1, kIntegerRange},
      {"#2147483648", 1, kIntegerRange},
      {"a { never closed\n\n", 3, kOpenComment},
      {"a (* never closed\n", 2, kOpenComment},
      {"(*)", 1, kOpenComment},
      {"{", 1, kOpenComment},
      {"'open\nliteral", 2, " => Cadeia aberta com fim de arquivo inesperado"},
      {"1E", 1, kInvalidReal},
      {"1E+", 1, kInvalidReal},
      {"\n\n1.5E-x", 3, kInvalidReal},
      {"3.5E38", 1, kRealRange},
      {"1E39", 1, kRealRange},
      {"1E100", 1, kRealRange},
      {"0.34E39", 1, kRealRange},
      {"1E007", 1, kRealRange},
      {std::string(40, '1') + ".0", 1, kRealRange},
      {std::string(128, 'a'), 1, " => Identificador com mais de 127 caracteres"},
      {"\nx := 5 % 2", 2, " => O símbolo '%' não foi reconhecido pelo compilador"},
      {"a$b", 1, " => O símbolo '$' não foi reconhecido pelo compilador"},
      {"a \"b\"", 1, " => O símbolo '\"' não foi reconhecido pelo compilador"},
      {"ma\xE7\xE3", 1, " => O símbolo 'ç' não foi reconhecido pelo compilador"},
      {"\n\nx := 1 }", 3, " => Foi encontrado um } "},
      {"#65..#90", 1, " => O argumento para o operador # deve ter o tipo inteiro!"},
      {"#65.5", 1, " => O argumento para o operador # deve ter o tipo inteiro!"},
      {"#1E5", 1, " => O argumento para o operador # deve ter o tipo inteiro!"},
      {"#A", 1, " => O operador # deve ser seguido de uma constante inteira!"},
      {"x #", 1, " => O operador # deve ser seguido de uma constante inteira!"},
      // The line is the one the scan stands on when the error is found: a
      // line feed already read counts, one stepped back over does not.
      {"1E\nx", 2, kInvalidReal},
      {"1E-\n5", 2, kInvalidReal},
      {"x := #\n65", 2, " => O operador # deve ser seguido de uma constante inteira!"},
      {"1E100\nx", 1, kRealRange},
      {"2147483648\nx", 1, kIntegerRange},
      {"1.5E39\n", 1, kRealRange},
      {"'open\n", 2, " => Cadeia aberta com fim de arquivo inesperado"},
      {"(* open\r\n*", 2, kOpenComment},
  };
  for (const ErrorCase& c : cases) {
    Scan scan;
    scanText(scan, c.text);
    ASSERT_TRUE(scan.error) << c.text;
    EXPECT_EQ(scan.message, " => Erro léxico na linha " + std::to_string(c.line) + "...#" + c.message) << c.text;
    EXPECT_EQ(scan.errorLine, c.line) << c.text;
  }
}

TEST(LexerErrors, LimitsThatAreStillAccepted) {
  for (const std::string& text : std::vector<std::string>{"2147483647", "00000000000000000001", "3.4E38", "1E-99", "1E38", "#255",
                                 std::string(39, '1') + ".0", std::string(127, 'a')}) {
    Scan scan;
    scanText(scan, text);
    EXPECT_FALSE(scan.error) << text << ": " << scan.message;
  }
}

TEST(LexerErrors, ErrorClearsTextAndValue) {
  SymbolTable symbols;
  RealConstantTable reals;
  Lexico lexer("x 2147483648", symbols, reals);
  EXPECT_EQ(lexer.ReadToken(), TK_ID);
  EXPECT_FALSE(lexer.HasError());
  EXPECT_EQ(lexer.GetErrorMessage(), "");
  lexer.ReadToken();
  EXPECT_TRUE(lexer.HasError());
  EXPECT_EQ(lexer.GetTokenText(), "");
  EXPECT_EQ(lexer.GetValue(), 0);
}

}  // namespace
}  // namespace kau
