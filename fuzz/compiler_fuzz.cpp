// The whole compiler on arbitrary text: lexer, parser and translator end in
// success or in one error text, never in a crash, a hang or a write outside
// the code array; a success leaves OP_HALT at the end of the code.
#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/code_buffer.h"
#include "compiler/parser.h"
#include "compiler/symbol_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);  // ends at the first NUL
  if (kau::ParseProgram(text.c_str()) == 0) {
    const int flag = kau::GenerateCode();
    if (flag != 0 && kau::GetSemanticMessage().empty()) __builtin_trap();
    if (flag == 0) {
      const int halt = kau::GetCodeCounter();
      if (halt < 4 || halt >= kau::kProgramMemoryWords || kau::ProgramMemory[halt] != kau::OP_HALT) __builtin_trap();
    }
  }
  kau::ClearSymbolTable();
  kau::ClearRealTable();
  kau::FreeValueQueue();
  kau::FreeProductionList();
  return 0;
}
