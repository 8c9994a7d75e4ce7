#include <gtest/gtest.h>

#include "qrcode/field_global.h"
#include "qrcode/module_lifetime.h"
#include "qrcode/module_name.h"
#include "qrcode/shared_record.h"
#include "qrcode/table_globals.h"

namespace {

// These tests own the module themselves, so none holds it started between tests.
void 期望未启动() {
  EXPECT_FALSE(模块生命周期::已启动());
  EXPECT_EQ(模块名称, "");
  EXPECT_TRUE(版本表.empty());
  EXPECT_EQ(模式表[2], 模式类{});
  EXPECT_EQ(容错级别表, 容错级别表类{});
  EXPECT_FALSE(二维码域.已建立());
  EXPECT_EQ(共享二维码, 二维码类{});
}

TEST(ModuleLifetime, StartUpFillsEveryTableAndLeavesTheRecordReset) {
  期望未启动();
  {
    const 模块生命周期 模块;
    EXPECT_TRUE(模块生命周期::已启动());
    EXPECT_EQ(模块名称, "二维码模块");
    EXPECT_EQ(版本表.size(), 40u);
    EXPECT_EQ(版本表[39].取总字节数(), 3706);
    EXPECT_EQ(模式表[0].取名称(), "数字");
    EXPECT_EQ(模式表[1].取名称(), "字母数字");
    EXPECT_EQ(模式表[2].取名称(), "字节");
    EXPECT_EQ(容错级别表.L.取名称(), "L");
    EXPECT_EQ(容错级别表.列表[3].取名称(), "H");
    EXPECT_TRUE(二维码域.已建立());
    EXPECT_EQ(二维码域.指数(8), 29);  // alpha^8 reduced by 285
    EXPECT_EQ(共享二维码.取版本号(), -1);
    EXPECT_EQ(共享二维码.取掩码(), -1);
    EXPECT_FALSE(共享二维码.是否有效());
  }
  期望未启动();
}

TEST(ModuleLifetime, NestedLifetimesTearDownOnlyAtTheOutermost) {
  {
    const 模块生命周期 外层;
    {
      const 模块生命周期 内层;
      共享二维码.置版本号(5);
    }
    EXPECT_TRUE(模块生命周期::已启动());
    EXPECT_EQ(版本表.size(), 40u);
    EXPECT_EQ(共享二维码.取版本号(), 5);  // the inner start-up did not reset it
  }
  期望未启动();
}

TEST(ModuleLifetime, TeardownClearsTheRecordAndAllowsARestart) {
  {
    const 模块生命周期 模块;
    共享二维码.置版本号(7);
    共享二维码.置掩码(3);
  }
  const 模块生命周期 再启动;
  EXPECT_EQ(共享二维码.取版本号(), -1);
  EXPECT_EQ(共享二维码.取掩码(), -1);
  EXPECT_EQ(版本表.size(), 40u);
}

}  // namespace
