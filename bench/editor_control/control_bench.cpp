// The control's painting and scrolling on the fake window: a full repaint of
// 120 × 50 cells of highlighted Pascal, paging through 200,000 lines with a
// repaint of each page, and character offsets at that text's end.
//   control_bench [ROUNDS]
// Prints the best time of ROUNDS rounds and the ratios that say how it
// scales: a repaint against a 60 Hz frame, the end of the text against its
// start.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/editor_control/bench_support.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"

using kau::bench::BestMs;
using kau::editor::TSynEdit;

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  kau::platform::FakeSystem system;
  kau::platform::SetSystem(&system);
  kau::platform::FakeWindow window;
  kau::bench::PascalView view(window, 200000);
  TSynEdit& edit = view.edit;
  kau::bench::Hold120By50(edit, window);
  std::printf("window %d columns x %d rows, %d lines\n", edit.CharsInWindow(), edit.LinesInWindow(),
              edit.LineCount());

  std::size_t calls = 0;
  const double repaint = BestMs(rounds, [&] { calls = window.PaintNow(true).Drawings().size(); });
  std::printf("full repaint:        %9.3f ms (%zu drawing calls; %.3f of a 60 Hz frame)\n", repaint, calls,
              repaint / (1000.0 / 60));

  int pages = 0;
  const double paging = BestMs(1, [&] {
    edit.SetTopLine(1);
    edit.SetCaretXY({1, 1});
    window.PaintNow(true);
    while (edit.TopLine() + edit.LinesInWindow() <= edit.LineCount()) {
      edit.CommandProcessor(kau::editor::ecPageDown, '\0', nullptr);
      window.PaintNow();
      ++pages;
    }
  });
  std::printf("paging 200,000 lines: %8.1f ms (%d pages, %.3f ms a page; %.3f of a full repaint)\n", paging, pages,
              paging / pages, paging / pages / repaint);

  const int last = edit.LineCount();
  volatile int sink = 0;
  const double atStart = BestMs(rounds, [&] {
    edit.SetCaretXY({5, 1});
    sink = sink + edit.GetSelStart() + edit.CharIndexToRowCol(10).Y;
  });
  const double atEnd = BestMs(rounds, [&] {
    edit.SetCaretXY({5, last});
    sink = sink + edit.GetSelStart() + edit.CharIndexToRowCol(edit.GetSelStart()).Y;
  });
  std::printf("offsets at the start: %8.3f ms, at the end: %.3f ms (end / start %.0f)\n", atStart, atEnd,
              atEnd / atStart);
  kau::platform::SetSystem(nullptr);
  return 0;
}
