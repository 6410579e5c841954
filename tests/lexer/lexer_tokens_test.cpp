#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "compiler/lexico.h"
#include "compiler/reserved_words.h"
#include "compiler/symbol_table.h"
#include "compiler/token_kinds.h"
#include "lexer_test_support.h"

namespace kau {
namespace {

using testing::Scan;
using testing::scanText;

struct Expected {
  int kind;
  int value;
  int value2;
};

struct TokenCase {
  std::string text;
  std::vector<Expected> tokens;  // without the end token
};

// Value and value2 of a token that points into the symbol table.
Expected symbolToken(int kind, const std::string& name) { return {kind, HashName(name), -2}; }

TEST(LexerTokens, KindsAndValues) {
  const std::vector<TokenCase> cases = {
      {"1..5", {{TK_NUM, 1, -1}, {TK_DOT, 0, 0}, {TK_DOT, 0, 0}, {TK_NUM, 5, -1}}},
      {"0012", {{TK_NUM, 12, -1}}},
      {"000", {{TK_NUM, 0, -1}}},
      {"2147483647", {{TK_NUM, 2147483647, -1}}},
      {"000000000001", {{TK_NUM, 1, -1}}},
      {"#65", {{TK_CHARLIT, 65, -1}}},
      {"#300", {{TK_CHARLIT, 300, -1}}},
      {"#0065;", {{TK_CHARLIT, 65, -1}, {TK_SEMICOLON, 0, 0}}},
      {"'a'", {{TK_CHARLIT, 'a', -1}}},
      {"'\xE9'", {{TK_CHARLIT, 130, -1}}},  // é becomes its code page 850 byte
      {"'\xC7'", {{TK_CHARLIT, 128, -1}}},  // Ç
      {"'\xFF'", {{TK_CHARLIT, 0x98, -1}}},  // ÿ in code page 850
      {"''", {symbolToken(TK_STRLIT, "")}},
      {"'ab'", {symbolToken(TK_STRLIT, "ab")}},
      {":= : < > <> >= <=",
       {{TK_BECOMES, 0, 0},
        {TK_COLON, 0, 0},
        {TK_RELOP, RELOP_LT, 0},
        {TK_RELOP, RELOP_GT, 0},
        {TK_RELOP, RELOP_NE, 0},
        {TK_RELOP, RELOP_GE, 0},
        {TK_RELOP, RELOP_LE, 0}}},
      {"a<b", {symbolToken(TK_ID, "A"), {TK_RELOP, RELOP_LT, 0}, symbolToken(TK_ID, "B")}},
      {"+-*/=()[],.;^@",
       {{TK_ADDOP, ADDOP_PLUS, 0},
        {TK_ADDOP, ADDOP_MINUS, 0},
        {TK_MULOP, MULOP_TIMES, 0},
        {TK_MULOP, MULOP_DIVIDE, 0},
        {TK_EQUAL, 0, 0},
        {TK_LPAREN, 0, 0},
        {TK_RPAREN, 0, 0},
        {TK_LBRACKET, 0, 0},
        {TK_RBRACKET, 0, 0},
        {TK_COMMA, 0, 0},
        {TK_DOT, 0, 0},
        {TK_SEMICOLON, 0, 0},
        {TK_CARET, 0, 0},
        {TK_AT, 0, 0}}},
      {"or Not div MOD and",
       {{TK_ADDOP, ADDOP_OR, 0},
        {TK_ADDOP, ADDOP_NOT, 0},
        {TK_MULOP, MULOP_DIV, 0},
        {TK_MULOP, MULOP_MOD, 0},
        {TK_MULOP, MULOP_AND, 0}}},
      {"true FALSE", {{TK_BOOLCONST, 1, 0}, {TK_BOOLCONST, 0, 0}}},
      {"black Blink YELLOW lightMagenta",
       {{TK_NUM, 0, -1}, {TK_NUM, 128, -1}, {TK_NUM, 14, -1}, {TK_NUM, 13, -1}}},
      {"reset rewrite append close",
       {{TK_FILEOP, 1, 0}, {TK_FILEOP, 2, 0}, {TK_FILEOP, 3, 0}, {TK_FILEOP, 4, 0}}},
      {"inc dec new dispose clrscr randomize break continue",
       {{TK_INCDECNEW, 1, 0},
        {TK_INCDECNEW, 2, 0},
        {TK_INCDECNEW, 3, 0},
        {TK_INCDECNEW, 4, 0},
        {TK_CRTCMD, 1, 0},
        {TK_CRTCMD, 2, 0},
        {TK_CRTCMD, 3, 0},
        {TK_CRTCMD, 4, 0}}},
      {"length random upcase arctan", {{TK_STDFUNC, 1, 0}, {TK_STDFUNC, 18, 0}, {TK_STDFUNC, 17, 0}, {TK_STDFUNC, 13, 0}}},
      {"const type of record end var function procedure begin if then else case while do repeat until "
       "for to downto read readln readkey write writeln assign textcolor textbackground gotoxy delay "
       "val eof nil",
       {{TK_CONST, 0, 0},     {TK_TYPE, 0, 0},       {TK_OF, 0, 0},        {TK_RECORD, 0, 0},
        {TK_END, 0, 0},       {TK_VAR, 0, 0},        {TK_FUNCTION, 0, 0},  {TK_PROCEDURE, 0, 0},
        {TK_BEGIN, 0, 0},     {TK_IF, 0, 0},         {TK_THEN, 0, 0},      {TK_ELSE, 0, 0},
        {TK_CASE, 0, 0},      {TK_WHILE, 0, 0},      {TK_DO, 0, 0},        {TK_REPEAT, 0, 0},
        {TK_UNTIL, 0, 0},     {TK_FOR, 0, 0},        {TK_TO, 0, 0},        {TK_DOWNTO, 0, 0},
        {TK_READ, 0, 0},      {TK_READLN, 0, 0},     {TK_READKEY, 0, 0},   {TK_WRITE, 0, 0},
        {TK_WRITELN, 0, 0},   {TK_ASSIGN, 0, 0},     {TK_TEXTCOLOR, 0, 0}, {TK_TEXTBACKGROUND, 0, 0},
        {TK_GOTOXY, 0, 0},    {TK_DELAY, 0, 0},      {TK_VAL, 0, 0},       {TK_EOF, 0, 0},
        {TK_NIL, 0, 0}}},
      {"program Ola; usES x_1",
       {symbolToken(TK_PROGRAM, "PROGRAM"),
        symbolToken(TK_ID, "OLA"),
        {TK_SEMICOLON, 0, 0},
        symbolToken(TK_ID, "USES"),
        symbolToken(TK_ID, "X_1")}},
      {"array string integer char boolean real text",
       {symbolToken(TK_ARRAY, "ARRAY"), symbolToken(TK_STRING, "STRING"), symbolToken(TK_INTEGER, "INTEGER"),
        symbolToken(TK_CHAR, "CHAR"), symbolToken(TK_BOOLEAN, "BOOLEAN"), symbolToken(TK_REAL, "REAL"),
        symbolToken(TK_TEXT, "TEXT")}},
      // Comments and the symbols that may open them.
      {"a/b(c", {symbolToken(TK_ID, "A"), {TK_MULOP, MULOP_DIVIDE, 0}, symbolToken(TK_ID, "B"), {TK_LPAREN, 0, 0},
                 symbolToken(TK_ID, "C")}},
      {"x /", {symbolToken(TK_ID, "X"), {TK_MULOP, MULOP_DIVIDE, 0}}},
      {"x (", {symbolToken(TK_ID, "X"), {TK_LPAREN, 0, 0}}},
      {"(*) still a comment *) y", {symbolToken(TK_ID, "Y")}},
      {"(* a ** b **) y", {symbolToken(TK_ID, "Y")}},
      {"{ holds (* } z", {symbolToken(TK_ID, "Z")}},
      {"// comment\nw // another", {symbolToken(TK_ID, "W")}},
      {"{a}{b}(*c*)//d\n\t q", {symbolToken(TK_ID, "Q")}},
  };
  for (const TokenCase& c : cases) {
    Scan scan;
    scanText(scan, c.text);
    ASSERT_FALSE(scan.error) << c.text << ": " << scan.message;
    ASSERT_EQ(scan.tokens.size(), c.tokens.size() + 1) << c.text;
    for (std::size_t i = 0; i < c.tokens.size(); ++i) {
      const Expected& want = c.tokens[i];
      const testing::Token& got = scan.tokens[i];
      EXPECT_EQ(got.kind, want.kind) << c.text << " token " << i;
      EXPECT_EQ(got.value, want.value) << c.text << " token " << i;
      if (want.value2 == -2) {  // an entry: the index must lead back to the token's text
        const elem_tab_simb* entry = scan.symbols.SymbolAt(got.value, got.value2);
        ASSERT_NE(entry, nullptr) << c.text << " token " << i;
        EXPECT_EQ(entry->name, got.text) << c.text << " token " << i;
      } else {
        EXPECT_EQ(got.value2, want.value2) << c.text << " token " << i;
      }
    }
    EXPECT_EQ(scan.tokens.back().kind, TK_END_OF_TEXT) << c.text;
    EXPECT_EQ(scan.tokens.back().text, "$") << c.text;
  }
}

// The list of spellings is the lexer's own: each, in lower case, is read as
// its reserved word, never as an identifier.
TEST(LexerTokens, ReservedWordSpellingsAreTheLexersWords) {
  const std::vector<std::string_view> words = ReservedWordSpellings();
  EXPECT_EQ(words.size(), 95u);
  EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
  for (std::string_view word : words) {
    std::string lower(word);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    Scan scan;
    scanText(scan, lower);
    ASSERT_EQ(scan.tokens.size(), 2u) << word;
    EXPECT_NE(scan.tokens[0].kind, TK_ID) << word;
    EXPECT_EQ(scan.tokens[0].kind, FindReservedWord(word)->kind) << word;
  }
}

TEST(LexerTokens, EmptyOrCommentOnlyTextEndsAtOnceAndForEver) {
  for (const char* text : {"", "   \r\n\t ", "{ only a comment }", "(* only *)", "// only", "{a} // b\n (* c *)"}) {
    SymbolTable symbols;
    RealConstantTable reals;
    Lexico lexer(text, symbols, reals);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(lexer.ReadToken(), TK_END_OF_TEXT) << '"' << text << '"';
      EXPECT_EQ(lexer.GetTokenText(), "$");
      EXPECT_EQ(lexer.GetValue(), 0);
      EXPECT_FALSE(lexer.HasError());
    }
  }
}

TEST(LexerTokens, TextEndsAtItsFirstNul) {
  const std::string text("a\0b", 3);
  Scan scan;
  scanText(scan, text);
  ASSERT_EQ(scan.tokens.size(), 2u);
  EXPECT_EQ(scan.tokens[0].text, "A");
}

TEST(LexerTokens, ConstructorOverTheCompilationTables) {
  ClearSymbolTable();
  {
    Lexico lexer("abc");
    EXPECT_EQ(lexer.ReadToken(), TK_ID);
  }
  EXPECT_NE(Symbols.FindSymbol("ABC"), nullptr);
  ClearSymbolTable();
  EXPECT_TRUE(Symbols.IsEmpty());
}

struct RealCase {
  std::string text;
  std::string normalised;
  double value;
};

TEST(LexerTokens, RealsAreNormalisedAndEnteredInTheRealTable) {
  const std::vector<RealCase> cases = {
      {"123.45", "1.2345E+2", 123.45},
      {"0.5", "0.5E+0", 0.5},
      {"25E-3", "2.5E-2", 0.025},
      {"25e-3", "2.5E-2", 0.025},
      {"5.", "5.E+0", 5.0},
      {"5.E3", "5.E+3", 5000.0},
      {"1.5E-10", "1.5E-10", 1.5e-10},
      {"3.4E38", "3.4E+38", 3.4e38},
      {"34E37", "3.4E+38", 3.4e38},
      {"1E-99", "1.E-99", 1e-99},
      {"1E+05", "1.E+5", 1e5},
      {"007.25", "7.25E+0", 7.25},
  };
  for (const RealCase& c : cases) {
    Scan scan;
    scanText(scan, c.text);
    ASSERT_FALSE(scan.error) << c.text << ": " << scan.message;
    ASSERT_EQ(scan.tokens.size(), 2u) << c.text;
    const testing::Token& t = scan.tokens[0];
    EXPECT_EQ(t.kind, TK_NUM) << c.text;
    EXPECT_EQ(t.text, c.normalised) << c.text;
    EXPECT_EQ(t.value, HashName(c.normalised)) << c.text;
    const RealConstantNode* node = scan.reals.RealAt(t.value, t.value2);
    ASSERT_NE(node, nullptr) << c.text;
    EXPECT_DOUBLE_EQ(node->value, c.value) << c.text;
  }
}

TEST(LexerTokens, FractionKeepsFiftyDigits) {
  Scan scan;
  scanText(scan, "0." + std::string(60, '1') + "9");
  ASSERT_FALSE(scan.error);
  EXPECT_EQ(scan.tokens[0].text, "0." + std::string(50, '1') + "E+0");
}

TEST(LexerTokens, RealFollowedBySymbols) {
  Scan scan;
  scanText(scan, "x:=1.5e2;y");
  ASSERT_FALSE(scan.error);
  ASSERT_EQ(scan.tokens.size(), 6u);
  EXPECT_EQ(scan.tokens[2].text, "1.5E+2");
  EXPECT_EQ(scan.tokens[3].kind, TK_SEMICOLON);
  EXPECT_EQ(scan.tokens[4].text, "Y");
}

TEST(LexerTokens, LinesAreCountedWithAndWithoutCarriageReturns) {
  Scan scan;
  scanText(scan, "a\nb\r\nc\n\n{x\ny}d (*\n*) e\n'l1\nl2' f\nabc\n");
  ASSERT_FALSE(scan.error);
  std::vector<int> lines;
  for (const testing::Token& t : scan.tokens) lines.push_back(t.line);
  // A B C D E 'l1\nl2' F ABC and the end.
  EXPECT_EQ(lines, (std::vector<int>{1, 2, 3, 6, 7, 9, 9, 10, 11}));
}

TEST(LexerTokens, TokenBeforeALineFeedKeepsItsLine) {
  for (const char* text : {"abc\n", "12\n", "1.5\n", "'s'\n", ":\n", "<\n", "x/\n", "2.\n",
                           "(\n", ">\n", "1E5\n", "#65\n", "5..\n"}) {
    Scan scan;
    scanText(scan, text);
    ASSERT_FALSE(scan.error) << text;
    ASSERT_GE(scan.tokens.size(), 2u) << text;
    EXPECT_EQ(scan.tokens[0].line, 1) << text;
  }
}

TEST(LexerTokens, IdentifierOf127CharactersIsAccepted) {
  Scan scan;
  scanText(scan, std::string(127, 'k') + " ");
  ASSERT_FALSE(scan.error);
  EXPECT_EQ(scan.tokens[0].text, std::string(127, 'K'));
}

TEST(LexerTokens, QuotedLiteralKeeps255Characters) {
  Scan scan;
  scanText(scan, "'" + std::string(300, 'q') + "' x");
  ASSERT_FALSE(scan.error);
  ASSERT_EQ(scan.tokens.size(), 3u);
  EXPECT_EQ(scan.tokens[0].kind, TK_STRLIT);
  EXPECT_EQ(scan.tokens[0].text, std::string(255, 'q'));
  EXPECT_EQ(scan.tokens[1].text, "X");
}

TEST(LexerTokens, QuotedLiteralConvertsItsCharactersToCp850) {
  Scan scan;
  scanText(scan, "'Cora\xE7\xE3o \xDF \xBA \x80'");  // Coração ß º €
  ASSERT_FALSE(scan.error);
  EXPECT_EQ(scan.tokens[0].text, "Cora\x87\xC6o \xE1 \xA7 ?");
  EXPECT_EQ(scan.tokens[0].value, HashName("Cora\x87\xC6o \xE1 \xA7 ?"));
}

TEST(LexerTokens, IdentifierAndLiteralOfTheSameTextShareOneEntry) {
  Scan scan;
  scanText(scan, "'ABC' abc");
  ASSERT_FALSE(scan.error);
  EXPECT_EQ(scan.tokens[0].kind, TK_STRLIT);
  EXPECT_EQ(scan.tokens[1].kind, TK_ID);
  EXPECT_EQ(scan.tokens[0].value, scan.tokens[1].value);
  EXPECT_EQ(scan.tokens[0].value2, scan.tokens[1].value2);
}

TEST(LexerTokens, KeywordsEnterTheirTypeSizes) {
  Scan scan;
  scanText(scan, "program array string integer char boolean real text x");
  ASSERT_FALSE(scan.error);
  const std::pair<const char*, int> sizes[] = {{"PROGRAM", 0}, {"ARRAY", 0}, {"STRING", 255}, {"INTEGER", 1},
                                               {"CHAR", 1},    {"BOOLEAN", 1}, {"REAL", 2},     {"TEXT", 255},
                                               {"X", 0}};
  for (const auto& [name, size] : sizes) {
    const elem_tab_simb* entry = scan.symbols.FindSymbol(name);
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(entry->size, size) << name;
  }
}

TEST(LexerTokens, LiteralSpelledLikeATypeDoesNotChangeItsSize) {
  Scan scan;
  scanText(scan, "'REAL' 'INTEGER' 'CHAR' 'BOOLEAN' 'TEXT' 'STRING' real integer char boolean text string");
  ASSERT_FALSE(scan.error);
  EXPECT_EQ(scan.symbols.FindSymbol("REAL")->size, 2);
  EXPECT_EQ(scan.symbols.FindSymbol("INTEGER")->size, 1);
  EXPECT_EQ(scan.symbols.FindSymbol("CHAR")->size, 1);
  EXPECT_EQ(scan.symbols.FindSymbol("BOOLEAN")->size, 1);
  EXPECT_EQ(scan.symbols.FindSymbol("TEXT")->size, 255);
  EXPECT_EQ(scan.symbols.FindSymbol("STRING")->size, 255);
}

}  // namespace
}  // namespace kau
