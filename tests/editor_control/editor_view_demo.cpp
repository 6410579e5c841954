// Shows a Pascal file in the editor control in a real window, checks the
// pixels of the window as the screen shows them and saves them as a PNG.
//   editor_view_demo FILE --screenshot PNG
// Exit status 0 when every check holds, 1 when one fails, 2 on bad usage.
#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <cstring>

#include "platform/qt/qt_system.h"
#include "tests/editor_control/editor_view.h"

int main(int argc, char** argv) {
  if (argc != 4 || std::strcmp(argv[2], "--screenshot") != 0) {
    std::fprintf(stderr, "usage: editor_view_demo FILE --screenshot PNG\n");
    return 2;
  }
  QApplication app(argc, argv);
  kau::platform::QtSystemServices services;
  kau::editor::testing::EditorView view(kau::editor::testing::ReadLines(argv[1]), 400, 300);
  view.ShowAndPaint();
  if (!view.Focus()) std::fprintf(stderr, "the window did not get the focus\n");
  QApplication::processEvents();

  // The window as the screen shows it, cut to the viewport.
  QWidget* viewport = view.Host().viewport();
  const QPoint origin = viewport->mapTo(viewport->window(), QPoint(0, 0));
  const QPixmap window = viewport->window()->screen()->grabWindow(viewport->window()->winId());
  const QImage shot = window.toImage();
  const QImage image = shot.copy(QRect(origin, viewport->size()));
  if (!shot.save(QString::fromLocal8Bit(argv[3]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  const std::vector<std::string> failures = view.CheckPixels(image, view.Host().Focused());
  for (const std::string& f : failures) std::fprintf(stderr, "%s\n", f.c_str());
  std::printf("%s: %zu checks failed\n", argv[3], failures.size());
  return failures.empty() ? 0 : 1;
}
