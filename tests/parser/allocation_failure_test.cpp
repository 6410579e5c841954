// A failed allocation anywhere in a parse becomes an internal compile error
// with a message, never the end of the process; the next parse is unaffected.
// This program replaces the global operator new so that one chosen
// allocation fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "compiler/parser.h"
#include "compiler/symbol_table.h"
#include "text/code_pages.h"

namespace {
long allocationsUntilFailure = -1;   // -1: never fail
}  // namespace

void* operator new(std::size_t size) {
  if (allocationsUntilFailure == 0) {
    allocationsUntilFailure = -1;
    throw std::bad_alloc();
  }
  if (allocationsUntilFailure > 0) --allocationsUntilFailure;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kau {
namespace {

void clearCompilation() {
  ClearSymbolTable();
  ClearRealTable();
  FreeValueQueue();
  FreeProductionList();
}

TEST(ParserMemory, EveryFailedAllocationIsReported) {
  const std::string program = text::cp1252(
      "PROGRAM T; CONST C = 'texto'; VAR X: INTEGER; R: REAL;\n"
      "BEGIN X := 1; R := 2.5; IF X > 0 THEN WRITELN('sim', X:3) ELSE WRITELN; END.");
  ASSERT_EQ(ParseProgram(program.c_str()), 0);
  const auto productions = ProductionList.Remaining();
  clearCompilation();

  const std::string memoryPrefix = text::cp1252(" => Erro interno do compilador na linha ");
  const std::string memoryMessage = text::cp1252("...# => Memória insuficiente para compilar o programa!");
  int failures = 0;
  for (long n = 0; n < 2000; ++n) {
    allocationsUntilFailure = n;
    const int flag = ParseProgram(program.c_str());
    const bool failed = allocationsUntilFailure == -1;
    allocationsUntilFailure = -1;
    const std::string message = GetParseMessage();
    clearCompilation();
    if (!failed) {
      EXPECT_EQ(flag, 0);
      break;
    }
    ++failures;
    EXPECT_EQ(flag, 1) << "allocation " << n;
    EXPECT_EQ(message.rfind(memoryPrefix, 0), 0u) << "allocation " << n << ": " << message;
    EXPECT_NE(message.find(memoryMessage), std::string::npos) << "allocation " << n;

    // The next compilation is whole again.
    ASSERT_EQ(ParseProgram(program.c_str()), 0);
    EXPECT_EQ(ProductionList.Remaining(), productions);
    clearCompilation();
  }
  EXPECT_GT(failures, 10);
}

}  // namespace
}  // namespace kau
