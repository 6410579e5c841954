// Typing into TSynEditKAU over a large program, each keystroke with the
// repaint it asks for in a window of 80 × 40 cells: on the fake window and,
// where Qt is built, in an offscreen Qt window. The editor window's four
// block pairs, structure lines and bracket marks are on. Prints times; never
// fails on them.
//   kau_typing_bench [LINES]   (the generated program, default 20,000 lines)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/editor_control/large_program.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/syn_edit_kau.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"
#ifdef KAU_BENCH_QT
#include <QApplication>

#include "platform/qt/qt_editor_host.h"
#include "platform/qt/qt_system.h"
#endif

namespace {

using namespace kau;
using bench::Clock;
using bench::MillisecondsSince;

struct Summary {
  double median, p90, max;
};

Summary Summarize(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const auto at = [&](double q) { return times[static_cast<std::size_t>(q * static_cast<double>(times.size() - 1))]; };
  return {at(0.5), at(0.9), times.back()};
}

void Prepare(editor::TSynEditKAU& edit, editor::TSynPasSyn& pascal, const std::string& text) {
  editor::TSynEditStringList pairs;
  for (const char* pair : {"BEGIN=END", "REPEAT=UNTIL", "CASE=END", "RECORD=END"}) pairs.Add(pair);
  edit.SetTokenStruture(pairs);
  edit.SetStructureLineColor(0x808000);
  edit.SetText(text);
  edit.SetHighlighter(&pascal);
}

// Sizes the window to 80 × 40 cells.
template <typename Resize>
void Hold80By40(editor::TSynEditKAU& edit, Resize resize) {
  resize(edit.GutterWidth() + 2 + 80 * edit.CharWidth(), 40 * edit.LineHeight());
}

// 2,000 characters typed at line 10,000 (the line breaks included), each
// followed by `paint`; the time of each keystroke in milliseconds.
template <typename Paint>
std::vector<double> TypeAt(editor::TSynEditKAU& edit, int line, Paint paint) {
  static const char* const lines[] = {"begin", "total := total + 1; { end }", "s := 'end';", "end;",
                                      "repeat x := (a + b) * 2", "until x > 9;"};
  edit.SetCaretXY({1, line});
  edit.EnsureCursorPosVisibleEx(true);
  paint();
  std::vector<double> times;
  for (std::size_t i = 0; times.size() < 2000; ++i) {
    const std::string typed = std::string(lines[i % std::size(lines)]) + "\n";
    for (char c : typed) {
      const auto start = Clock::now();
      if (c == '\n') edit.CommandProcessor(editor::ecLineBreak, 0, nullptr);
      else edit.CommandProcessor(editor::ecChar, c, nullptr);
      paint();
      times.push_back(MillisecondsSince(start));
    }
  }
  return times;
}

void Report(const char* what, const std::vector<double>& times) {
  const Summary s = Summarize(times);
  std::printf("%-34s %zu keystrokes: median %.3f ms, 90 %% %.3f ms, max %.3f ms\n", what, times.size(), s.median,
              s.p90, s.max);
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 20000;
  const std::string text = bench::LargeProgram(lines, "--structures");
  if (text.empty()) {
    std::fprintf(stderr, "kau_typing_bench: no program text\n");
    return 1;
  }
  {
    platform::FakeSystem system;
    platform::SetSystem(&system);
    platform::FakeWindow window;
    editor::TSynPasSyn pascal;
    editor::TSynEditKAU edit;
    window.SetClient(&edit);
    edit.CreateWnd(window);
    const auto start = Clock::now();
    Prepare(edit, pascal, text);
    std::printf("text of %d lines loaded in %.1f ms\n", edit.LineCount(), MillisecondsSince(start));
    double rebuild = 1e9;
    for (int round = 0; round < 10; ++round) {
      const auto again = Clock::now();
      edit.BuildStructure();
      edit.Structures();  // the whole text, not only the window
      rebuild = std::min(rebuild, MillisecondsSince(again));
    }
    std::printf("full structure rebuild (%d structures): best of 10 %.2f ms\n", edit.Structures().GetCount(),
                rebuild);
    Hold80By40(edit, [&](int w, int h) { window.SetClientRect({0, 0, w, h}); });
    const long long scanned = edit.StructureLinesScanned();
    Report("fake window, 80 x 40", TypeAt(edit, 10000, [&] { window.PaintNow(); }));
    std::printf("  structure lines scanned while typing: %lld\n", edit.StructureLinesScanned() - scanned);
    edit.SetHighlighter(nullptr);
    edit.DestroyWnd();
    window.SetClient(nullptr);
    platform::SetSystem(nullptr);
  }
#ifdef KAU_BENCH_QT
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::QtSystemServices services;
  platform::QtEditorHost host;
  editor::TSynPasSyn pascal;
  editor::TSynEditKAU edit;
  host.SetClient(&edit);
  edit.CreateWnd(host);
  Prepare(edit, pascal, text);
  host.show();
  Hold80By40(edit, [&](int w, int h) { host.resize(w + 40, h + 40); });
  QApplication::processEvents();
  host.resize(host.width() + (80 - edit.CharsInWindow()) * edit.CharWidth(),
              host.height() + (40 - edit.LinesInWindow()) * edit.LineHeight());
  QApplication::processEvents();
  std::printf("Qt window %d columns x %d rows, cell %d x %d\n", edit.CharsInWindow(), edit.LinesInWindow(),
              edit.CharWidth(), edit.LineHeight());
  Report("offscreen Qt window", TypeAt(edit, 10000, [&] { host.Update(); }));
  edit.SetHighlighter(nullptr);
  edit.DestroyWnd();
  host.SetClient(nullptr);
#endif
  return 0;
}
