// Whole-text operations over large programs in TSynEditKAU set up as the
// editor window sets it (fake window of 120 × 50 cells, each step followed by
// its repaint): loading a file, the first key typed after it (in the middle
// of the text, undone again), Assign of another list, select all + Delete,
// its Undo and its Redo, at 1,000, 100,000 and 1,000,000 lines; and the
// resident memory the loaded text takes per line. Growth from one size to
// the next should be linear: ten times the lines, about ten times the time.
// Prints times; never fails on them.
//   large_text_bench [--plain] [LINES...]
//     --plain: a bare TSynEdit with the Pascal highlighter instead
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/editor_control/large_program.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/model/key_cmds.h"
#include "editor/structure/syn_edit_kau.h"
#include "ide/editor_window_settings.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"

namespace {

using namespace kau;
using bench::Clock;
using bench::MillisecondsSince;

// Resident bytes, after handing freed heap back so that only live data counts.
long long ResidentBytes() {
  malloc_trim(0);
  long long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%lld %lld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

struct Row {
  int lines = 0;
  double load = 0, assign = 0, deleteAll = 0, undo = 0, redo = 0, bytesPerLine = 0, firstKey = 0;
};

template <typename Step>
double Timed(platform::FakeWindow& window, Step step) {
  const auto start = Clock::now();
  step();
  window.PaintNow();
  return MillisecondsSince(start);
}

Row Measure(int lines, bool plain, const std::string& folder) {
  Row row;
  const std::string path = folder + "/large_" + std::to_string(lines) + ".pas";
  {
    std::ofstream(path, std::ios::binary) << bench::LargeProgram(lines, "--structures");
  }
  editor::TSynEditStringList source;
  source.LoadFromFile(path);
  row.lines = source.Count();

  platform::FakeWindow window;
  editor::TSynPasSyn pascal;
  std::unique_ptr<editor::TSynEdit> edit;
  if (plain) {
    edit = std::make_unique<editor::TSynEdit>();
    edit->SetHighlighter(&pascal);
  } else {
    auto kau = std::make_unique<editor::TSynEditKAU>();
    ide::ApplyEditorWindowSettings(*kau);
    ide::ColourHighlighter(pascal, ide::kStyleModern);
    ide::ApplyStyleToControl(*kau, pascal, ide::kStyleModern);
    edit = std::move(kau);
  }
  window.SetClient(edit.get());
  edit->CreateWnd(window);
  window.SetClientRect({0, 0, edit->GutterWidth() + 2 + 120 * edit->CharWidth(), 50 * edit->LineHeight()});
  window.PaintNow(true);

  const long long before = ResidentBytes();
  row.load = Timed(window, [&] { edit->Lines().LoadFromFile(path); });
  row.bytesPerLine = static_cast<double>(ResidentBytes() - before) / row.lines;
  edit->SetCaretXY({3, row.lines / 2});
  row.firstKey = Timed(window, [&] { edit->CommandProcessor(editor::ecChar, 'x', nullptr); });
  edit->CommandProcessor(editor::ecUndo, '\0', nullptr);
  row.assign = Timed(window, [&] { edit->Lines().Assign(source); });
  const auto command = [&](editor::TSynEditorCommand c) { edit->CommandProcessor(c, '\0', nullptr); };
  row.deleteAll = Timed(window, [&] {
    command(editor::ecSelectAll);
    command(editor::ecDeleteChar);
  });
  row.undo = Timed(window, [&] { command(editor::ecUndo); });
  const bool restored = edit->LineCount() == row.lines;
  row.redo = Timed(window, [&] { command(editor::ecRedo); });
  if (!restored || edit->LineCount() != 1) std::fprintf(stderr, "large_text_bench: Undo or Redo went wrong\n");

  edit->SetHighlighter(nullptr);
  edit->DestroyWnd();
  window.SetClient(nullptr);
  std::filesystem::remove(path);
  return row;
}

}  // namespace

int main(int argc, char** argv) {
  bool plain = false;
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--plain") == 0) plain = true;
    else sizes.push_back(std::atoi(argv[i]));
  }
  if (sizes.empty()) sizes = {1000, 100000, 1000000};
  platform::FakeSystem system;
  platform::SetSystem(&system);
  const std::string folder =
      (std::filesystem::temp_directory_path() / ("kau_large_text_bench_" + std::to_string(::getpid()))).string();
  std::filesystem::create_directories(folder);
  std::printf("%s, fake window 120 x 50, times in ms with the repaint\n",
              plain ? "TSynEdit + Pascal highlighter" : "TSynEditKAU as the editor window sets it");
  std::printf("%9s %10s %10s %10s %12s %10s %10s %12s\n", "lines", "load", "1st key", "Assign", "sel.all+Del", "Undo",
              "Redo", "bytes/line");
  for (int lines : sizes) {
    const Row r = Measure(lines, plain, folder);
    std::printf("%9d %10.1f %10.3f %10.1f %12.1f %10.1f %10.1f %12.1f\n", r.lines, r.load, r.firstKey, r.assign,
                r.deleteAll, r.undo, r.redo, r.bytesPerLine);
    std::fflush(stdout);
  }
  std::filesystem::remove_all(folder);
  platform::SetSystem(nullptr);
  return 0;
}
