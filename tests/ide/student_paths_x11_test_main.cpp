// The X tests of the development environment: a real X display and the
// application set up as the program sets it up.
#include <gtest/gtest.h>

#include <QApplication>

#include "ide/app_setup.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  kau::ide::SetUpApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
