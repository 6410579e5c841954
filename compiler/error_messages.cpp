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

// In code order, so that code - 1 indexes the table. {A} and {B} mark where
// the names or numbers go.
constexpr CodeText kSemanticTexts[] = {
    {SEM_DUPLICATE_IDENTIFIER, " => Identificador '{A}' duplicado no escopo '{B}'!"},
    {SEM_UNDECLARED_IDENTIFIER, " => O identificador '{A}' não foi declarado dentro do escopo para a função {B}!"},
    {SEM_ARRAY_BOUND_NOT_INTEGER, ""},  // function or record wording, below
    {SEM_INVALID_ARRAY_BOUND, ""},  // function or record wording, below
    {SEM_STRING_LENGTH_NOT_INTEGER, ""},  // function or record wording, below
    {SEM_PARAMETER_NOT_STRING, " => O parâmetro '{A}' deve ser do tipo STRING!"},
    {SEM_ASSIGN_PARAMETER_NOT_TEXT, " => O parâmetro '{A}' para o comando ASSIGN deve ser do tipo TEXT!"},
    {SEM_FIELD_NOT_IN_RECORD, " => O campo '{A}' não pertence ao registro '{B}'!"},
    {SEM_PARAMETER_NOT_TEXT, " => O parâmetro '{A}' deve ser do tipo TEXT!"},
    {SEM_INCORRECT_ARRAY_REFERENCE, " => Referência incorreta, '{A}' é um vetor!"},
    {SEM_INDEXES_EXPECTED, " => É esperada a referência a {A} intervalos para o vetor {B}!"},
    {SEM_INVALID_IN_CONTEXT, " => Identificador '{A}' inválido neste contexto!"},
    {SEM_REAL_COLOUR, " => Não são válidas cores do tipo real!"},
    {SEM_COLOUR_OVERFLOW, " => Overflow de inteiro gerado pelo excesso de cores para o comando!"},
    {SEM_INCOMPATIBLE_OPERANDS, " => Os tipos dos operandos na expressão devem ser compativeis!"},
    {SEM_OPERANDS_NOT_NUMERIC, " => Os operandos da expressão devem ter tipos numéricos compatíveis!"},
    {SEM_INVALID_PROCEDURE_CALL, " => Chamada de procedimento inválida!"},
    {SEM_INVALID_FUNCTION, " => Função inválida na expressão!"},
    {SEM_BOOLEAN_EXPECTED, " => Expressão booleana esperada!"},
    {SEM_INTEGER_EXPECTED, " => Expressão inteira esperada!"},
    {SEM_ARGUMENT_COUNT, " => Sao esperado(s) {A} parâmetro(s) para o subprograma!"},
    {SEM_COMMAND_VARIABLE_NOT_INTEGER, " => A variável usada no comando deve ter o tipo inteiro!"},
    {SEM_ARRAY_DIMENSIONS, " => O vetor '{A}' tem '{B}' dimensões !"},
    {SEM_COLOUR_NOT_INTEGER, " => As cores devem ter valores inteiros!"},
    {SEM_FIELD_EXPECTED, " => Esperada a referência a um campo do registro '{A}'!"},
    {SEM_FUNCTION_RESULT_OUT_OF_SCOPE, " => A função '{A}' não pode retornar no escopo de '{B}'!"},
    {SEM_INCOMPATIBLE_ASSIGNMENT, " => Atribuição com tipos de dados incompativeis!"},
    {SEM_ARGUMENT_TYPE, " => O parâmetro de número '{A}' passado para a função '{B}' não é do tipo esperado!"},
    {SEM_INDEX_NOT_INTEGER, " => O índice de número '{A}' do vetor deve ser do tipo inteiro!"},
    {SEM_ASSIGNMENT_TO_CONSTANT, " => Uma constante não pode receber valores!"},
    {SEM_NOT_VARIABLE, " => O identificador '{A}' não é uma variavel!"},
    {SEM_NOT_TYPE, " => O identificador '{A}' não é um tipo definido!"},
    {SEM_STRING_TOO_LONG, " => Cadeias podem ter um máximo de 255 caracteres!"},
    {SEM_TEXT_NOT_FIRST, " => Somente o primeiro argumento da função write pode ter o tipo TEXT!"},
    {SEM_NEGATION_NOT_NUMERIC, " => A operação de negação é suportada apenas por tipos numéricos!"},
    {SEM_NOT_OPERAND_NOT_BOOLEAN, " => O operador NOT é suportado apenas por expressões do tipo booleano!"},
    {SEM_BOOLEAN_COMPARISON, " => Nenhum operando para a comparação pode ter o tipo booleano!"},
    {SEM_ARGUMENT_NOT_INTEGER, " => O argumento passado ao comando deve ter o tipo inteiro!"},
    {SEM_CHR_NOT_CHAR, " => O argumento da função CHR deve ter o tipo caracter!"},
    {SEM_ODD_NOT_INTEGER, " => O argumento da função ODD deve ter o tipo inteiro!"},
    {SEM_SUCC_NOT_ORDINAL, " => O argumento da função SUCC deve ter o tipo inteiro ou caracter!"},
    {SEM_PRED_NOT_ORDINAL, " => O argumento da função PRED deve ter o tipo inteiro ou caracter!"},
    {SEM_LN_NOT_NUMERIC, " => O argumento da função LN deve ter um tipo numérico!"},
    {SEM_EXP_NOT_NUMERIC, " => O argumento da função EXP deve ter um tipo numérico!"},
    {SEM_SQR_NOT_NUMERIC, " => O argumento da função SQR deve ter um tipo numérico!"},
    {SEM_SQRT_NOT_NUMERIC, " => O argumento da função SQRT deve ter um tipo numérico!"},
    {SEM_ABS_NOT_NUMERIC, " => O argumento da função ABS deve ter um tipo numérico!"},
    {SEM_TRUNC_NOT_NUMERIC, " => O argumento da função TRUNC deve ter um tipo numérico!"},
    {SEM_ROUND_NOT_NUMERIC, " => O argumento da função ROUND deve ter um tipo numérico!"},
    {SEM_SIN_NOT_NUMERIC, " => O argumento da função SIN deve ter um tipo numérico!"},
    {SEM_COS_NOT_NUMERIC, " => O argumento da função COS deve ter um tipo numérico!"},
    {SEM_ARCTAN_NOT_NUMERIC, " => O argumento da função ARCTAN deve ter um tipo numérico!"},
    {SEM_INC_NOT_ORDINAL, " => O comando INC espera como argumento uma variável do tipo inteiro ou char!"},
    {SEM_DEC_NOT_ORDINAL, " => O comando DEC espera como argumento uma variável do tipo inteiro ou char!"},
    {SEM_UNEXPECTED_COLON, "  => ':' não esperado!"},
    {SEM_WRITE_WIDTH_NOT_INTEGER, "  => Os parâmetros de formatação do write devem ser do tipo inteiro!"},
    {SEM_FOR_VARIABLE_NOT_ORDINAL,
     " => A variável usada no comando for deve ter o tipo inteiro, caracter ou enumeracao!"},
    {SEM_CHAR_EXPECTED, " => Expressão do tipo char esperada!"},
    {SEM_FOR_INCOMPATIBLE, " => A variável e as expressões do comando for devem ser de tipos compativeis!"},
    {SEM_STRING_INDEX_FORM, " => A referência ao elemento da cadeia deve ser da forma [expressão inteira]!"},
    {SEM_VAR_ARGUMENT_NOT_VARIABLE, " => Apenas variáveis podem ser passadas por referência para um subprograma!"},
    {SEM_ARRAY_RANGE_ARGUMENT,
     " => Não é permitida a referência a intervalos do vetor nessa passagem de parâmetros!"},
    {SEM_INCOMPATIBLE_PARAMETER, " => Passagem de parâmetros com tipos incompatíveis!"},
    {SEM_NOT_CONSTANT, " => O identificador {A} não é uma constante!"},
    {SEM_NO_PARAMETERS, " => O subprograma não possui parâmetros!"},
    {SEM_PROGRAM_NAME_USED, " => O nome do programa não pode ser usado em comandos e expressões!"},
    {SEM_UPCASE_NOT_CHAR, " => O argumento da função UPCASE deve ter o tipo char!"},
    {SEM_RANDOM_NOT_INTEGER, " => O argumento da função RANDOM deve ter o tipo inteiro!"},
    {SEM_CASE_SELECTOR_NOT_ORDINAL, " => A expressão do case deve ter o tipo integer ou char!"},
    {SEM_CASE_CONSTANT_TYPE, " => As constantes do case devem ter o mesmo tipo da expressão!"},
    {SEM_DELAY_NOT_INTEGER, " => O argumento da função ODD deve ter o tipo inteiro!"},
    {SEM_LENGTH_NOT_TEXTUAL, " => O argumento da função LENGTH deve ter o tipo string ou char!"},
    {SEM_VAL_FIRST_NOT_TEXTUAL, " => O primeiro argumento da função VAL deve ter o tipo string ou char!"},
    {SEM_VAL_SECOND_NOT_NUMERIC, " => O segundo argumento da função VAL deve ter um tipo numérico!"},
    {SEM_VAL_THIRD_NOT_INTEGER, " => O terceiro argumento da função VAL deve ter o tipo integer!"},
    {SEM_BREAK_OUTSIDE_LOOP, " => O comando break/continue deve estar dentro de um while, repeat ou for!"},
    {SEM_INVALID_CONSTANT, " => Constante inválida!"},
    {SEM_INVALID_EXPRESSION, " => Expressão inválida!"},
    {SEM_NOT_ARRAY, " => O identificador {A} não é um vetor!"},
    {SEM_ORD_NOT_ORDINAL, " => O argumento da função ORD deve o tipo inteiro ou numeração!"},
    {SEM_NEW_NOT_POINTER, " => O argumento do comando new deve ser um ponteiro!"},
    {SEM_NOT_POINTER, " => A variável {A} não é um ponteiro!"},
    {SEM_POINTER_WITHOUT_CARET, " => Use ^ para acessar o conteúdo do ponteiro {A} !"},
    {SEM_DISPOSE_NOT_POINTER, " => O argumento do comando dispose deve ser um ponteiro!"},
    {SEM_POINTER_READ_OR_WRITTEN, " => Ponteiros não podem ser lidos ou impressos!"},
    {SEM_POINTER_READ_FROM_FILE, " => O compilador não implementa a leitura de ponteiros em arquivos!"},
    {SEM_ENUMERATION_READ_OR_WRITTEN, " => Enumerações não podem ser lidas ou impressas!"},
    {SEM_ENUMERATION_EXPECTED, " => Expressão do tipo char esperada!"},
};

constexpr bool inCodeOrder() {
  for (std::size_t i = 0; i < std::size(kSemanticTexts); ++i)
    if (kSemanticTexts[i].code != static_cast<int>(i) + 1) return false;
  return std::size(kSemanticTexts) == kLastSemanticErrorCode;
}
static_assert(inCodeOrder());

// The three codes from SEM_ARRAY_BOUND_NOT_INTEGER to
// SEM_STRING_LENGTH_NOT_INTEGER name the scope as a function or as a record.
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
  const char* utf8 = kSemanticTexts[code - 1].text;
  if (code >= SEM_ARRAY_BOUND_NOT_INTEGER && code <= SEM_STRING_LENGTH_NOT_INTEGER) {
    const int scoped = code - SEM_ARRAY_BOUND_NOT_INTEGER;
    utf8 = a == "F" ? kFunctionScopeTexts[scoped] : kRecordScopeTexts[scoped];
    a = {};
  }
  return result + fill(text::cp1252(utf8), {{'A', a}, {'B', b}});
}

}  // namespace kau
