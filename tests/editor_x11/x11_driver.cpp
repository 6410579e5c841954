#include "tests/editor_x11/x11_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace kau::editor::testing {

X11Demo::X11Demo(int editors, const std::vector<std::string>& lines) : window_(editors) {
  for (int i = 0; i < editors; ++i) {
    TSynEditKAU& edit = window_.Editor(i);
    edit.Lines().Clear();
    for (const std::string& line : lines) edit.Lines().Add(line);
    edit.SetModified(false);
  }
  window_.move(0, 0);
  window_.resize(editors == 2 ? 900 : 600, 400);
  window_.show();
  EXPECT_TRUE(WaitFor([this, editors] {
    for (int i = 0; i < editors; ++i)
      if (!Shown(i)) return false;
    return true;
  })) << "the screen does not show the editors' first paint";
}

bool X11Demo::Focus(int index) {
  window_.activateWindow();
  XDo({"windowfocus", "--sync", QString::number(window_.winId())});
  window_.Host(index).setFocus();
  return WaitFor([&] { return window_.Host(index).hasFocus() && QGuiApplication::focusWindow() != nullptr; });
}

QPoint X11Demo::CellOnScreen(int index, TPoint cell) {
  const TPixelPoint p = Edit(index).RowColumnToPixels(cell);
  return window_.Host(index).viewport()->mapToGlobal(
      QPoint(p.X + 1, p.Y + Edit(index).LineHeight() / 2));
}

bool X11Demo::Shown(int index) {
  const platform::QtEditorHost& host = window_.Host(index);
  const QWidget* viewport = host.viewport();
  const QImage& painted = host.BackBuffer();
  if (!host.isVisible() || host.PaintPending() || painted.size() != viewport->size()) return false;
  const TSynEditKAU& edit = Edit(index);
  const QRect caret(edit.CaretXPix() - 3, edit.CaretYPix(), 7, edit.LineHeight());
  return DifferingOnScreen(*viewport, painted, caret) == 0;
}

QImage X11Demo::Grab(int index, const std::string& name) {
  EXPECT_TRUE(WaitFor([&] { return Shown(index); })) << "the screen does not show editor " << index << "'s paint";
  QWidget* viewport = window_.Host(index).viewport();
  const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  if (!name.empty()) screen.save(QString(KAU_SCREENSHOTS "/") + QString::fromStdString(name) + ".png");
  return screen.copy(QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size()));
}

}  // namespace kau::editor::testing
