// Bracket matching and replace-all with its Undo over large texts in the editor control,
// with the Pascal highlighter attached, and the find and replace dialogs' search. Prints times; never fails on them.
//   search_bench [LINES]   (the generated program's size, default 100,000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/editor_control/large_program.h"
#include "editor/control/syn_edit.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/search/syn_edit_search.h"
#include "ide/text_search.h"
#include "platform/fake/fake_system.h"

namespace {

using kau::bench::Clock;
using kau::bench::LargeProgram;
using kau::bench::MillisecondsSince;
using kau::editor::TPoint;

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

// Replace-all of `matches` matches spread over `lines` lines, then its Undo.
void ReplaceAllAndUndo(int lines, int matches) {
  kau::editor::TSynEdit edit;
  kau::editor::TSynEditSearch engine;
  edit.SetSearchEngine(&engine);
  edit.SetMaxUndo(4 * matches);  // room for the one undo group of two items a match
  const int every = lines / matches;
  for (int i = 0; i < lines; ++i)
    edit.Lines().Add(i % every == 0 ? "  alvo := alvo_nao + " + std::to_string(i) + ";" : "  x := y + 1;");
  auto start = Clock::now();
  const int count = edit.SearchReplace("alvo", "destino",
                                       kau::editor::ssoReplace | kau::editor::ssoReplaceAll |
                                           kau::editor::ssoEntireScope | kau::editor::ssoWholeWord);
  std::printf("replace-all of %d matches in %d lines: %8.1f ms\n", count, edit.LineCount(), MillisecondsSince(start));
  const std::string after = edit.Lines().Get(0);
  start = Clock::now();
  edit.Undo();
  std::printf("its Undo:                              %8.1f ms (line 1 \"%s\" back to \"%s\")\n",
              MillisecondsSince(start), after.c_str(), edit.Lines().Get(0).c_str());
}

// The find and replace dialogs' Find next until none, then Replace All,
// over `matches` matches in `lines` lines (no window: the search and the
// edits alone).
void DialogsFindAndReplaceAll(int lines, int matches) {
  kau::editor::TSynEdit edit;
  const int every = lines / matches;
  for (int i = 0; i < lines; ++i)
    edit.Lines().Add(i % every == 0 ? "  alvo := alvo_nao + " + std::to_string(i) + ";" : "  x := y + 1;");
  auto start = Clock::now();
  int found = 0;
  while (kau::ide::FindNext(edit, "ALVO :=", false)) ++found;
  std::printf("dialogs: find next until none, %d found in %d lines: %8.1f ms\n", found, edit.LineCount(),
              MillisecondsSince(start));
  edit.SetCaretXY({1, 1});
  start = Clock::now();
  const int replaced = kau::ide::Replace(edit, "ALVO :=", "destino :=", false, true);
  std::printf("dialogs: replace all, %d replaced:                %8.1f ms\n", replaced, MillisecondsSince(start));
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
  kau::platform::FakeSystem system;
  kau::platform::SetSystem(&system);
  BracketInLargeProgram(lines);
  BracketInLongLine(1000000);
  ReplaceAllAndUndo(20000, 10000);
  DialogsFindAndReplaceAll(100000, 10000);
  kau::platform::SetSystem(nullptr);
  return 0;
}
