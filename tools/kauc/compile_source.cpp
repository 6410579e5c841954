#include "tools/kauc/compile_source.h"

#include "compiler/code_buffer.h"
#include "compiler/parser.h"
#include "compiler/symbol_table.h"

namespace kau {

int compileSource(const std::string& text, std::string& errorText, int& errorLine) {
  errorText.clear();
  errorLine = 0;
  int result = ParseProgram(text.c_str());
  if (result) {
    errorText = GetParseMessage();
    errorLine = GetParseErrorLine();
  } else {
    result = GenerateCode();
    if (result) {
      errorText = GetSemanticMessage();
      errorLine = GetSemanticErrorLine();
    }
  }
  ClearSymbolTable();
  ClearRealTable();
  FreeValueQueue();
  FreeProductionList();
  return result;
}

}  // namespace kau
