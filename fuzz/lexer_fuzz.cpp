// Scans arbitrary bytes and checks what every token promises: symbol-valued
// tokens lead to an entry of their own text, reals to a node, and the end of
// text stays the end.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "compiler/lexico.h"
#include "compiler/symbol_table.h"

namespace {

bool pointsIntoSymbols(int kind) {
  using namespace kau;
  switch (kind) {
    case TK_PROGRAM: case TK_ID: case TK_STRLIT: case TK_ARRAY: case TK_STRING:
    case TK_INTEGER: case TK_CHAR: case TK_BOOLEAN: case TK_REAL: case TK_TEXT:
      return true;
    default:
      return false;
  }
}

void check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kau;
  SymbolTable symbols;
  RealConstantTable reals;
  Lexico lexer(std::string_view(reinterpret_cast<const char*>(data), size), symbols, reals);
  // Every token but the end consumes at least one byte.
  for (std::size_t i = 0; i <= size + 1; ++i) {
    const int kind = lexer.ReadToken();
    if (lexer.HasError()) {
      check(!lexer.GetErrorMessage().empty());
      return 0;
    }
    check(kind >= 1 && kind <= kTokenKindCount);
    check(lexer.GetLine() >= 1);
    if (pointsIntoSymbols(kind)) {
      const elem_tab_simb* entry = symbols.SymbolAt(lexer.GetValue(), lexer.GetValue2());
      check(entry != nullptr && entry->name == lexer.GetTokenText());
    }
    if (kind == TK_NUM && lexer.GetValue2() != kIntegerValue2)
      check(reals.RealAt(lexer.GetValue(), lexer.GetValue2()) != nullptr);
    if (kind == TK_CHARLIT) check(lexer.GetValue() >= 0);  // characters are unsigned
    if (kind == TK_END_OF_TEXT) {
      check(lexer.ReadToken() == TK_END_OF_TEXT);
      return 0;
    }
  }
  __builtin_trap();  // the scan did not come to an end
}
