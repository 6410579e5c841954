#include "ide/app_setup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "ide/art.h"
#include "platform/print/printer_device.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_system.h"

namespace kau::ide {

void SetUpApplication(QApplication& app) {
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QApplication::setWindowIcon(WindowIcon());
  auto* translator = new QTranslator(&app);
  if (translator->load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
  // The editors and the printer measure their fonts through Qt. Like the
  // printer, the services stay until the process ends.
  static auto* services = new platform::QtSystemServices;
  (void)services;
  platform::SetPrinter(&ApplicationPrinter());
}

platform::QtPrinter& ApplicationPrinter() {
  static auto* printer = new platform::QtPrinter;
  return *printer;
}

}  // namespace kau::ide
