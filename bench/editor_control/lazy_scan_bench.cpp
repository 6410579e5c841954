// Large programs in TSynEditKAU set up as the editor window sets it up (the
// Pascal highlighter, the four block pairs, structure lines and bracket
// marks) in a fake window of 1000 x 700 pixels: loading a file with the first
// paint, "{" typed at line 1 (the rest of the text becomes a comment) and
// deleted again, the end of the text brought into view, a keystroke in the
// middle, and the memory the store and the control hold per line. The
// program's comments are closed with "*)" instead of "}" in a second run, so
// that the "{" there turns the whole rest of the text into a comment. Prints
// times; never fails on them.
//   lazy_scan_bench [LINES...]   (default 100000 1000000)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/editor_control/large_program.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/syn_edit_kau.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"

namespace {

using namespace kau;
using bench::Clock;
using bench::MillisecondsSince;

// Resident memory of the process in bytes.
long long Resident() {
  std::ifstream statm("/proc/self/statm");
  long long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * 4096;
}

template <typename Work>
double Time(Work work) {
  const auto start = Clock::now();
  work();
  return MillisecondsSince(start);
}

void Run(const std::string& text, const char* what) {
  platform::FakeSystem system;
  platform::SetSystem(&system);
  platform::FakeWindow window{{0, 0, 1000, 700}};
  editor::TSynPasSyn pascal;
  {
    const long long before = Resident();
    editor::TSynEditKAU edit;
    window.SetClient(&edit);
    edit.CreateWnd(window);
    edit.SetHighlighter(&pascal);
    edit.StrutureTokens().SetText("BEGIN=END\nREPEAT=UNTIL\nCASE=END\nRECORD=END");
    edit.SetStructureLineColor(0x808000);
    const double load = Time([&] {
      std::istringstream file(text);
      edit.Lines().LoadFromStream(file);
      window.PaintNow(true);
    });
    const long long after = Resident();
    const int count = edit.LineCount();
    std::printf("%d lines%s\n", count, what);
    std::printf("  load and first paint:                 %9.1f ms\n", load);
    std::printf("  resident memory of store and control: %9.1f bytes a line\n",
                static_cast<double>(after - before) / count);
    edit.SetCaretXY({1, 1});
    const long long scanned = edit.StructureLinesScanned();
    const double open = Time([&] {
      edit.CommandProcessor(editor::ecChar, '{', nullptr);
      window.PaintNow();
    });
    std::printf("  \"{\" typed at line 1, with its paint:   %9.2f ms (%lld lines scanned for structure words)\n",
                open, edit.StructureLinesScanned() - scanned);
    const double close = Time([&] {
      edit.CommandProcessor(editor::ecDeleteLastChar, 0, nullptr);
      window.PaintNow();
    });
    std::printf("  and deleted again, with its paint:    %9.2f ms\n", close);
    const double end = Time([&] {
      edit.SetCaretXY({1, count});
      window.PaintNow();
    });
    std::printf("  the end brought into view:            %9.1f ms\n", end);
    edit.SetCaretXY({3, count / 2});
    window.PaintNow();
    std::vector<double> keys;
    for (int i = 0; i < 200; ++i)
      keys.push_back(Time([&] {
        edit.CommandProcessor(editor::ecChar, 'x', nullptr);
        window.PaintNow();
      }));
    std::sort(keys.begin(), keys.end());
    std::printf("  keystroke in the middle, median of 200: %7.3f ms\n", keys[keys.size() / 2]);
    const double all = Time([&] { edit.Structures(); });
    std::printf("  every structure of the text (%d):     %9.1f ms\n", edit.Structures().GetCount(), all);
    edit.SetHighlighter(nullptr);
    edit.DestroyWnd();
    window.SetClient(nullptr);
  }
  platform::SetSystem(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {100000, 1000000};
  for (int lines : sizes) {
    std::string text = bench::LargeProgram(lines, "--structures");
    if (text.empty()) {
      std::fprintf(stderr, "lazy_scan_bench: no program text\n");
      return 1;
    }
    Run(text, "");
    std::replace(text.begin(), text.end(), '}', ')');
    Run(text, ", no \"}\" in the text");
  }
  return 0;
}
