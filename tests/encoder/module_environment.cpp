// Starts the module once per test program, as the window's main does, so
// the tables, the field and the shared record exist for every test.

#include <gtest/gtest.h>

#include <memory>

#include "qrcode/module_lifetime.h"

namespace {

class 模块环境 : public testing::Environment {
 public:
  void SetUp() override { 生命周期_ = std::make_unique<模块生命周期>(); }
  void TearDown() override { 生命周期_.reset(); }

 private:
  std::unique_ptr<模块生命周期> 生命周期_;
};

// gtest owns the environments it is given.
[[maybe_unused]] testing::Environment* const 环境 = testing::AddGlobalTestEnvironment(new 模块环境);

}  // namespace
