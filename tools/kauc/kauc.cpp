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

#include "compiler/code_buffer.h"
#include "compiler/program_dump.h"
#include "interpreter/entry_points.h"
#include "text/code_pages.h"
#include "tools/kauc/source_file.h"

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitRuntimeError = 1;
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

// The status of an entry point's failure; a make that could not write its
// file counts as a file that could not be used.
int failure(int otherwise) {
  printError(kau::GetCompileErrorText());
  return kau::LastErrorIsCompileError() ? kExitCompileError : otherwise;
}

int runProgram(const std::string& text, bool consoleRun) {
  kau::SetConsoleRun(consoleRun);
  return kau::CompileAndRun(text.c_str()) == 0 ? kExitSuccess : failure(kExitRuntimeError);
}

int makeExecutable(const std::string& text, const std::string& path) {
  return kau::CompileAndGenerateExecutable(text.c_str(), path.c_str()) == 0 ? kExitSuccess : failure(kExitUsage);
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
  if (command == "run") return runProgram(text, consoleRun);
  if (command == "make") return makeExecutable(text, path);
  if (kau::CompileProgram(text.c_str()) != 0) return failure(kExitUsage);
  const std::string dump = kau::FormatProgramDump(kau::ProgramMemory, kau::GetCodeCounter() + 1);
  std::fwrite(dump.data(), 1, dump.size(), stdout);
  return kExitSuccess;
}
