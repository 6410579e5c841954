#include "compiler/parser.h"

#include "text/code_pages.h"

namespace kau {

IntList ValueQueue;
IntList ProductionList;

namespace {
int parseErrorFlag = 0;
std::int32_t parseErrorLine = 0;
std::string parseMessage;
}  // namespace

int ParseProgram(const char*) {
  parseErrorFlag = 1;
  parseErrorLine = 0;
  parseMessage = text::cp1252(" => O analisador ainda não está construído.");
  return parseErrorFlag;
}

std::string GetParseMessage() { return parseMessage; }
std::int32_t GetParseErrorLine() { return parseErrorLine; }
std::int32_t PopInt(IntList& list) { return list.PopFront(); }
void FreeValueQueue() { ValueQueue.Free(); }
void FreeProductionList() { ProductionList.Free(); }

}  // namespace kau
