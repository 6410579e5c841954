// Prints a 5,000-line Pascal text with the Pascal highlighter to a PDF file
// through the Qt printer, offscreen.
//   print_pdf_bench [LINES] [FILE]
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/print/syn_edit_print.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_system.h"

int main(int argc, char** argv) {
  using namespace kau::editor;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kau::platform::QtSystemServices services;
  const int lineCount = argc > 1 ? std::atoi(argv[1]) : 5000;
  const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/print_pdf_bench.pdf");
  kau::platform::QtPrinter printer;
  printer.SetPdfFile(file);
  TSynPasSyn pas;
  TSynEditStringList lines;
  for (int i = 0; i < lineCount; ++i) lines.Add("  total := total + i * 3; { comentario } writeln('x');");
  TSynEditPrint print;
  print.SetPrinter(&printer);
  print.SetHighlighter(&pas);
  print.Font().SetName("Courier New");
  print.Font().SetSize(10);
  print.SetLineNumbers(true);
  print.SetLines(lines);
  const auto start = std::chrono::steady_clock::now();
  print.Print();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("%d lines to PDF: %d pages in %.0f ms\n", lineCount, print.GetPageCount(), took.count() * 1000);
}
