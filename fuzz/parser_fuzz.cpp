// The lexer and the parser on arbitrary text: any input ends in acceptance or
// in one error message, never in a crash, a leak or a hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/parser.h"
#include "compiler/symbol_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);   // ends at the first NUL
  const int flag = kau::ParseProgram(text.c_str());
  if (flag != 0 && kau::GetParseMessage().empty()) __builtin_trap();
  if (flag == 0 && !kau::GetParseMessage().empty()) __builtin_trap();
  // Read the lists the way the translator does.
  while (!kau::ProductionList.Empty()) kau::PopInt(kau::ProductionList);
  while (!kau::ValueQueue.Empty()) kau::PopInt(kau::ValueQueue);
  kau::ClearSymbolTable();
  kau::ClearRealTable();
  kau::FreeValueQueue();
  kau::FreeProductionList();
  return 0;
}
