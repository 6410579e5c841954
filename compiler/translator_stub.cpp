// Placeholder until the translator lands: every program is refused.
#include "compiler/code_buffer.h"
#include "text/code_pages.h"

namespace kau {

int GenerateCode() { return 1; }
int GetCodeCounter() { return 4; }
std::string GetSemanticMessage() { return text::cp1252(" => A tradução ainda não está construída."); }
std::int32_t GetSemanticErrorLine() { return 0; }

}  // namespace kau
