#include "interpreter/entry_points.h"

#include <memory>

#include "compiler/code_buffer.h"
#include "compiler/parser.h"
#include "compiler/symbol_table.h"
#include "interpreter/executable_file.h"
#include "interpreter/generated_executable.h"
#include "interpreter/interpretador.h"
#include "interpreter/runtime_errors.h"

namespace kau {

namespace {

std::string LastErrorText;
int LastErrorLine = 0;
bool LastErrorFromCompiler = false;

console::Console* RunConsole = nullptr;
bool ConsoleRun = true;

console::Console& CurrentConsole() {
  if (RunConsole != nullptr) return *RunConsole;
  static const std::unique_ptr<console::Console> terminal = console::makeTerminalConsole();
  return *terminal;
}

void StartCall() {
  LastErrorText.clear();
  LastErrorLine = 0;
  LastErrorFromCompiler = false;
}

// Parses and translates into ProgramMemory; 1 with the compiler's text and
// line after the first error.
int ParseAndTranslate(const char* source) {
  if (ParseProgram(source) != 0) {
    LastErrorText = GetParseMessage();
    LastErrorLine = GetParseErrorLine();
  } else if (GenerateCode() != 0) {
    LastErrorText = GetSemanticMessage();
    LastErrorLine = GetSemanticErrorLine();
  } else {
    return 0;
  }
  LastErrorFromCompiler = true;
  return 1;
}

// Every compilation, successful or not, leaves the tables and lists empty.
struct CompilerStateCleaner {
  ~CompilerStateCleaner() {
    ClearSymbolTable();
    ClearRealTable();
    FreeValueQueue();
    FreeProductionList();
  }
};

// An internal fault (an exception that reached the entry point) is reported
// as a failed run, never as success. Called inside a handler: nothing may
// escape it, not even running out of memory for the text.
int InternalFault() noexcept {
  try {
    if (LastErrorText.empty()) LastErrorText = RuntimeErrorText(kErrorExecution, 0);
  } catch (...) {
  }
  return 1;
}

// The number of code words: the index of the closing OP_HALT plus one.
int CodeWordCount() { return GetCodeCounter() + 1; }

}  // namespace

int CompileProgram(const char* source) {
  if (source == nullptr) source = "";
  try {
    StartCall();
    CompilerStateCleaner cleaner;
    return ParseAndTranslate(source);
  } catch (...) {
    return InternalFault();
  }
}

int CompileAndRun(const char* source) {
  try {
    if (CompileProgram(source) != 0) return 1;
    console::Console& console = CurrentConsole();
    Interpretador interpreter(ProgramMemory, CodeWordCount(), ConsoleRun, console);
    console.beginRun();
    interpreter.Run();
    console.endRun();
    if (!interpreter.HasRuntimeError()) return 0;
    LastErrorText = interpreter.GetRuntimeMessage();
    return 1;
  } catch (...) {
    try {
      CurrentConsole().endRun();
    } catch (...) {
    }
    return InternalFault();
  }
}

int CompileAndGenerateExecutable(const char* source, const char* sourcePath) {
  if (sourcePath == nullptr) sourcePath = "";
  try {
    if (CompileProgram(source) != 0) return 1;
    return GenerateExecutable(ExecutablePathFor(sourcePath), ProgramMemory, CodeWordCount(), LastErrorText) ? 0 : 1;
  } catch (...) {
    return InternalFault();
  }
}

std::string GetCompileErrorText() { return LastErrorText; }
int GetCompileErrorLine() { return LastErrorLine; }
bool LastErrorIsCompileError() { return LastErrorFromCompiler; }

void SetRunConsole(console::Console* console) { RunConsole = console; }
void SetConsoleRun(bool on) { ConsoleRun = on; }

}  // namespace kau
