// A full repaint of 120 × 50 cells of highlighted Pascal in an offscreen Qt
// window, against the same repaint on the fake window.
//   qt_paint_bench [ROUNDS]
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/editor_control/bench_support.h"
#include "platform/fake/fake_window.h"
#include "platform/qt/qt_editor_host.h"
#include "platform/qt/qt_system.h"

using kau::bench::BestMs;

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
  return 0;
}
