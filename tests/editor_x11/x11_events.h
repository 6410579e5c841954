// Real X events for tests under Xvfb: xdotool runs while the Qt event loop
// keeps going, so that the windows answer them; every wait is bounded.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

#include "tests/support/hang_bound.h"

class QWidget;

namespace kau::editor::testing {

// Runs a program to its end with the event loop running (it may ask this
// process for the selection); its standard output.
QString RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {});
// xdotool with these arguments.
void XDo(const QStringList& arguments);
// Runs the event loop until `done` or `milliseconds` have passed.
bool WaitFor(const std::function<bool()>& done, int milliseconds = kau::testing::kHangMilliseconds);
// Moves the pointer there through the X server and runs the event loop until
// Qt has seen it arrive, so that a move sent after it is not merged into it
// (true at once when none of the program's windows can see it: no window
// of its own lies there and no pop-up holds the pointer).
bool MovePointer(QPoint global, int milliseconds = kau::testing::kHangMilliseconds);
// The part of the screen as the X server shows it now (screen coordinates).
QImage GrabScreen(const QRect& area);
// The number of pixels in which the screen where `widget` is differs from
// `painted`, those in `except` (widget coordinates) aside; every pixel when
// the sizes differ.
int DifferingOnScreen(const QWidget& widget, const QImage& painted, const QRect& except = {});

}  // namespace kau::editor::testing
