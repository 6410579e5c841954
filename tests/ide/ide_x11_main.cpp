// The windows' X tests: one application object on the X display (Xvfb),
// set up as the program sets up its own, with settings in a fresh folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ide/app_setup.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  kau::ide::SetUpApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
