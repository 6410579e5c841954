// Counts the paint events a widget receives, to see that a window kept
// painting while a program ran.
#pragma once

#include <QEvent>
#include <QObject>

namespace kau::ide::testing {

class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace kau::ide::testing
