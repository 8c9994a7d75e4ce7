#include <gtest/gtest.h>

#include <vector>

#include "module_fixture.h"
#include "qrcode/shared_record.h"
#include "qrcode/table_globals.h"
#include "support/failure_capture.h"

namespace {

using LevelTableTest = 已启动模块;
using ModeTable = 已启动模块;

TEST_F(LevelTableTest, ByIndexGivesTheFourLevels) {
  struct 期望 {
    const char* 名称;
    std::int32_t 序号;
    std::int32_t 格式位;
  };
  const 期望 表[] = {{"L", 1, 1}, {"M", 2, 0}, {"Q", 3, 3}, {"H", 4, 2}};
  for (std::int32_t 索引 = 1; 索引 <= 4; ++索引) {
    const auto 级别 = 共享二维码.取容错级别_按索引(索引);
    const auto& 应为 = 表[索引 - 1];
    EXPECT_EQ(级别.取名称(), 应为.名称);
    EXPECT_EQ(级别.取序号(), 应为.序号);
    EXPECT_EQ(级别.取格式位(), 应为.格式位);
  }
  EXPECT_EQ(容错级别表.L, 容错级别表.列表[0]);
  EXPECT_EQ(容错级别表.M, 容错级别表.列表[1]);
  EXPECT_EQ(容错级别表.Q, 容错级别表.列表[2]);
  EXPECT_EQ(容错级别表.H, 容错级别表.列表[3]);
}

TEST_F(LevelTableTest, IndexOutOfRangeIsReported) {
  EXPECT_REPORT(共享二维码.取容错级别_按索引(0), "二维码类", "取容错级别_按索引", "索引异常。当前索引：0");
  EXPECT_REPORT(共享二维码.取容错级别_按索引(5), "二维码类", "取容错级别_按索引", "索引异常。当前索引：5");
  EXPECT_REPORT(共享二维码.取容错级别_按索引(-3), "二维码类", "取容错级别_按索引", "索引异常。当前索引：-3");
}

TEST_F(LevelTableTest, LookUpGivesACopy) {
  auto 级别 = 共享二维码.取容错级别_按索引(1);
  级别.置值(9, 9, "X");
  EXPECT_EQ(共享二维码.取容错级别_按索引(1).取名称(), "L");
  EXPECT_EQ(容错级别表.列表[0].取序号(), 1);
  EXPECT_EQ(容错级别表.L.取名称(), "L");
}

TEST_F(ModeTable, ByIndicatorGivesTheThreeModes) {
  const auto 数字 = 共享二维码.取模式_按模式位(1);
  EXPECT_EQ(数字.取名称(), "数字");
  EXPECT_EQ(数字.取模式位(), 1);
  EXPECT_EQ(数字.字符计数位数(), (std::vector<std::int32_t>{10, 12, 14}));
  const auto 字母数字 = 共享二维码.取模式_按模式位(2);
  EXPECT_EQ(字母数字.取名称(), "字母数字");
  EXPECT_EQ(字母数字.到字符串(), "字母数字");
  EXPECT_EQ(字母数字.字符计数位数(), (std::vector<std::int32_t>{9, 11, 13}));
  const auto 字节 = 共享二维码.取模式_按模式位(4);
  EXPECT_EQ(字节.取名称(), "字节");
  EXPECT_EQ(字节.取模式位(), 4);
  EXPECT_EQ(字节.字符计数位数(), (std::vector<std::int32_t>{8, 16, 16}));
}

TEST_F(ModeTable, UnknownIndicatorGivesAnEmptyMode) {
  for (const std::int32_t 模式位 : {0, 3, 8, -1}) {
    const auto 模式 = 共享二维码.取模式_按模式位(模式位);
    EXPECT_EQ(模式, 模式类{}) << 模式位;
    EXPECT_EQ(模式.取模式位(), 0);
    EXPECT_EQ(模式.取名称(), "");
  }
}

TEST_F(ModeTable, CountWidthFollowsTheVersionRange) {
  struct 样例 {
    std::int32_t 版本号;
    std::int32_t 数字;
    std::int32_t 字母数字;
    std::int32_t 字节;
  };
  const 样例 表[] = {{1, 10, 9, 8}, {9, 10, 9, 8}, {10, 12, 11, 16}, {26, 12, 11, 16}, {27, 14, 13, 16}, {40, 14, 13, 16}};
  for (const auto& 例 : 表) {
    const auto& 版本 = 共享二维码.版本_通过版本号(例.版本号);
    EXPECT_EQ(模式表[0].取字符计数位数(版本), 例.数字) << 例.版本号;
    EXPECT_EQ(模式表[1].取字符计数位数(版本), 例.字母数字) << 例.版本号;
    EXPECT_EQ(模式表[2].取字符计数位数(版本), 例.字节) << 例.版本号;
    EXPECT_EQ(模式表[2].取字符计数位数(例.版本号), 例.字节) << 例.版本号;
  }
}

TEST_F(ModeTable, EmptyModeReportsInsteadOfReadingPastItsWidths) {
  const 模式类 空模式;
  EXPECT_REPORT(空模式.取字符计数位数(5), "模式类", "取字符计数位数", "索引异常。当前索引：0");
  EXPECT_REPORT(空模式.取字符计数位数(30), "模式类", "取字符计数位数", "索引异常。当前索引：2");
}

TEST_F(ModeTable, LookUpGivesACopy) {
  auto 模式 = 共享二维码.取模式_按模式位(4);
  模式.置值({1, 2, 3}, 7, "别的");
  EXPECT_EQ(共享二维码.取模式_按模式位(4).取名称(), "字节");
  EXPECT_EQ(模式表[2].取模式位(), 4);
}

}  // namespace
