// Counts the pages of a 100,000-line Pascal text on the fake printer, with
// wrapping, line numbers and the Pascal highlighter, the way a print or a
// preview first does.
//   print_bench [LINES] [ROUNDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/print/syn_edit_print.h"
#include "platform/fake/fake_printer.h"

int main(int argc, char** argv) {
  using namespace kau::editor;
  const int lineCount = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  kau::platform::FakePrinter printer;
  TSynPasSyn pas;
  TSynEditStringList lines;
  for (int i = 0; i < lineCount; ++i)
    lines.Add(i % 7 == 0 ? "  writeln('uma linha bem mais longa que as outras, que passa da margem direita e quebra "
                           "em duas ou tres partes', total, media, nome, i * 2, j - 3, k div 4);"
                         : "  total := total + i * 3; { comentario }");
  double best = 1e9;
  int pages = 0;
  for (int r = 0; r < rounds; ++r) {
    TSynEditPrint print;
    print.SetPrinter(&printer);
    print.SetHighlighter(&pas);
    print.SetLineNumbers(true);
    print.SetLines(lines);
    const auto start = std::chrono::steady_clock::now();
    pages = print.GetPageCount();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  std::printf("GetPageCount of %d lines: %d pages, best of %d: %.1f ms\n", lineCount, pages, rounds, best * 1000);
}
