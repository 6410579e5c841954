#include "compiler/syntax_error.h"

#include <array>

#include "compiler/error_messages.h"
#include "compiler/token_kinds.h"
#include "text/code_pages.h"

namespace kau {

namespace {

// Spelling of the kinds that are one fixed word or symbol. The valued classes
// are spelled by value below.
struct FixedSpelling {
  int kind;
  const char* text;
};
constexpr FixedSpelling kFixedSpellings[] = {
    {TK_DOT, "."},          {TK_PROGRAM, "PROGRAM"},   {TK_SEMICOLON, ";"},
    {TK_CONST, "CONST"},    {TK_EQUAL, "="},           {TK_COMMA, ","},
    {TK_TYPE, "TYPE"},      {TK_ARRAY, "ARRAY"},       {TK_LBRACKET, "["},
    {TK_RBRACKET, "]"},     {TK_OF, "OF"},             {TK_RECORD, "RECORD"},
    {TK_END, "END"},        {TK_LPAREN, "("},          {TK_RPAREN, ")"},
    {TK_COLON, ":"},        {TK_STRING, "STRING"},     {TK_INTEGER, "INTEGER"},
    {TK_CHAR, "CHAR"},      {TK_BOOLEAN, "BOOLEAN"},   {TK_REAL, "REAL"},
    {TK_VAR, "VAR"},        {TK_TEXT, "TEXT"},         {TK_FUNCTION, "FUNCTION"},
    {TK_PROCEDURE, "PROCEDURE"}, {TK_BEGIN, "BEGIN"},  {TK_BECOMES, ":="},
    {TK_IF, "IF"},          {TK_THEN, "THEN"},         {TK_ELSE, "ELSE"},
    {TK_CASE, "CASE"},      {TK_WHILE, "WHILE"},       {TK_DO, "DO"},
    {TK_REPEAT, "REPEAT"},  {TK_UNTIL, "UNTIL"},       {TK_FOR, "FOR"},
    {TK_TO, "TO"},          {TK_DOWNTO, "DOWNTO"},     {TK_READ, "READ"},
    {TK_READLN, "READLN"},  {TK_READKEY, "READKEY"},   {TK_WRITE, "WRITE"},
    {TK_WRITELN, "WRITELN"}, {TK_ASSIGN, "ASSIGN"},    {TK_TEXTCOLOR, "TEXTCOLOR"},
    {TK_TEXTBACKGROUND, "TEXTBACKGROUND"}, {TK_GOTOXY, "GOTOXY"}, {TK_DELAY, "DELAY"},
    {TK_VAL, "VAL"},        {TK_EOF, "EOF"},           {TK_END_OF_TEXT, "FIM DE ARQUIVO"},
    {TK_CARET, "^"},        {TK_AT, "@"},              {TK_NIL, "NIL"},
};

std::string fixedSpelling(int kind) {
  for (const auto& s : kFixedSpellings) {
    if (s.kind == kind) return s.text;
  }
  return "";
}

// Spelling of a valued class by its value; an unknown value spells empty.
template <std::size_t N>
std::string byValue(const std::array<const char*, N>& names, std::int32_t value, std::int32_t first) {
  const std::int64_t i = std::int64_t{value} - first;
  return i >= 0 && i < static_cast<std::int64_t>(N) ? names[static_cast<std::size_t>(i)] : "";
}

constexpr std::array<const char*, 4> kFileOperations = {"RESET", "REWRITE", "APPEND", "CLOSE"};
constexpr std::array<const char*, 4> kIncDecNew = {"INC", "DEC", "NEW", "DISPOSE"};
constexpr std::array<const char*, 4> kCrtCommands = {"CLRSCR", "RANDOMIZE", "BREAK", "CONTINUE"};
constexpr std::array<const char*, 5> kRelationalOperators = {"<", ">", "<>", ">=", "<="};
constexpr std::array<const char*, 5> kMultiplyingOperators = {"*", "/", "DIV", "MOD", "AND"};
constexpr std::array<const char*, 3> kAddingOperators = {"+", "-", "OR"};
constexpr std::array<const char*, 18> kStandardFunctions = {
    "LENGTH", "CHR", "ORD", "LN",   "EXP",  "SQR",  "SQRT", "ABS",    "TRUNC",
    "ROUND",  "SIN", "COS", "ARCTAN", "ODD", "SUCC", "PRED", "UPCASE", "RANDOM"};

// Kinds that begin a statement or a routine: met right after a token other
// than ";", they most likely mean that the ";" was forgotten.
bool beginsStatementOrRoutine(int kind) {
  switch (kind) {
    case TK_BEGIN: case TK_END: case TK_FUNCTION: case TK_PROCEDURE: case TK_WHILE:
    case TK_FOR: case TK_REPEAT: case TK_UNTIL: case TK_READ: case TK_READLN:
    case TK_READKEY: case TK_WRITE: case TK_WRITELN: case TK_ASSIGN: case TK_TEXTCOLOR:
    case TK_TEXTBACKGROUND: case TK_GOTOXY: case TK_IF: case TK_CASE: case TK_DELAY:
    case TK_VAL: case TK_CRTCMD: case TK_FILEOP: case TK_INCDECNEW:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string SpellToken(const UnexpectedToken& token) {
  switch (token.kind) {
    case TK_ID: case TK_NUM:
      return token.text;
    case TK_STRLIT: case TK_CHARLIT: {
      // Literals were scanned into code page 850; messages are 1252.
      std::string spelled = token.text;
      for (char& c : spelled) c = static_cast<char>(text::cp850To1252(static_cast<unsigned char>(c)));
      return spelled;
    }
    case TK_BOOLCONST: return token.value != 0 ? "TRUE" : "FALSE";
    case TK_ADDOP:
      return token.value == ADDOP_NOT ? "NOT" : byValue(kAddingOperators, token.value, ADDOP_PLUS);
    case TK_FILEOP: return byValue(kFileOperations, token.value, FILEOP_RESET);
    case TK_INCDECNEW: return byValue(kIncDecNew, token.value, INCDEC_INC);
    case TK_CRTCMD: return byValue(kCrtCommands, token.value, CRT_CLRSCR);
    case TK_RELOP: return byValue(kRelationalOperators, token.value, RELOP_LT);
    case TK_MULOP: return byValue(kMultiplyingOperators, token.value, MULOP_TIMES);
    case TK_STDFUNC: return byValue(kStandardFunctions, token.value, STDFUNC_LENGTH);
    default:
      return fixedSpelling(token.kind);
  }
}

SyntaxErrorReport ReportSyntaxError(const UnexpectedToken& token, const PreviousToken& previous) {
  // Before the first shift there is no previous token to blame: the error is
  // reported on the token itself.
  if (previous.present) {
    if (token.kind == TK_ELSE && previous.kind == TK_SEMICOLON) {
      return {SyntaxErrorMessage(SYNTAX_SEMICOLON_BEFORE_ELSE, previous.line, {}), previous.line};
    }
    if (beginsStatementOrRoutine(token.kind) && previous.kind != TK_SEMICOLON) {
      return {SyntaxErrorMessage(SYNTAX_MISSING_SEMICOLON, previous.line, {}), previous.line};
    }
  }
  if (token.text == "USES") return {SyntaxErrorMessage(SYNTAX_USES, token.line, {}), token.line};
  return {SyntaxErrorMessage(SYNTAX_UNEXPECTED_TOKEN, token.line, SpellToken(token)), token.line};
}

}  // namespace kau
