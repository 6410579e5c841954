// Real X events for tests under Xvfb: xdotool runs while the Qt event loop
// keeps going, so that the windows answer them; every wait is bounded.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

namespace kau::editor::testing {

// Runs a program to its end with the event loop running (it may ask this
// process for the selection); its standard output.
QString RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {});
// xdotool with these arguments.
void XDo(const QStringList& arguments);
// Runs the event loop until `done` or `milliseconds` have passed.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 3000);
// Runs the event loop for a short while, so that events already sent arrive.
void Settle();
// The part of the screen as the X server shows it now (screen coordinates).
QImage GrabScreen(const QRect& area);

}  // namespace kau::editor::testing
