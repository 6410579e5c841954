#include "compiler/error_messages.h"

#include <initializer_list>
#include <iterator>

#include "text/code_pages.h"

namespace kau {

namespace {

struct CodeText {
  int code;
  const char* text;
};

constexpr CodeText kLexicalTexts[] = {
    {1, " => Comentário aberto com fim de arquivo inesperado"},
    {2, " => Cadeia com mais de 255 caracteres"},
    {3, " => Cadeia aberta com fim de arquivo inesperado"},
    {5, " => A constante inteira excede o valor máximo/mínimo"},
    {6, " => Constante real inválida"},
    {7, " => A constante real excede o valor máximo/mínimo"},
    {8, " => Identificador com mais de 127 caracteres"},
    {9, " => Foi encontrado um } "},
    {10, " => O símbolo '{C}' não foi reconhecido pelo compilador"},
    {11, " => O argumento para o operador # deve ter o tipo inteiro!"},
    {12, " => O operador # deve ser seguido de uma constante inteira!"},
};

constexpr const char* kSyntaxTexts[] = {
    " '{T}' não esperado!",
    " Antes de um ELSE não pode vir ponto e vírgula!",
    " Faltou um ponto e vírgula no fim dessa linha? ",
    " O compilador não implementa USES, mas suporta funções CRT. Comente essa linha! ",
};

// Index = code - 1. {A} and {B} mark where the names or numbers go.
constexpr const char* kSemanticTexts[kLastSemanticErrorCode] = {
    " => Identificador '{A}' duplicado no escopo '{B}'!",  // 1
    " => O identificador '{A}' não foi declarado dentro do escopo para a função {B}!",  // 2
    "",  // 3: function or record wording, below
    "",  // 4: function or record wording, below
    "",  // 5: function or record wording, below
    " => O parâmetro '{A}' deve ser do tipo STRING!",  // 6
    " => O parâmetro '{A}' para o comando ASSIGN deve ser do tipo TEXT!",  // 7
    " => O campo '{A}' não pertence ao registro '{B}'!",  // 8
    " => O parâmetro '{A}' deve ser do tipo TEXT!",  // 9
    " => Referência incorreta, '{A}' é um vetor!",  // 10
    " => É esperada a referência a {A} intervalos para o vetor {B}!",  // 11
    " => Identificador '{A}' inválido neste contexto!",  // 12
    " => Não são válidas cores do tipo real!",  // 13
    " => Overflow de inteiro gerado pelo excesso de cores para o comando!",  // 14
    " => Os tipos dos operandos na expressão devem ser compativeis!",  // 15
    " => Os operandos da expressão devem ter tipos numéricos compatíveis!",  // 16
    " => Chamada de procedimento inválida!",  // 17
    " => Função inválida na expressão!",  // 18
    " => Expressão booleana esperada!",  // 19
    " => Expressão inteira esperada!",  // 20
    " => Sao esperado(s) {A} parâmetro(s) para o subprograma!",  // 21
    " => A variável usada no comando deve ter o tipo inteiro!",  // 22
    " => O vetor '{A}' tem '{B}' dimensões !",  // 23
    " => As cores devem ter valores inteiros!",  // 24
    " => Esperada a referência a um campo do registro '{A}'!",  // 25
    " => A função '{A}' não pode retornar no escopo de '{B}'!",  // 26
    " => Atribuição com tipos de dados incompativeis!",  // 27
    " => O parâmetro de número '{A}' passado para a função '{B}' não é do tipo esperado!",  // 28
    " => O índice de número '{A}' do vetor deve ser do tipo inteiro!",  // 29
    " => Uma constante não pode receber valores!",  // 30
    " => O identificador '{A}' não é uma variavel!",  // 31
    " => O identificador '{A}' não é um tipo definido!",  // 32
    " => Cadeias podem ter um máximo de 255 caracteres!",  // 33
    " => Somente o primeiro argumento da função write pode ter o tipo TEXT!",  // 34
    " => A operação de negação é suportada apenas por tipos numéricos!",  // 35
    " => O operador NOT é suportado apenas por expressões do tipo booleano!",  // 36
    " => Nenhum operando para a comparação pode ter o tipo booleano!",  // 37
    " => O argumento passado ao comando deve ter o tipo inteiro!",  // 38
    " => O argumento da função CHR deve ter o tipo caracter!",  // 39
    " => O argumento da função ODD deve ter o tipo inteiro!",  // 40
    " => O argumento da função SUCC deve ter o tipo inteiro ou caracter!",  // 41
    " => O argumento da função PRED deve ter o tipo inteiro ou caracter!",  // 42
    " => O argumento da função LN deve ter um tipo numérico!",  // 43
    " => O argumento da função EXP deve ter um tipo numérico!",  // 44
    " => O argumento da função SQR deve ter um tipo numérico!",  // 45
    " => O argumento da função SQRT deve ter um tipo numérico!",  // 46
    " => O argumento da função ABS deve ter um tipo numérico!",  // 47
    " => O argumento da função TRUNC deve ter um tipo numérico!",  // 48
    " => O argumento da função ROUND deve ter um tipo numérico!",  // 49
    " => O argumento da função SIN deve ter um tipo numérico!",  // 50
    " => O argumento da função COS deve ter um tipo numérico!",  // 51
    " => O argumento da função ARCTAN deve ter um tipo numérico!",  // 52
    " => O comando INC espera como argumento uma variável do tipo inteiro ou char!",  // 53
    " => O comando DEC espera como argumento uma variável do tipo inteiro ou char!",  // 54
    "  => ':' não esperado!",  // 55
    "  => Os parâmetros de formatação do write devem ser do tipo inteiro!",  // 56
    " => A variável usada no comando for deve ter o tipo inteiro, caracter ou enumeracao!",  // 57
    " => Expressão do tipo char esperada!",  // 58
    " => A variável e as expressões do comando for devem ser de tipos compativeis!",  // 59
    " => A referência ao elemento da cadeia deve ser da forma [expressão inteira]!",  // 60
    " => Apenas variáveis podem ser passadas por referência para um subprograma!",  // 61
    " => Não é permitida a referência a intervalos do vetor nessa passagem de parâmetros!",  // 62
    " => Passagem de parâmetros com tipos incompatíveis!",  // 63
    " => O identificador {A} não é uma constante!",  // 64
    " => O subprograma não possui parâmetros!",  // 65
    " => O nome do programa não pode ser usado em comandos e expressões!",  // 66
    " => O argumento da função UPCASE deve ter o tipo char!",  // 67
    " => O argumento da função RANDOM deve ter o tipo inteiro!",  // 68
    " => A expressão do case deve ter o tipo integer ou char!",  // 69
    " => As constantes do case devem ter o mesmo tipo da expressão!",  // 70
    " => O argumento da função ODD deve ter o tipo inteiro!",  // 71
    " => O argumento da função LENGTH deve ter o tipo string ou char!",  // 72
    " => O primeiro argumento da função VAL deve ter o tipo string ou char!",  // 73
    " => O segundo argumento da função VAL deve ter um tipo numérico!",  // 74
    " => O terceiro argumento da função VAL deve ter o tipo integer!",  // 75
    " => O comando break/continue deve estar dentro de um while, repeat ou for!",  // 76
    " => Constante inválida!",  // 77
    " => Expressão inválida!",  // 78
    " => O identificador {A} não é um vetor!",  // 79
    " => O argumento da função ORD deve o tipo inteiro ou numeração!",  // 80
    " => O argumento do comando new deve ser um ponteiro!",  // 81
    " => A variável {A} não é um ponteiro!",  // 82
    " => Use ^ para acessar o conteúdo do ponteiro {A} !",  // 83
    " => O argumento do comando dispose deve ser um ponteiro!",  // 84
    " => Ponteiros não podem ser lidos ou impressos!",  // 85
    " => O compilador não implementa a leitura de ponteiros em arquivos!",  // 86
    " => Enumerações não podem ser lidas ou impressas!",  // 87
    " => Expressão do tipo char esperada!",  // 88
};

// Codes 3, 4 and 5 name the scope as a function or as a record.
constexpr const char* kFunctionScopeTexts[] = {
    " => Os limites do vetor declarado dentro da função '{B}' devem ter o tipo inteiro!",
    " => Limite inválido para o vetor declarado dentro da função '{B}'!",
    " => O tamanho da cadeia definida dentro da função '{B}' deve ter o tipo inteiro!",
};
constexpr const char* kRecordScopeTexts[] = {
    " => Os limites do vetor declarado dentro do registro '{B}' devem ter o tipo inteiro!",
    " => Limite inválido para o vetor declarado dentro do registro '{B}'!",
    " => O tamanho da cadeia definida dentro do registro '{B}' deve ter o tipo inteiro!",
};

// Fills a code page 1252 template in one pass: "{X}" becomes the text given
// for the letter X (nothing when none is given).
struct Filling {
  char letter;
  std::string_view text;
};
std::string fill(std::string_view templ, std::initializer_list<Filling> fillings) {
  std::string out;
  for (std::size_t i = 0; i < templ.size(); ++i) {
    if (templ[i] == '{' && i + 2 < templ.size() && templ[i + 2] == '}') {
      for (const Filling& f : fillings)
        if (f.letter == templ[i + 1]) out += f.text;
      i += 2;
    } else {
      out += templ[i];
    }
  }
  return out;
}

std::string header(const char* utf8Start, int line, const char* separator) {
  return AppendNumberText(text::cp1252(utf8Start), line) + separator;
}

}  // namespace

std::string AppendNumberText(std::string text, long long number) { return text + std::to_string(number); }

std::string LexicalErrorMessage(int code, int line, char current) {
  std::string result = header(" => Erro léxico na linha ", line, "...#");
  for (const CodeText& entry : kLexicalTexts)
    if (entry.code == code) return result + fill(text::cp1252(entry.text), {{'C', std::string_view(&current, 1)}});
  return result;
}

std::string SyntaxErrorMessage(int kind, int line, std::string_view spelledToken) {
  std::string result = header(" => Erro sintático na linha ", line, "...# =>");
  if (kind < 1 || kind > static_cast<int>(std::size(kSyntaxTexts))) return result;
  return result + fill(text::cp1252(kSyntaxTexts[kind - 1]), {{'T', spelledToken}});
}

std::string SemanticErrorMessage(int code, int line, std::string_view a, std::string_view b) {
  std::string result = header(" => Erro semântico na linha ", line, "...#");
  if (code < 1 || code > kLastSemanticErrorCode) return result;
  const char* utf8 = kSemanticTexts[code - 1];
  if (code >= 3 && code <= 5) {
    utf8 = a == "F" ? kFunctionScopeTexts[code - 3] : kRecordScopeTexts[code - 3];
    a = {};
  }
  return result + fill(text::cp1252(utf8), {{'A', a}, {'B', b}});
}

}  // namespace kau
