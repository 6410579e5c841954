// kaurunner: the stand-alone runner that every generated executable begins
// with. It reads the compiled program appended to its own file and runs it on
// the terminal as a program of its own: no colours, clearing, wait or banner.
//
// Error texts go to standard error, the header and the message on lines of
// their own. Exit status: 0 after a normal end, 1 after a run-time error,
// Ctrl+C or a standard output that could not be written, 2 when the
// appended program is missing, damaged or too large.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "interpreter/error_output.h"
#include "interpreter/interpretador.h"
#include "interpreter/runner_loader.h"
#include "platform/files/whole_file.h"
#include "platform/console/console.h"
#include "platform/console/standard_streams.h"
#include "text/code_pages.h"

namespace {

constexpr int kExitRuntimeError = 1;
constexpr int kExitBadProgram = 2;

// The code words, frames and stack of the run.
kau::Word memory[kau::kProgramMemoryWords];

int Run() {
  std::vector<std::uint8_t> file;
  kau::LoadedProgram program;
  std::string message;
  if (!kau::files::ReadWholeFile("/proc/self/exe", file) || file.empty()) {
    kau::WriteErrorText(kau::text::cp1252(" => Não foi possível ler o próprio arquivo do executável!"));
    return kExitBadProgram;
  }
  if (!kau::LoadAppendedProgram(file, program, message)) {
    kau::WriteErrorText(message);
    return kExitBadProgram;
  }
  std::copy(program.code.begin(), program.code.end(), memory);

  const std::unique_ptr<kau::console::Console> console = kau::console::makeTerminalConsole();
  kau::Interpretador interpreter(memory, program.wordCount, false, *console);
  console->beginRun();
  interpreter.Run();
  console->endRun();
  // Kept apart from the program's output, whose console is flushed by now.
  int status = 0;
  if (interpreter.HasRuntimeError()) {
    console->finishLine();  // the text starts a line of its own on a terminal
    kau::WriteErrorText(interpreter.GetRuntimeMessage());
    status = kExitRuntimeError;
  }
  if (console->outputFailed()) {
    kau::WriteToStandardError(kau::kOutputLostText);
    status = kExitRuntimeError;
  }
  return status;
}

}  // namespace

int main() {
  kau::console::occupyClosedStandardDescriptors();
  try {
    return Run();
  } catch (...) {
    // Out of memory while loading, or a console that cannot be set up. The
    // text is written as it stands: converting it could fail the same way.
    std::fputs(" => Erro na execução do programa!\n", stderr);
    return kExitBadProgram;
  }
}
