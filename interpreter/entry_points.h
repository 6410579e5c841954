// The entry points through which the windows and kauc compile and run a
// program text or make a stand-alone executable of it. Each returns 1 after
// an error and 0 after success and leaves the error's text and line for the
// queries below. Not re-entrant; no exception leaves them.
#pragma once

#include <string>

#include "platform/console/console.h"

namespace kau {

// `source`: the whole program text, NUL-terminated, code page 1252.
// Compiles into ProgramMemory (the code is then GetCodeCounter() + 1 words)
// and empties the compiler's tables and lists, whatever the outcome.
int CompileProgram(const char* source);
int CompileAndRun(const char* source);
// Writes the executable beside `sourcePath` (see ExecutablePathFor).
int CompileAndGenerateExecutable(const char* source, const char* sourcePath);

// The last error: a header and a message joined by "#" (code page 1252),
// empty after success.
std::string GetCompileErrorText();
// The source line of the last compile error; 0 after success, a run-time
// error, Ctrl+C or a failure to write the executable.
int GetCompileErrorLine();
// True when the last error came from the compiler (lexical, syntactic or
// semantic), whatever its line.
bool LastErrorIsCompileError();

// The console that programs run on; nullptr gives back the terminal.
void SetRunConsole(console::Console* console);
// On (the default), a run belongs to the windows: light green, a cleared
// window, and after a normal end the wait for Enter and the banner. Off, it
// runs as in a stand-alone executable.
void SetConsoleRun(bool on);

}  // namespace kau
