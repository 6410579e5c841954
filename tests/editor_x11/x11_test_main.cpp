// The X tests need a real X display (Xvfb) and one application object.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/qt_system.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  kau::platform::QtSystemServices services;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
