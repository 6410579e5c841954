// Spelling of unexpected tokens and the choice among the four syntax messages.
#include <gtest/gtest.h>

#include <string>

#include "compiler/syntax_error.h"
#include "compiler/token_kinds.h"
#include "text/code_pages.h"

namespace kau {
namespace {

std::string spell(int kind, std::int32_t value = 0, const char* text = "") {
  return SpellToken(UnexpectedToken{kind, value, text, 1});
}

TEST(SyntaxError, SpellsEveryKind) {
  struct Case {
    int kind;
    std::int32_t value;
    const char* text;
    const char* spelled;
  };
  const Case cases[] = {
      {TK_ID, 0, "CONTADOR", "CONTADOR"},  {TK_NUM, 42, "42", "42"},       {TK_STRLIT, 0, "abc", "abc"},
      {TK_CHARLIT, 65, "A", "A"},          {TK_BOOLCONST, 1, "", "TRUE"},  {TK_BOOLCONST, 0, "", "FALSE"},
      {TK_ADDOP, 6, "", "+"},              {TK_ADDOP, 7, "", "-"},         {TK_ADDOP, 8, "", "OR"},
      {TK_ADDOP, 14, "NOT", "NOT"},         {TK_FILEOP, 1, "", "RESET"},    {TK_FILEOP, 4, "", "CLOSE"},
      {TK_INCDECNEW, 2, "", "DEC"},        {TK_INCDECNEW, 4, "", "DISPOSE"}, {TK_CRTCMD, 1, "", "CLRSCR"},
      {TK_CRTCMD, 4, "", "CONTINUE"},      {TK_RELOP, 1, "", "<"},         {TK_RELOP, 5, "", "<="},
      {TK_MULOP, 9, "", "*"},              {TK_MULOP, 10, "", "/"},        {TK_MULOP, 13, "", "AND"},
      {TK_STDFUNC, 1, "", "LENGTH"},       {TK_STDFUNC, 18, "", "RANDOM"}, {TK_END_OF_TEXT, 0, "$", "FIM DE ARQUIVO"},
      {TK_CARET, 0, "", "^"},              {TK_AT, 0, "", "@"},            {TK_NIL, 0, "", "NIL"},
      {TK_DOT, 0, "", "."},                {TK_SEMICOLON, 0, "", ";"},     {TK_BECOMES, 0, "", ":="},
      {TK_PROGRAM, 0, "", "PROGRAM"},      {TK_TEXT, 0, "", "TEXT"},       {TK_TEXTBACKGROUND, 0, "", "TEXTBACKGROUND"},
      {TK_EOF, 0, "", "EOF"},              {TK_RELOP, 99, "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(spell(c.kind, c.value, c.text), c.spelled) << "kind " << c.kind;
  // Every kind but the valued classes spells as something fixed.
  for (int kind = 1; kind <= kTokenKindCount; ++kind) {
    const bool byTextOrValue = kind == TK_ID || kind == TK_NUM || kind == TK_STRLIT || kind == TK_CHARLIT ||
                               kind == TK_BOOLCONST || kind == TK_ADDOP || kind == TK_FILEOP ||
                               kind == TK_INCDECNEW || kind == TK_CRTCMD || kind == TK_RELOP ||
                               kind == TK_MULOP || kind == TK_STDFUNC;
    if (!byTextOrValue) {
      EXPECT_FALSE(spell(kind).empty()) << "kind " << kind;
    }
  }
}

TEST(SyntaxError, ChoosesTheMessage) {
  const std::string unexpectedElse = text::cp1252(" => Erro sintático na linha 7...# => 'ELSE' não esperado!");
  const std::string semicolonBeforeElse =
      text::cp1252(" => Erro sintático na linha 6...# => Antes de um ELSE não pode vir ponto e vírgula!");
  const std::string missingSemicolon =
      text::cp1252(" => Erro sintático na linha 6...# => Faltou um ponto e vírgula no fim dessa linha? ");
  const UnexpectedToken elseToken{TK_ELSE, 0, "ELSE", 7};
  const UnexpectedToken writeToken{TK_WRITE, 0, "WRITE", 7};

  SyntaxErrorReport r = ReportSyntaxError(elseToken, PreviousToken{true, TK_SEMICOLON, 6});
  EXPECT_EQ(r.message, semicolonBeforeElse);
  EXPECT_EQ(r.line, 6);
  r = ReportSyntaxError(elseToken, PreviousToken{true, TK_RPAREN, 6});
  EXPECT_EQ(r.message, unexpectedElse);
  EXPECT_EQ(r.line, 7);
  r = ReportSyntaxError(writeToken, PreviousToken{true, TK_ID, 6});
  EXPECT_EQ(r.message, missingSemicolon);
  EXPECT_EQ(r.line, 6);
  r = ReportSyntaxError(writeToken, PreviousToken{true, TK_SEMICOLON, 6});
  EXPECT_EQ(r.line, 7);
  EXPECT_EQ(r.message, text::cp1252(" => Erro sintático na linha 7...# => 'WRITE' não esperado!"));
  // Before the first shift nothing is blamed on a previous line.
  r = ReportSyntaxError(writeToken, PreviousToken{});
  EXPECT_EQ(r.line, 7);
  EXPECT_EQ(r.message, text::cp1252(" => Erro sintático na linha 7...# => 'WRITE' não esperado!"));
  // Every kind that begins a statement or a routine asks for the ";".
  for (int kind : {TK_BEGIN, TK_END, TK_FUNCTION, TK_PROCEDURE, TK_WHILE, TK_FOR, TK_REPEAT, TK_UNTIL, TK_READ,
                   TK_READLN, TK_READKEY, TK_WRITE, TK_WRITELN, TK_ASSIGN, TK_TEXTCOLOR, TK_TEXTBACKGROUND,
                   TK_GOTOXY, TK_IF, TK_CASE, TK_DELAY, TK_VAL, TK_CRTCMD, TK_FILEOP, TK_INCDECNEW}) {
    EXPECT_EQ(ReportSyntaxError(UnexpectedToken{kind, 1, "", 7}, PreviousToken{true, TK_NUM, 6}).message,
              missingSemicolon)
        << "kind " << kind;
  }
  for (int kind : {TK_ID, TK_THEN, TK_DO, TK_OF, TK_ELSE, TK_END_OF_TEXT, TK_VAR, TK_CONST, TK_TYPE}) {
    EXPECT_EQ(ReportSyntaxError(UnexpectedToken{kind, 1, "", 7}, PreviousToken{true, TK_NUM, 6}).line, 7)
        << "kind " << kind;
  }
}

}  // namespace
}  // namespace kau
