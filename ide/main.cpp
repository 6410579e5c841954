// The program pascalkau: the banner on the console, the main window, the
// splash while its timer runs, the explorer, then the message loop.
#include <cstdio>
#include <string_view>

#include <QApplication>

#include "ide/app_setup.h"
#include "ide/display_check.h"
#include "ide/form_explorer.h"
#include "ide/form_main.h"
#include "ide/form_splash.h"
#include "ide/start_banner.h"
#include "platform/console/console.h"

int main(int argc, char** argv) {
  using namespace kau::ide;
  if (!HasDisplay()) {
    std::fputs(NoDisplayMessage(), stderr);
    return kNoDisplayExitStatus;
  }
  QApplication app(argc, argv);
  SetUpApplication(app);

  // CONSOLE WINDOW (joins with the console window view): the program's own
  // console "Console do Pascal KAU!" is created and shown here, before the
  // splash, and `console` points at its screen model. Until then there is
  // no console and the banner steps are skipped.
  kau::console::Console* console = nullptr;
  if (console) PrintStartBanner(*console);

  TFormMain formMain;
  TFrmApresentacao splash;
  TFormExplorer explorer(&formMain);
  formMain.setExplorer(&explorer);
  splash.setPicture(formMain.picture());
  splash.setConsolePrinter([console](std::string_view text) {
    if (!console) return;
    console->write(text);
    console->flush();
  });
  splash.exec();
  if (console) PrintBannerAfterSplash(*console);

  // COMMAND LINE (joins with the editor window): an existing file named by
  // the first argument opens in an editor window, enters the recent-files
  // list, and the caption becomes " Pascal KAU! ".
  formMain.show();
  app.exec();
  return 0;
}
