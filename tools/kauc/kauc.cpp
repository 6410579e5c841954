// kauc: the command-line driver of the compiler and the interpreter.
//
//   kauc run [--console] PROGRAM.pas   compile and run
//   kauc make PROGRAM.pas              write the stand-alone executable
//   kauc dump PROGRAM.pas              print the program dump
//
// Standard output carries only the program's own output; error texts go to
// standard error in UTF-8. Exit status: 0 success, 1 run-time error or
// Ctrl+C, 2 compile error, 3 bad usage or an unreadable file.
#include <cstdio>
#include <cstring>
#include <string>

#include "compiler/parser.h"
#include "compiler/symbol_table.h"
#include "text/code_pages.h"
#include "tools/kauc/source_file.h"

namespace {

constexpr int kExitCompileError = 2;
constexpr int kExitUsage = 3;

int usage() {
  std::fputs(
      "uso: kauc run [--console] PROGRAMA.pas\n"
      "     kauc make PROGRAMA.pas\n"
      "     kauc dump PROGRAMA.pas\n",
      stderr);
  return kExitUsage;
}

void printError(const std::string& cp1252Text) {
  std::string utf8 = kau::text::cp1252ToUtf8(cp1252Text);
  utf8.push_back('\n');
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

// Parses the program; on a lexical or syntax error prints its text. The
// tables and lists are emptied afterwards whatever the outcome, as after
// every compilation.
bool parseProgram(const std::string& text) {
  const bool accepted = kau::ParseProgram(text.c_str()) == 0;
  if (!accepted) printError(kau::GetParseMessage());
  kau::ClearSymbolTable();
  kau::ClearRealTable();
  kau::FreeValueQueue();
  kau::FreeProductionList();
  return accepted;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  bool consoleRun = false;
  int fileArg = 2;
  if (command == "run" && std::strcmp(argv[2], "--console") == 0) {
    consoleRun = true;
    fileArg = 3;
  }
  if (fileArg != argc - 1 || (command != "run" && command != "make" && command != "dump")) return usage();

  const std::string path = argv[fileArg];
  std::string text;
  if (!kau::readSourceFile(path, text)) {
    printError(kau::text::cp1252(" => Não foi possível ler o arquivo '" + path + "'!"));
    return kExitUsage;
  }
  (void)consoleRun;
  if (!parseProgram(text)) return kExitCompileError;
  printError(kau::text::cp1252(" => A tradução ainda não está construída."));
  return kExitCompileError;
}
