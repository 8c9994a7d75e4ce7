#include <gtest/gtest.h>

#include "support/failure_capture.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  安装抛出接收器();
  return RUN_ALL_TESTS();
}
