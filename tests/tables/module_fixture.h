#pragma once
// Each test that reads the tables owns a started module, as the window's
// main does, so no test sees another's leftovers.

#include <gtest/gtest.h>

#include "qrcode/module_lifetime.h"

class 已启动模块 : public testing::Test {
 protected:
  模块生命周期 模块_;
};
