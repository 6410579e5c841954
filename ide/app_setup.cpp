#include "ide/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kau::ide {

void SetUpApplication(QApplication& app) {
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  app.setApplicationName("Pascal KAU!");
  auto* translator = new QTranslator(&app);
  if (translator->load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

}  // namespace kau::ide
