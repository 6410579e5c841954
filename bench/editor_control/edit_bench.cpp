// The editing engine over a large text: a 100,000-line SelText, its
// line-mode deletion, and the Undo and Redo of both, with the Pascal
// highlighter attached. Prints times; never fails on them.
//   edit_bench [LINES]   (the generated program's size, default 100,000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/editor_control/large_program.h"
#include "editor/control/syn_edit.h"
#include "editor/highlight/pascal_highlighter.h"

namespace {

using kau::bench::Clock;
using kau::bench::LargeProgram;
using kau::bench::MillisecondsSince;

template <typename Step>
void Time(const char* what, kau::editor::TSynEdit& edit, Step step) {
  const auto start = Clock::now();
  step();
  std::printf("%-44s %8.1f ms (%d lines)\n", what, MillisecondsSince(start), edit.LineCount());
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
  const std::string text = LargeProgram(lines);
  if (text.empty()) {
    std::fprintf(stderr, "edit_bench: no program text\n");
    return 1;
  }
  kau::editor::TSynEdit edit;
  kau::editor::TSynPasSyn pascal;
  edit.SetHighlighter(&pascal);
  edit.Lines().Add("begin");
  edit.Lines().Add("end.");
  edit.SetCaretXY({1, 2});
  Time("SelText of the whole program", edit, [&] { edit.SetSelTextExternal(text); });
  const int last = edit.LineCount() - 1;
  Time("line-mode deletion of its lines", edit, [&] {
    edit.SetSelectionMode(kau::editor::smLine);
    edit.SetCaretAndSelection({1, last}, {1, 2}, {1, last});
    edit.SetSelTextExternal("");
  });
  Time("Undo of the deletion", edit, [&] { edit.Undo(); });
  Time("Undo of the SelText", edit, [&] { edit.Undo(); });
  Time("Redo of the SelText", edit, [&] { edit.Redo(); });
  Time("Redo of the deletion", edit, [&] { edit.Redo(); });
  return 0;
}
