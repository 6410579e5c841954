// The program pascalkau: its console window with the banner, the main
// window, the splash while its timer runs, the explorer, a file named on
// the command line, then the message loop.
#include <cstdio>

#include <QApplication>

#include "ide/app_setup.h"
#include "ide/display_check.h"
#include "ide/program_start.h"
#include "platform/console/screen_dump.h"

int main(int argc, char** argv) {
  using namespace kau::ide;
  if (!HasDisplay()) {
    std::fputs(NoDisplayMessage(), stderr);
    return kNoDisplayExitStatus;
  }
  QApplication app(argc, argv);
  SetUpApplication(app);

  PascalKauWindows windows;
  ShowSplash(windows);
  FinishStart(windows, app.arguments().mid(1));
  windows.formMain.show();
  app.exec();
  kau::console::writeScreenDumpIfAsked(windows.console);
  return 0;
}
