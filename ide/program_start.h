// The program's start: its console window with the banner, the three
// long-lived windows, the splash, the banner again on the console's
// second-last row, and a file named on the command line.
#pragma once

#include <QStringList>

#include "ide/form_explorer.h"
#include "ide/form_main.h"
#include "ide/form_splash.h"
#include "ide/run_controller.h"
#include "platform/console/screen_console.h"
#include "platform/qt/qt_console_window.h"

namespace kau::ide {

// The windows that live from start-up to the end of the process.
struct PascalKauWindows {
  console::ScreenConsole console;
  platform::QtConsoleWindow consoleWindow{console};
  TFormMain formMain;
  TFrmApresentacao splash;
  TFormExplorer explorer{&formMain};
  RunController runController{console, &consoleWindow};

  PascalKauWindows();
};

// The console window with the first banner, then the splash until its
// timer closes it.
void ShowSplash(PascalKauWindows& windows);
// The banner on the second-last row, then the file that the first argument
// names when it is a regular file: opened (its path made absolute), and the
// caption " Pascal KAU! ". Other arguments are ignored.
void FinishStart(PascalKauWindows& windows, const QStringList& arguments);

}  // namespace kau::ide
