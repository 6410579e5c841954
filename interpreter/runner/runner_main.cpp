// kaurunner: the stand-alone runner that every generated executable begins
// with. It reads the compiled program appended to its own file and runs it on
// the terminal as a program of its own: no colours, clearing, wait or banner.
//
// Error texts go to standard error, each followed by a line break. Exit
// status: 0 after a normal end, 1 after a run-time error or Ctrl+C, 2 when
// the appended program is missing, damaged or too large.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "interpreter/interpretador.h"
#include "interpreter/runner_loader.h"
#include "platform/console/console.h"
#include "text/code_pages.h"

namespace {

constexpr int kExitRuntimeError = 1;
constexpr int kExitBadProgram = 2;

// An error text (code page 1252) on standard error, on a line of its own.
void WriteError(const std::string& cp1252Text) {
  const std::string utf8 = kau::text::cp1252ToUtf8(cp1252Text) + "\n";
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

// The code words, frames and stack of the run.
kau::Word memory[kau::kProgramMemoryWords];

int Run() {
  std::ifstream self("/proc/self/exe", std::ios::binary);
  const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(self)), std::istreambuf_iterator<char>());
  kau::LoadedProgram program;
  std::string message;
  if (!self.is_open() || file.empty()) {
    WriteError(kau::text::cp1252(" => Não foi possível ler o próprio arquivo do executável!"));
    return kExitBadProgram;
  }
  if (!kau::LoadAppendedProgram(file, program, message)) {
    WriteError(message);
    return kExitBadProgram;
  }
  std::copy(program.code.begin(), program.code.end(), memory);

  const std::unique_ptr<kau::console::Console> console = kau::console::makeTerminalConsole();
  kau::Interpretador interpreter(memory, program.wordCount, false, *console);
  console->beginRun();
  interpreter.Run();
  console->endRun();
  if (!interpreter.HasRuntimeError()) return 0;
  // Kept apart from the program's output, whose console is flushed by now.
  WriteError(kau::text::cp1252(" => Erro de execução... ") + interpreter.GetRuntimeMessage());
  return kExitRuntimeError;
}

}  // namespace

int main() {
  try {
    return Run();
  } catch (...) {
    // Out of memory while loading, or a console that cannot be set up. The
    // text is written as it stands: converting it could fail the same way.
    std::fputs(" => Erro na execução do programa!\n", stderr);
    return kExitBadProgram;
  }
}
