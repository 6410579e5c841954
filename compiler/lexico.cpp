#include "compiler/lexico.h"

namespace kau {

Lexico::Lexico(const char* text) : Lexico(std::string_view(text ? text : ""), Symbols, RealConstants) {}

Lexico::Lexico(std::string_view text, SymbolTable& symbols, RealConstantTable& reals)
    : symbols_(symbols), reals_(reals), source_(text) {}

int Lexico::ReadToken() {
  NextToken();
  return kind_;
}

void Lexico::NextToken() { SetEndOfText(); }

void Lexico::SetEndOfText() {
  atEnd_ = true;
  text_ = "$";
  kind_ = TK_END_OF_TEXT;
}

}  // namespace kau
