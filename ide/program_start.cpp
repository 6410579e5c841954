#include "ide/program_start.h"

#include <QFileInfo>

#include "ide/start_banner.h"

namespace kau::ide {

PascalKauWindows::PascalKauWindows() {
  formMain.setExplorer(&explorer);
  formMain.setRunController(&runController);
  // The program ends with its main window; the console window follows it.
  consoleWindow.setAttribute(Qt::WA_QuitOnClose, false);
  consoleWindow.setCloseRequestHandler([this] { formMain.close(); });
  // A later click on the box that stopped a run, part of that stop: the
  // main window takes the keys back, as at the run's end.
  consoleWindow.setStopClickHandler([this] {
    if (!formMain.running()) formMain.FocusActiveEditor();
  });
  splash.setConsolePrinter([this](std::string_view text) {
    console.write(text);
    console.flush();
  });
}

void ShowSplash(PascalKauWindows& windows) {
  windows.consoleWindow.show();
  PrintStartBanner(windows.console);
  windows.consoleWindow.refresh();
  windows.splash.setPicture(windows.formMain.picture());
  windows.splash.exec();
}

void FinishStart(PascalKauWindows& windows, const QStringList& arguments) {
  PrintBannerAfterSplash(windows.console);
  windows.consoleWindow.refresh();
  if (arguments.isEmpty()) return;
  const QFileInfo file(arguments.first());
  if (!file.isFile()) return;
  if (!windows.formMain.OpenInEditor(file.absoluteFilePath())) return;
  windows.formMain.UpdateRecentFiles(file.absoluteFilePath());
  windows.formMain.setWindowTitle(" Pascal KAU! ");
}

}  // namespace kau::ide
