// Scans a whole text with tables of its own and keeps every token.
#pragma once

#include <string>
#include <vector>

#include "compiler/lexico.h"
#include "compiler/symbol_table.h"
#include "text/code_pages.h"

namespace kau::testing {

struct Token {
  int kind;
  std::string text;
  int value;
  int value2;
  int line;
};

struct Scan {
  SymbolTable symbols;
  RealConstantTable reals;
  std::vector<Token> tokens;  // the end token included
  bool error = false;
  std::string message;  // as UTF-8
  int errorLine = 0;
};

// Reads tokens until the end of text or the first error (at most `limit`).
inline void scanText(Scan& scan, const std::string& text, int limit = 10000) {
  Lexico lexer(text, scan.symbols, scan.reals);
  for (int i = 0; i < limit; ++i) {
    const int kind = lexer.ReadToken();
    if (lexer.HasError()) {
      scan.error = true;
      scan.message = text::cp1252ToUtf8(lexer.GetErrorMessage());
      scan.errorLine = lexer.GetLine();
      return;
    }
    scan.tokens.push_back({kind, lexer.GetTokenText(), lexer.GetValue(), lexer.GetValue2(), lexer.GetLine()});
    if (kind == TK_END_OF_TEXT) return;
  }
}

}  // namespace kau::testing
