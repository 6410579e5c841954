#include "tests/translator/compile_helper.h"

#include <algorithm>

#include "compiler/code_buffer.h"
#include "compiler/parser.h"
#include "compiler/symbol_table.h"

namespace kau::testing {

Compiled compile(const std::string& text) {
  Compiled c;
  if (ParseProgram(text.c_str()) != 0) {
    c.message = GetParseMessage();
    c.line = GetParseErrorLine();
  } else {
    c.flag = GenerateCode();
    if (c.flag) {
      c.message = GetSemanticMessage();
      c.line = GetSemanticErrorLine();
    } else {
      c.code.assign(ProgramMemory, ProgramMemory + GetCodeCounter() + 1);
    }
  }
  ClearSymbolTable();
  ClearRealTable();
  FreeValueQueue();
  FreeProductionList();
  return c;
}

bool containsSequence(const std::vector<Word>& code, const std::vector<Word>& needle) {
  return std::search(code.begin(), code.end(), needle.begin(), needle.end()) != code.end();
}

}  // namespace kau::testing
