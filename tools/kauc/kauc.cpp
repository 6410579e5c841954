// kauc: the command-line driver of the compiler and the interpreter.
//
//   kauc run [--console] PROGRAM.pas   compile and run
//   kauc make PROGRAM.pas              write the stand-alone executable
//   kauc dump PROGRAM.pas              print the program dump
//   kauc --help | -h, kauc --version
//
// Standard output carries only the program's own output (or the dump, the
// name of the executable written, the usage, the version); error texts go to
// standard error in UTF-8, the header and the message on lines of their own.
// Exit status: 0 success, 1 run-time error, Ctrl+C or standard output that
// could not be written (a pipe whose reader has gone ends the process by
// SIGPIPE instead, as Unix programs end), 2 compile error, 3 bad usage or an
// unreadable file.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/code_buffer.h"
#include "compiler/program_dump.h"
#include "interpreter/entry_points.h"
#include "interpreter/error_output.h"
#include "interpreter/executable_file.h"
#include "platform/console/console.h"
#include "platform/console/standard_streams.h"
#include "tools/kauc/source_file.h"

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitRuntimeError = 1;
constexpr int kExitCompileError = 2;
constexpr int kExitUsage = 3;

// Our own texts are UTF-8 literals, written as they stand.
constexpr char kUsage[] =
    "uso: kauc run [--console] PROGRAMA.pas   compila e executa\n"
    "     kauc make PROGRAMA.pas              gera o executável independente\n"
    "     kauc dump PROGRAMA.pas              mostra o programa compilado (código de palavras)\n"
    "     kauc --help | -h                    mostra este texto\n"
    "     kauc --version                      mostra a versão\n";
constexpr char kVersion[] = "Pascal KAU! " KAU_VERSION "\n";
// Written with no allocation, when even that may have failed.
constexpr char kInternalFault[] = " => Erro na execução do programa!\n";

void writeUtf8(std::FILE* stream, std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stream); }

// The status of an entry point's failure; a make that could not write its
// file counts as a file that could not be used.
int failure(int otherwise) {
  kau::WriteErrorText(kau::GetCompileErrorText());
  return kau::LastErrorIsCompileError() ? kExitCompileError : otherwise;
}

int runProgram(const std::string& text, bool consoleRun, kau::console::Console& console) {
  kau::SetRunConsole(&console);
  kau::SetConsoleRun(consoleRun);
  const int result = kau::CompileAndRun(text.c_str());
  kau::SetRunConsole(nullptr);
  // The windows' run leaves the cursor after the banner or the program's
  // last text; the shell's prompt or the error text gets a line of its own
  // (on a terminal only: files and pipes keep what the program wrote).
  if (consoleRun || result != 0) console.finishLine();
  return result == 0 ? kExitSuccess : failure(kExitRuntimeError);
}

int makeExecutable(const std::string& text, const std::string& path) {
  if (kau::CompileAndGenerateExecutable(text.c_str(), path.c_str()) != 0) return failure(kExitUsage);
  writeUtf8(stdout, "O arquivo executável foi gerado com sucesso: " + kau::ExecutablePathFor(path) + "\n");
  return kExitSuccess;
}

int dumpProgram(const std::string& text) {
  if (kau::CompileProgram(text.c_str()) != 0) return failure(kExitUsage);
  writeUtf8(stdout, kau::FormatProgramDump(kau::ProgramMemory, kau::GetCodeCounter() + 1));
  return kExitSuccess;
}

// Everything meant for standard output must have arrived there: a run's
// output goes through its console, the rest through stdio.
int withOutputChecked(int status, const kau::console::Console* console) {
  const bool written =
      std::fflush(stdout) == 0 && !std::ferror(stdout) && (console == nullptr || !console->outputFailed());
  if (written) return status;
  kau::WriteToStandardError(kau::kOutputLostText);
  return status == kExitSuccess ? kExitRuntimeError : status;
}

int kauc(const std::vector<std::string>& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    writeUtf8(stdout, kUsage);
    return withOutputChecked(kExitSuccess, nullptr);
  }
  if (args.size() == 1 && args[0] == "--version") {
    writeUtf8(stdout, kVersion);
    return withOutputChecked(kExitSuccess, nullptr);
  }
  const bool consoleRun = args.size() == 3 && args[0] == "run" && args[1] == "--console";
  const bool plain = args.size() == 2 && args[1] != "--console" &&
                     (args[0] == "run" || args[0] == "make" || args[0] == "dump");
  if (!consoleRun && !plain) {
    writeUtf8(stderr, kUsage);
    return kExitUsage;
  }
  const std::string& command = args[0];
  const std::string& path = args.back();
  std::string text;
  if (!kau::readSourceFile(path, text)) {
    writeUtf8(stderr, " => Não foi possível ler o arquivo '" + path + "'!\n");
    return kExitUsage;
  }
  if (command == "run") {
    const std::unique_ptr<kau::console::Console> console = kau::console::makeTerminalConsole();
    return withOutputChecked(runProgram(text, consoleRun, *console), console.get());
  }
  return withOutputChecked(command == "make" ? makeExecutable(text, path) : dumpProgram(text), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  kau::console::occupyClosedStandardDescriptors();
  try {
    return kauc(std::vector<std::string>(argv + 1, argv + argc));
  } catch (...) {
    // The entry points catch their own faults; what is left is running out
    // of memory in the driver itself.
    std::fputs(kInternalFault, stderr);
    return kExitRuntimeError;
  }
}
