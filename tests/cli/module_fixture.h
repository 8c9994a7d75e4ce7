#pragma once
// Tests that compare the tool's output with the module's own record run
// the module in process too.

#include <gtest/gtest.h>

#include <memory>

#include "qrcode/module_lifetime.h"

class with_module : public testing::Test {
 protected:
  static void SetUpTestSuite() { module_ = std::make_unique<模块生命周期>(); }
  static void TearDownTestSuite() { module_.reset(); }

 private:
  static inline std::unique_ptr<模块生命周期> module_;
};
