// The window "Console do Pascal KAU!": paints the screen console's cells in
// the text-mode palette and types the keys pressed in it, and what is pasted
// into it. The program runs on a worker thread; the window takes a snapshot
// of the screen when it changed, at most about 60 times a second.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/console/screen_console.h"

namespace kau::platform {

class QtConsoleWindow : public QWidget {
 public:
  // The console must outlive the window.
  explicit QtConsoleWindow(console::ScreenConsole& console, QWidget* parent = nullptr);

  // The close box during a run stops the run as Ctrl+C does; outside a run
  // it calls this handler (the main window's quit questions), unless it
  // belongs to a stop: it comes within stopClickMilliseconds() of the click
  // that stopped a run or of a later click that belonged to that stop.
  // Either way the window stays; close() from the program (and
  // QApplication::quit(), which closes every window) closes it.
  void setCloseRequestHandler(std::function<void()> handler) { closeRequested_ = std::move(handler); }
  // A click on the close box that belongs to a stop but comes after the run
  // has ended calls this handler instead: the window manager brought the
  // console to the front for it, over the windows the run's end put back.
  void setStopClickHandler(std::function<void()> handler) { stopClicked_ = std::move(handler); }

  // How long after a click that belongs to a stop the next click on the
  // close box still belongs to it: one and a half seconds, or the
  // double-click interval when that is longer.
  static int stopClickMilliseconds();

  // Colour 0 to 15 of the text-mode palette.
  static QColor paletteColor(int index);
  QSize cellSize() const { return cell_; }
  // Takes a new snapshot now when the screen changed (the timer does it too).
  void refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Accented letters composed by an input method arrive here.
  void inputMethodEvent(QInputMethodEvent* event) override;
  // The middle button pastes the X selection, as in a terminal.
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab is a key of the program

 private:
  void paintCell(QPainter& painter, const QRect& box, const console::ScreenCell& cell) const;

  console::ScreenConsole& console_;
  std::function<void()> closeRequested_;
  std::function<void()> stopClicked_;
  QElapsedTimer sinceStopRequest_;  // since the last click on the close box that belonged to a stop
  QFont font_;
  QSize cell_;
  int baseline_ = 0;
  console::ScreenSnapshot shown_;
  std::uint64_t shownChanges_ = ~std::uint64_t{0};
  bool blinkOn_ = true;  // blinking text and the cursor are visible
  QTimer refreshTimer_;
  QTimer blinkTimer_;
};

}  // namespace kau::platform
