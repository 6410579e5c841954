#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/error_messages.h"
#include "text/code_pages.h"

namespace kau {
namespace {

using text::cp1252;
using text::cp1252ToUtf8;

TEST(ErrorMessages, Lexical) {
  struct Case {
    int code;
    int line;
    char current;
    std::string expected;  // UTF-8
  };
  const std::vector<Case> cases = {
      {1, 4, 'x', " => Erro léxico na linha 4...# => Comentário aberto com fim de arquivo inesperado"},
      {2, 1, 'x', " => Erro léxico na linha 1...# => Cadeia com mais de 255 caracteres"},
      {3, 12, 'x', " => Erro léxico na linha 12...# => Cadeia aberta com fim de arquivo inesperado"},
      {5, 1, 'x', " => Erro léxico na linha 1...# => A constante inteira excede o valor máximo/mínimo"},
      {6, 7, 'x', " => Erro léxico na linha 7...# => Constante real inválida"},
      {7, 1, 'x', " => Erro léxico na linha 1...# => A constante real excede o valor máximo/mínimo"},
      {8, 1, 'x', " => Erro léxico na linha 1...# => Identificador com mais de 127 caracteres"},
      {9, 3, 'x', " => Erro léxico na linha 3...# => Foi encontrado um } "},
      {10, 2, '$', " => Erro léxico na linha 2...# => O símbolo '$' não foi reconhecido pelo compilador"},
      {10, 2, '\xA7', " => Erro léxico na linha 2...# => O símbolo '§' não foi reconhecido pelo compilador"},
      {11, 1, 'x', " => Erro léxico na linha 1...# => O argumento para o operador # deve ter o tipo inteiro!"},
      {12, 1, 'x', " => Erro léxico na linha 1...# => O operador # deve ser seguido de uma constante inteira!"},
      {4, 5, 'x', " => Erro léxico na linha 5...#"},
      {13, 5, 'x', " => Erro léxico na linha 5...#"},
      {0, 1234567, 'x', " => Erro léxico na linha 1234567...#"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cp1252ToUtf8(LexicalErrorMessage(c.code, c.line, c.current)), c.expected) << c.code;
}

TEST(ErrorMessages, LexicalTextSplitsAtItsFirstHash) {
  const std::string text = cp1252ToUtf8(LexicalErrorMessage(11, 7, 'x'));
  const std::size_t hash = text.find('#');
  EXPECT_EQ(text.substr(0, hash), " => Erro léxico na linha 7...");
  EXPECT_EQ(text.substr(hash + 1), " => O argumento para o operador # deve ter o tipo inteiro!");
}

TEST(ErrorMessages, Syntax) {
  struct Case {
    int kind;
    int line;
    std::string token;
    std::string expected;  // UTF-8
  };
  const std::vector<Case> cases = {
      {1, 3, "THEN", " => Erro sintático na linha 3...# => 'THEN' não esperado!"},
      {2, 9, "", " => Erro sintático na linha 9...# => Antes de um ELSE não pode vir ponto e vírgula!"},
      {3, 1, "", " => Erro sintático na linha 1...# => Faltou um ponto e vírgula no fim dessa linha? "},
      {4, 2, "",
       " => Erro sintático na linha 2...# => O compilador não implementa USES, mas suporta funções CRT. "
       "Comente essa linha! "},
      {0, 2, "X", " => Erro sintático na linha 2...# =>"},
      {5, 2, "X", " => Erro sintático na linha 2...# =>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cp1252ToUtf8(SyntaxErrorMessage(c.kind, c.line, c.token)), c.expected) << c.kind;
  // The spelled token is taken as it is, in code page 1252.
  EXPECT_EQ(SyntaxErrorMessage(1, 1, "\xE9"), cp1252(" => Erro sintático na linha 1...# => 'é' não esperado!"));
}

TEST(ErrorMessages, SemanticEveryCode) {
  struct Case {
    int code;
    std::string a;
    std::string b;
    std::string expected;  // the message after the header, UTF-8
  };
  const std::vector<Case> cases = {
      {1, "ALFA", "BETA", " => Identificador 'ALFA' duplicado no escopo 'BETA'!"},
      {2, "ALFA", "BETA", " => O identificador 'ALFA' não foi declarado dentro do escopo para a função BETA!"},
      {6, "ALFA", "BETA", " => O parâmetro 'ALFA' deve ser do tipo STRING!"},
      {7, "ALFA", "BETA", " => O parâmetro 'ALFA' para o comando ASSIGN deve ser do tipo TEXT!"},
      {8, "ALFA", "BETA", " => O campo 'ALFA' não pertence ao registro 'BETA'!"},
      {9, "ALFA", "BETA", " => O parâmetro 'ALFA' deve ser do tipo TEXT!"},
      {10, "ALFA", "BETA", " => Referência incorreta, 'ALFA' é um vetor!"},
      {11, "3", "BETA", " => É esperada a referência a 3 intervalos para o vetor BETA!"},
      {12, "ALFA", "BETA", " => Identificador 'ALFA' inválido neste contexto!"},
      {13, "ALFA", "BETA", " => Não são válidas cores do tipo real!"},
      {14, "ALFA", "BETA", " => Overflow de inteiro gerado pelo excesso de cores para o comando!"},
      {15, "ALFA", "BETA", " => Os tipos dos operandos na expressão devem ser compativeis!"},
      {16, "ALFA", "BETA", " => Os operandos da expressão devem ter tipos numéricos compatíveis!"},
      {17, "ALFA", "BETA", " => Chamada de procedimento inválida!"},
      {18, "ALFA", "BETA", " => Função inválida na expressão!"},
      {19, "ALFA", "BETA", " => Expressão booleana esperada!"},
      {20, "ALFA", "BETA", " => Expressão inteira esperada!"},
      {21, "2", "BETA", " => Sao esperado(s) 2 parâmetro(s) para o subprograma!"},
      {22, "ALFA", "BETA", " => A variável usada no comando deve ter o tipo inteiro!"},
      {23, "ALFA", "2", " => O vetor 'ALFA' tem '2' dimensões !"},
      {24, "ALFA", "BETA", " => As cores devem ter valores inteiros!"},
      {25, "ALFA", "BETA", " => Esperada a referência a um campo do registro 'ALFA'!"},
      {26, "ALFA", "BETA", " => A função 'ALFA' não pode retornar no escopo de 'BETA'!"},
      {27, "ALFA", "BETA", " => Atribuição com tipos de dados incompativeis!"},
      {28, "4", "BETA", " => O parâmetro de número '4' passado para a função 'BETA' não é do tipo esperado!"},
      {29, "1", "BETA", " => O índice de número '1' do vetor deve ser do tipo inteiro!"},
      {30, "ALFA", "BETA", " => Uma constante não pode receber valores!"},
      {31, "ALFA", "BETA", " => O identificador 'ALFA' não é uma variavel!"},
      {32, "ALFA", "BETA", " => O identificador 'ALFA' não é um tipo definido!"},
      {33, "ALFA", "BETA", " => Cadeias podem ter um máximo de 255 caracteres!"},
      {34, "ALFA", "BETA", " => Somente o primeiro argumento da função write pode ter o tipo TEXT!"},
      {35, "ALFA", "BETA", " => A operação de negação é suportada apenas por tipos numéricos!"},
      {36, "ALFA", "BETA", " => O operador NOT é suportado apenas por expressões do tipo booleano!"},
      {37, "ALFA", "BETA", " => Nenhum operando para a comparação pode ter o tipo booleano!"},
      {38, "ALFA", "BETA", " => O argumento passado ao comando deve ter o tipo inteiro!"},
      {39, "ALFA", "BETA", " => O argumento da função CHR deve ter o tipo caracter!"},
      {40, "ALFA", "BETA", " => O argumento da função ODD deve ter o tipo inteiro!"},
      {41, "ALFA", "BETA", " => O argumento da função SUCC deve ter o tipo inteiro ou caracter!"},
      {42, "ALFA", "BETA", " => O argumento da função PRED deve ter o tipo inteiro ou caracter!"},
      {43, "ALFA", "BETA", " => O argumento da função LN deve ter um tipo numérico!"},
      {44, "ALFA", "BETA", " => O argumento da função EXP deve ter um tipo numérico!"},
      {45, "ALFA", "BETA", " => O argumento da função SQR deve ter um tipo numérico!"},
      {46, "ALFA", "BETA", " => O argumento da função SQRT deve ter um tipo numérico!"},
      {47, "ALFA", "BETA", " => O argumento da função ABS deve ter um tipo numérico!"},
      {48, "ALFA", "BETA", " => O argumento da função TRUNC deve ter um tipo numérico!"},
      {49, "ALFA", "BETA", " => O argumento da função ROUND deve ter um tipo numérico!"},
      {50, "ALFA", "BETA", " => O argumento da função SIN deve ter um tipo numérico!"},
      {51, "ALFA", "BETA", " => O argumento da função COS deve ter um tipo numérico!"},
      {52, "ALFA", "BETA", " => O argumento da função ARCTAN deve ter um tipo numérico!"},
      {53, "ALFA", "BETA", " => O comando INC espera como argumento uma variável do tipo inteiro ou char!"},
      {54, "ALFA", "BETA", " => O comando DEC espera como argumento uma variável do tipo inteiro ou char!"},
      {55, "ALFA", "BETA", "  => ':' não esperado!"},
      {56, "ALFA", "BETA", "  => Os parâmetros de formatação do write devem ser do tipo inteiro!"},
      {57, "ALFA", "BETA", " => A variável usada no comando for deve ter o tipo inteiro, caracter ou enumeracao!"},
      {58, "ALFA", "BETA", " => Expressão do tipo char esperada!"},
      {59, "ALFA", "BETA", " => A variável e as expressões do comando for devem ser de tipos compativeis!"},
      {60, "ALFA", "BETA", " => A referência ao elemento da cadeia deve ser da forma [expressão inteira]!"},
      {61, "ALFA", "BETA", " => Apenas variáveis podem ser passadas por referência para um subprograma!"},
      {62, "ALFA", "BETA", " => Não é permitida a referência a intervalos do vetor nessa passagem de parâmetros!"},
      {63, "ALFA", "BETA", " => Passagem de parâmetros com tipos incompatíveis!"},
      {64, "ALFA", "BETA", " => O identificador ALFA não é uma constante!"},
      {65, "ALFA", "BETA", " => O subprograma não possui parâmetros!"},
      {66, "ALFA", "BETA", " => O nome do programa não pode ser usado em comandos e expressões!"},
      {67, "ALFA", "BETA", " => O argumento da função UPCASE deve ter o tipo char!"},
      {68, "ALFA", "BETA", " => O argumento da função RANDOM deve ter o tipo inteiro!"},
      {69, "ALFA", "BETA", " => A expressão do case deve ter o tipo integer ou char!"},
      {70, "ALFA", "BETA", " => As constantes do case devem ter o mesmo tipo da expressão!"},
      {71, "ALFA", "BETA", " => O argumento da função ODD deve ter o tipo inteiro!"},
      {72, "ALFA", "BETA", " => O argumento da função LENGTH deve ter o tipo string ou char!"},
      {73, "ALFA", "BETA", " => O primeiro argumento da função VAL deve ter o tipo string ou char!"},
      {74, "ALFA", "BETA", " => O segundo argumento da função VAL deve ter um tipo numérico!"},
      {75, "ALFA", "BETA", " => O terceiro argumento da função VAL deve ter o tipo integer!"},
      {76, "ALFA", "BETA", " => O comando break/continue deve estar dentro de um while, repeat ou for!"},
      {77, "ALFA", "BETA", " => Constante inválida!"},
      {78, "ALFA", "BETA", " => Expressão inválida!"},
      {79, "ALFA", "BETA", " => O identificador ALFA não é um vetor!"},
      {80, "ALFA", "BETA", " => O argumento da função ORD deve o tipo inteiro ou numeração!"},
      {81, "ALFA", "BETA", " => O argumento do comando new deve ser um ponteiro!"},
      {82, "ALFA", "BETA", " => A variável ALFA não é um ponteiro!"},
      {83, "ALFA", "BETA", " => Use ^ para acessar o conteúdo do ponteiro ALFA !"},
      {84, "ALFA", "BETA", " => O argumento do comando dispose deve ser um ponteiro!"},
      {85, "ALFA", "BETA", " => Ponteiros não podem ser lidos ou impressos!"},
      {86, "ALFA", "BETA", " => O compilador não implementa a leitura de ponteiros em arquivos!"},
      {87, "ALFA", "BETA", " => Enumerações não podem ser lidas ou impressas!"},
      {88, "ALFA", "BETA", " => Expressão do tipo char esperada!"},
  };
  ASSERT_EQ(cases.size(), 85u);
  for (const Case& c : cases) {
    const std::string expected = " => Erro semântico na linha 12...#" + c.expected;
    EXPECT_EQ(cp1252ToUtf8(SemanticErrorMessage(c.code, 12, c.a, c.b)), expected) << c.code;
  }
}

TEST(ErrorMessages, SemanticScopeWording) {
  struct Case {
    int code;
    std::string kind;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {3, "F", " => Os limites do vetor declarado dentro da função 'SOMA' devem ter o tipo inteiro!"},
      {3, "L", " => Os limites do vetor declarado dentro do registro 'SOMA' devem ter o tipo inteiro!"},
      {3, "V", " => Os limites do vetor declarado dentro do registro 'SOMA' devem ter o tipo inteiro!"},
      {4, "F", " => Limite inválido para o vetor declarado dentro da função 'SOMA'!"},
      {4, "P", " => Limite inválido para o vetor declarado dentro do registro 'SOMA'!"},
      {5, "F", " => O tamanho da cadeia definida dentro da função 'SOMA' deve ter o tipo inteiro!"},
      {5, "", " => O tamanho da cadeia definida dentro do registro 'SOMA' deve ter o tipo inteiro!"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cp1252ToUtf8(SemanticErrorMessage(c.code, 40, c.kind, "SOMA")),
              " => Erro semântico na linha 40...#" + c.expected)
        << c.code << c.kind;
}

TEST(ErrorMessages, SemanticOutsideTheListIsTheHeaderAlone) {
  for (int code : {0, 89, -1})
    EXPECT_EQ(cp1252ToUtf8(SemanticErrorMessage(code, 5, "A", "B")), " => Erro semântico na linha 5...#");
}

TEST(ErrorMessages, SplicedNamesAreNotReadAsMarks) {
  EXPECT_EQ(cp1252ToUtf8(SemanticErrorMessage(1, 1, "{B}", "X")),
            " => Erro semântico na linha 1...# => Identificador '{B}' duplicado no escopo 'X'!");
}

TEST(ErrorMessages, AppendNumberText) {
  EXPECT_EQ(AppendNumberText("linha ", 0), "linha 0");
  EXPECT_EQ(AppendNumberText("", -15), "-15");
  EXPECT_EQ(AppendNumberText("n=", 2147483647), "n=2147483647");
}

}  // namespace
}  // namespace kau
