// Real X events for the tests that run under Xvfb: xdotool and other X
// programs run while this process's Qt event loop keeps turning, so that the
// windows answer what they are sent. Every wait is bounded.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace kau::editor::testing {

// Runs a program to its end with the event loop running (it may ask this
// process for the selection); its standard output.
QString RunProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {});
// xdotool with these arguments.
void XDo(const QStringList& arguments);
// Runs the event loop until `done` or `milliseconds` have passed.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 10000);
// Runs the event loop for a short while, so that events already sent arrive.
void Settle();
// The whole screen as the X server shows it now; also saved as
// build/screenshots/NAME.png when a name is given.
QImage GrabScreen(const std::string& name = {});

}  // namespace kau::editor::testing
