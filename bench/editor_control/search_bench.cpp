// Bracket matching and replace-all over large texts in the editor control,
// with the Pascal highlighter attached. Prints times; never fails on them.
//   search_bench [LINES]   (the generated program's size, default 100,000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "editor/control/syn_edit.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/search/syn_edit_search.h"
#include "platform/fake/fake_system.h"

namespace {

using Clock = std::chrono::steady_clock;
using kau::editor::TPoint;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The program bench/large_program.py writes, as one text.
std::string LargeProgram(int lines) {
  const std::string command = "python3 " KAU_SOURCE_DIR "/bench/large_program.py " + std::to_string(lines);
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string text;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, n);
  return text;
}

void BracketInLargeProgram(int lines) {
  kau::editor::TSynEdit edit;
  kau::editor::TSynPasSyn pascal;
  edit.Lines().SetText(LargeProgram(lines));
  edit.Lines().Put(0, "( " + edit.Lines().Get(0));  // never closed
  edit.SetHighlighter(&pascal);
  const auto start = Clock::now();
  const TPoint match = edit.GetMatchingBracketEx({1, 1}, true);
  std::printf("unmatched ( at line 1 of %d lines: %8.1f ms (%d, %d)\n", edit.LineCount(), MillisecondsSince(start),
              match.X, match.Y);
}

void BracketInLongLine(int length) {
  kau::editor::TSynEdit edit;
  kau::editor::TSynPasSyn pascal;
  std::string line = "(";
  while (static_cast<int>(line.size()) < length) line += "()";
  line.resize(static_cast<std::size_t>(length));
  edit.Lines().Add(line);
  edit.SetHighlighter(&pascal);
  const auto start = Clock::now();
  const TPoint match = edit.GetMatchingBracketEx({1, 1}, false);
  std::printf("unmatched ( in a line of %d brackets: %8.1f ms (%d, %d)\n", length, MillisecondsSince(start), match.X,
              match.Y);
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
  kau::platform::FakeSystem system;
  kau::platform::SetSystem(&system);
  BracketInLargeProgram(lines);
  BracketInLongLine(1000000);
  kau::platform::SetSystem(nullptr);
  return 0;
}
