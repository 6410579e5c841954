// The windows' tests share one application object, offscreen (on the X
// display for the X tests), set up as the program sets up its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ide/app_setup.h"

int main(int argc, char** argv) {
#ifdef KAU_X11_TESTS
  qputenv("QT_QPA_PLATFORM", "xcb");  // the X tests drive a real display
#else
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  // The windows keep their recent files in the user's settings: never the
  // real user's while testing.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  kau::ide::SetUpApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
