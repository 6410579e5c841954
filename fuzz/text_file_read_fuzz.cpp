// Arbitrary bytes as the contents of a text file, read by a program with READ
// and READLN of every kind of target and with EOF, in an order the input
// chooses. Every run must end normally or with a run-time message, never with
// a crash or a sanitizer report, and no file read may take anything typed at
// the keyboard. The contents can be repeated past the reader's 64 KB buffer,
// so that a number, word or line straddles a refill.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "compiler/code_buffer.h"
#include "fuzz/word_code_input.h"
#include "interpreter/entry_points.h"
#include "interpreter/interpretador.h"
#include "interpreter/runtime_errors.h"
#include "tests/interpreter/fake_console.h"

namespace {

// Each byte of 'ops' picks the next read of 'dados'.
constexpr char kProgram[] =
    "program leitura;\n"
    "var f, g: text; op: char; i: integer; r: real; c: char; b: boolean;\n"
    "    s: string; s5: string[5];\n"
    "begin\n"
    "  assign(g, 'ops'); reset(g);\n"
    "  assign(f, 'dados'); reset(f);\n"
    "  while not eof(g) do begin\n"
    "    read(g, op);\n"
    "    case ord(op) mod 14 of\n"
    "      0: read(f, i);   1: readln(f, i);\n"
    "      2: read(f, r);   3: readln(f, r);\n"
    "      4: read(f, c);   5: readln(f, c);\n"
    "      6: read(f, b);   7: readln(f, b);\n"
    "      8: read(f, s);   9: readln(f, s);\n"
    "      10: read(f, s5); 11: readln(f, s5);\n"
    "      12: readln(f);   13: b := eof(f);\n"
    "    end;\n"
    "    write(length(s5));\n"
    "  end;\n"
    "  close(f); close(g);\n"
    "end.\n";
constexpr std::size_t kReaderBuffer = 64 * 1024;
constexpr std::int64_t kInstructionBudget = 2000000;
constexpr char kTyped[] = "digitado\n";

std::vector<kau::Word> compiled;

void WriteFile(const char* name, const std::string& bytes) {
  std::FILE* file = std::fopen(name, "wb");
  if (!file) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kau::fuzzing::EnterScratchFolder("kau_text_file_read_fuzz_");
  if (kau::CompileProgram(kProgram) != 0) std::abort();
  compiled.assign(kau::ProgramMemory, kau::ProgramMemory + kau::GetCodeCounter() + 1);
  return 0;
}

// The first byte: the number of read choices that follow (low 7 bits) and
// whether the rest, the file's contents, is repeated past 64 KB (high bit).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t choices = std::min<std::size_t>(data[0] & 0x7F, size - 1);
  WriteFile("ops", std::string(reinterpret_cast<const char*>(data + 1), choices));
  const std::string contents(reinterpret_cast<const char*>(data + 1 + choices), size - 1 - choices);
  std::string file = contents;
  if ((data[0] & 0x80) != 0 && !contents.empty()) {
    while (file.size() < kReaderBuffer + contents.size()) file += contents;
  }
  WriteFile("dados", file);

  static std::vector<kau::Word> memory(kau::kProgramMemoryWords);
  std::copy(compiled.begin(), compiled.end(), memory.begin());
  kau::testing::FakeConsole console;
  console.input = kTyped;
  console.outputLimit = 1 << 16;
  kau::Interpretador machine(memory.data(), static_cast<int>(compiled.size()), false, console);
  machine.SetInstructionBudget(kInstructionBudget);
  console.beginRun();
  machine.Run();
  console.endRun();

  if (console.inputPos != 0) std::abort();  // a file read took a typed line
  for (const char c : console.output) {
    if (c < '0' || c > '5') std::abort();  // a STRING[5] holding more than 5
  }
  if (machine.HasRuntimeError()) {
    const std::string message = machine.GetRuntimeMessage();
    const std::string header = kau::RuntimeErrorText(kau::kErrorExecution, 0).substr(0, 28);
    if (message != kau::CtrlCText() && message.rfind(header, 0) != 0) std::abort();
  }
  return 0;
}
