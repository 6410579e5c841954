// The lexer: turns a program text (code page 1252, NUL-terminated, lines
// ended by CR LF or LF) into tokens for the parser. Names and string literals
// are entered into the symbol table and real literals into the real-constant
// table while they are scanned, so that a token's values can point there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/symbol_table.h"
#include "compiler/token_kinds.h"

namespace kau {

class Lexico {
 public:
  // A lexer over the compilation's tables (Symbols, RealConstants).
  explicit Lexico(const char* text);
  // A lexer over tables of the caller's. The text ends at its first NUL or at
  // the end of the view, whichever comes first; it must outlive the lexer.
  Lexico(std::string_view text, SymbolTable& symbols, RealConstantTable& reals);
  Lexico(const Lexico&) = delete;
  Lexico& operator=(const Lexico&) = delete;

  // Scans the next token and returns its kind (TK_END_OF_TEXT, again and
  // again, once the text is used up). After an error, read no further token.
  int ReadToken();

  int GetTokenKind() const { return kind_; }
  std::string GetTokenText() const { return text_; }
  std::int32_t GetValue() const { return value_; }
  std::int32_t GetValue2() const { return value2_; }
  int GetLine() const { return line_; }
  bool HasError() const { return error_; }
  std::string GetErrorMessage() const { return message_; }

 private:
  void NextToken();
  char NextChar();
  void UngetChar();
  void ComputeColumn();
  bool AtEnd() const;
  bool SkipBraceComment();
  bool SkipParenComment();
  void ScanIdentifier();
  void ScanNumber();
  void ScanRealPart();
  void CheckIntegerLiteral();
  void ScanQuotedLiteral();
  void ScanCompoundOperator();
  void ScanSymbol();
  void RaiseLexicalError(int code);
  void SetEndOfText();

  SymbolTable& symbols_;
  RealConstantTable& reals_;
  int line_ = 1;
  int column_ = 0;
  bool atEnd_ = false;
  int kind_ = TK_NONE;
  std::string text_;
  std::int32_t value_ = 0;
  std::int32_t value2_ = 0;
  bool error_ = false;
  std::string message_;
  char current_ = 0;
  bool hashCode_ = false;
  std::string_view source_;
  std::size_t position_ = 0;
};

}  // namespace kau
