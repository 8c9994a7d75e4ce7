// The window tests need a QApplication, made before any test runs. Reports
// go to the throwing sink unless a test installs the window's own box.

#include <gtest/gtest.h>

#include <QApplication>

#include "qrcode/module_lifetime.h"
#include "support/failure_capture.h"

int main(int argc, char** argv) {
  // No display needed; a caller may still pick another platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication 应用(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  // Each death test re-runs this program, so its child has a QApplication too.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  安装抛出接收器();
  // As in the window's main: a static made after the module's globals, so
  // exit() tears the module down before they go, also when a failure box
  // ends a death test's child in the middle of a test.
  static 模块生命周期 模块;
  return RUN_ALL_TESTS();
}
