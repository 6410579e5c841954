#include "ide/app_setup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "ide/art.h"

namespace kau::ide {

void SetUpApplication(QApplication& app) {
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QApplication::setWindowIcon(WindowIcon());
  auto* translator = new QTranslator(&app);
  if (translator->load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

}  // namespace kau::ide
