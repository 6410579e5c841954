// A full repaint of 120 × 50 cells of highlighted Pascal in an offscreen Qt
// window, against the same repaint on the fake window; and a replace-all
// that moves the window at every match, with the back-buffer moves it asks
// of the Qt window.
//   qt_paint_bench [ROUNDS]
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/editor_control/bench_support.h"
#include "editor/search/syn_edit_search.h"
#include "platform/fake/fake_window.h"
#include "platform/qt/qt_editor_host.h"
#include "platform/qt/qt_system.h"

using kau::bench::BestMs;

namespace {

// A Qt window that counts the moves of its back buffer.
class CountingHost : public kau::platform::QtEditorHost {
 public:
  void ScrollArea(int dx, int dy, const kau::TRect* area) override {
    ++moves;
    QtEditorHost::ScrollArea(dx, dy, area);
  }
  int moves = 0;
};

// Replace-all of `matches` words, one every tenth line, in ten times as many
// lines of highlighted Pascal, in a window of 1000 × 700 pixels; then the
// same number of single back-buffer moves, for comparison.
void ReplaceAll(int matches) {
  CountingHost host;
  host.resize(1000, 700);
  kau::bench::PascalView view(host, 0);
  kau::editor::TSynEdit& edit = view.edit;
  kau::editor::TSynEditSearch engine;
  edit.SetSearchEngine(&engine);
  edit.Lines().BeginUpdate();
  for (int i = 0; i < matches * 10; ++i) edit.Lines().Add(i % 10 == 5 ? "  nota := alvo + 1;" : "  total := total + i;");
  edit.Lines().EndUpdate();
  host.show();
  QApplication::processEvents();
  host.moves = 0;
  using namespace kau::editor;
  const TSynSearchOptions all = ssoReplace | ssoReplaceAll | ssoEntireScope | ssoWholeWord;
  int replaced = 0;
  const double ms = BestMs(1, [&] {
    edit.SetCaretXY({1, 1});
    replaced = edit.SearchReplace("alvo", "novo", all);
    host.Update();
  });
  const int moves = host.moves;
  const double oneMove = BestMs(20, [&] { host.QtEditorHost::ScrollArea(0, -edit.LineHeight(), nullptr); });
  std::printf("replace all, %6d matches in %7d lines: %8.1f ms (%.4f ms a match), %d back-buffer moves;"
              " a move each would add %.0f ms\n",
              replaced, edit.LineCount(), ms, ms / std::max(replaced, 1), moves, oneMove * replaced);
  edit.SetSearchEngine(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kau::platform::QtSystemServices services;
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  kau::platform::QtEditorHost host;
  kau::bench::PascalView qtView(host, 2000);
  kau::editor::TSynEdit& edit = qtView.edit;
  // Grow the window until it holds 120 columns and 50 rows.
  host.show();
  host.resize(edit.GutterWidth() + 2 + 120 * edit.CharWidth() + 40, 50 * edit.LineHeight() + 40);
  QApplication::processEvents();
  const int extraW = 120 - edit.CharsInWindow(), extraH = 50 - edit.LinesInWindow();
  host.resize(host.width() + extraW * edit.CharWidth(), host.height() + extraH * edit.LineHeight());
  QApplication::processEvents();
  std::printf("Qt window %d columns x %d rows, cell %d x %d\n", edit.CharsInWindow(), edit.LinesInWindow(),
              edit.CharWidth(), edit.LineHeight());
  const double qt = BestMs(rounds, [&] {
    host.InvalidateRect(nullptr, false);
    host.Update();
  });

  kau::platform::FakeWindow window;
  kau::bench::PascalView fakeView(window, 2000);
  kau::bench::Hold120By50(fakeView.edit, window);
  const double fake = BestMs(rounds, [&] { window.PaintNow(true); });

  std::printf("full repaint: Qt %.3f ms, fake %.3f ms (Qt / fake %.1f; Qt %.3f of a 60 Hz frame)\n", qt, fake,
              qt / fake, qt / (1000.0 / 60));
  ReplaceAll(1000);
  ReplaceAll(10000);
  return 0;
}
