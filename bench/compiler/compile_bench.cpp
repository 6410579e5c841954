// Compiles generated programs of 2,500 to 20,000 routines (each with a
// parameter, a local, a record, an array and a CASE) and prints the time per
// routine for each size: a compiler that is linear keeps it flat. The larger
// programs pass the memory limit and are refused at the end of the pass,
// after all of their translation.
//   compile_bench [ROUNDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "compiler/code_buffer.h"
#include "compiler/parser.h"
#include "compiler/symbol_table.h"

namespace {

std::string makeProgram(int routines) {
  std::string text = "PROGRAM Bench;\nTYPE Par = RECORD a, b: INTEGER; END;\nVAR total: INTEGER; v: ARRAY[1..10] OF INTEGER;\n";
  for (int i = 0; i < routines; ++i) {
    const std::string n = std::to_string(i);
    text += "PROCEDURE P" + n + "(k: INTEGER);\nVAR local" + n + ": Par;\nBEGIN\n  local" + n +
            ".a := k;\n  CASE k MOD 3 OF 0: total := total + local" + n + ".a; 1, 2: v[k MOD 10 + 1] := k; END;\nEND;\n";
  }
  text += "BEGIN\n";
  for (int i = 0; i < routines; ++i) text += "  P" + std::to_string(i) + "(" + std::to_string(i) + ");\n";
  return text + "END.\n";
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
  for (int routines = 2500; routines <= 20000; routines *= 2) {
    const std::string text = makeProgram(routines);
    double best = 1e30;
    int flag = 0;
    for (int r = 0; r < rounds; ++r) {
      auto start = std::chrono::steady_clock::now();
      flag = kau::ParseProgram(text.c_str());
      if (flag == 0) flag = kau::GenerateCode();
      kau::ClearSymbolTable();
      kau::ClearRealTable();
      kau::FreeValueQueue();
      kau::FreeProductionList();
      std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      if (took.count() < best) best = took.count();
    }
    std::printf("%6d routines  %8.1f ms  %6.2f us/routine%s\n", routines, best * 1e3, best * 1e6 / routines,
                flag ? "  (refused)" : "");
  }
  return 0;
}
