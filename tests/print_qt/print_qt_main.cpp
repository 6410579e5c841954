// The Qt printing tests need one application object for the whole run, offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/qt_system.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kau::platform::QtSystemServices services;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
