#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "module_fixture.h"
#include "qrcode/shared_record.h"
#include "qrcode/table_globals.h"
#include "support/failure_capture.h"

namespace {

using VersionTable = 已启动模块;

// Modules left for data in a symbol of version v: everything but the finder
// patterns with their separators, the timing lines, the alignment patterns,
// the format areas with the dark module and the version areas.
std::int32_t 数据模块数(std::int32_t v) {
  const std::int32_t 边长 = 17 + 4 * v;
  std::int32_t 功能模块 = 3 * 8 * 8;                  // finders and separators
  功能模块 += 2 * (边长 - 2 * 8);                     // timing between the separators
  if (v >= 2) {
    const std::int32_t 坐标数 = v / 7 + 2;            // alignment centres per axis
    const std::int32_t 图形数 = 坐标数 * 坐标数 - 3;  // minus those on the finders
    功能模块 += 图形数 * 25;
    功能模块 -= 2 * (坐标数 - 2) * 5;                  // the ones crossing a timing line share 5 modules
  }
  功能模块 += 2 * 15 + 1;                             // format areas and the dark module
  if (v >= 7) 功能模块 += 2 * 18;                     // version areas
  return 边长 * 边长 - 功能模块;
}

std::int32_t 数据字节数(const 容错块类& 块) {
  std::int32_t 和 = 0;
  for (const auto& 组 : 块.块组()) 和 += 组.取数量() * 组.取数据字节数();
  return 和;
}

TEST(SymbolGeometry, DataModulesOfKnownVersions) {
  EXPECT_EQ(数据模块数(1), 208);
  EXPECT_EQ(数据模块数(2), 359);
  EXPECT_EQ(数据模块数(7), 1568);
  EXPECT_EQ(数据模块数(40), 29648);
}

TEST_F(VersionTable, EveryLevelFillsTheSymbolOfEveryVersion) {
  ASSERT_EQ(版本表.size(), 40u);
  for (std::int32_t v = 1; v <= 40; ++v) {
    const auto& 版本 = 版本表[static_cast<std::size_t>(v - 1)];
    EXPECT_EQ(版本.取版本号(), v);
    EXPECT_EQ(版本.取总字节数(), 数据模块数(v) / 8) << "version " << v;
    for (const auto& 级别 : 容错级别表.列表) {
      const auto& 块 = 版本.容错块(级别);
      std::int32_t 和 = 0;
      for (const auto& 组 : 块.块组()) 和 += 组.取数量() * (组.取数据字节数() + 块.取每块容错字节数());
      EXPECT_EQ(和, 版本.取总字节数()) << "version " << v << " level " << 级别.取名称();
      EXPECT_EQ(块.取容错字节总数() + 数据字节数(块), 版本.取总字节数());
      // One group, or two whose blocks differ by one data codeword.
      ASSERT_GE(块.块组().size(), 1u);
      ASSERT_LE(块.块组().size(), 2u);
      if (块.块组().size() == 2) {
        EXPECT_EQ(块.块组()[1].取数据字节数(), 块.块组()[0].取数据字节数() + 1) << "version " << v;
      }
    }
  }
}

// Data codewords at L, M, Q, H for every version, as the standard's
// capacity table lists them; catches a row whose EC and data counts were
// traded against each other.
constexpr std::array<std::array<std::int32_t, 4>, 40> 数据容量 = {{
    {19, 16, 13, 9},         {34, 28, 22, 16},        {55, 44, 34, 26},        {80, 64, 48, 36},
    {108, 86, 62, 46},       {136, 108, 76, 60},      {156, 124, 88, 66},      {194, 154, 110, 86},
    {232, 182, 132, 100},    {274, 216, 154, 122},    {324, 254, 180, 140},    {370, 290, 206, 158},
    {428, 334, 244, 180},    {461, 365, 261, 197},    {523, 415, 295, 223},    {589, 453, 325, 253},
    {647, 507, 367, 283},    {721, 563, 397, 313},    {795, 627, 445, 341},    {861, 669, 485, 385},
    {932, 714, 512, 406},    {1006, 782, 568, 442},   {1094, 860, 614, 464},   {1174, 914, 664, 514},
    {1276, 1000, 718, 538},  {1370, 1062, 754, 596},  {1468, 1128, 808, 628},  {1531, 1193, 871, 661},
    {1631, 1267, 911, 701},  {1735, 1373, 985, 745},  {1843, 1455, 1033, 793}, {1955, 1541, 1115, 845},
    {2071, 1631, 1171, 901}, {2191, 1725, 1231, 961}, {2306, 1812, 1286, 986}, {2434, 1914, 1354, 1054},
    {2566, 1992, 1426, 1096}, {2702, 2102, 1502, 1142}, {2812, 2216, 1582, 1222}, {2956, 2334, 1666, 1276},
}};

TEST_F(VersionTable, DataCapacitiesOfEveryVersionAndLevel) {
  for (std::int32_t v = 1; v <= 40; ++v) {
    for (std::size_t i = 0; i < 4; ++i) {
      const auto& 块 = 版本表[static_cast<std::size_t>(v - 1)].容错块(容错级别表.列表[i]);
      EXPECT_EQ(数据字节数(块), 数据容量[static_cast<std::size_t>(v - 1)][i]) << "version " << v << " level " << i;
    }
  }
}

struct 组 {
  std::int32_t 数量;
  std::int32_t 数据字节数;
};
struct 行 {
  std::int32_t 版本号;
  std::int32_t 总字节数;
  std::int32_t 级别;  // 1..4
  std::int32_t 每块容错字节数;
  std::vector<组> 块组;
};

TEST_F(VersionTable, QuotedRowsMatchCellByCell) {
  const 行 表[] = {
      {1, 26, 1, 7, {{1, 19}}},   {1, 26, 2, 10, {{1, 16}}},   {1, 26, 3, 13, {{1, 13}}},   {1, 26, 4, 17, {{1, 9}}},
      {2, 44, 1, 10, {{1, 34}}},  {2, 44, 2, 16, {{1, 28}}},   {2, 44, 3, 22, {{1, 22}}},   {2, 44, 4, 28, {{1, 16}}},
      {5, 134, 1, 26, {{1, 108}}}, {5, 134, 2, 24, {{2, 43}}}, {5, 134, 3, 18, {{2, 15}, {2, 16}}},
      {5, 134, 4, 22, {{2, 11}, {2, 12}}},
      {7, 196, 1, 20, {{2, 78}}}, {7, 196, 2, 18, {{4, 31}}}, {7, 196, 3, 18, {{2, 14}, {4, 15}}},
      {7, 196, 4, 26, {{4, 13}, {1, 14}}},
      {10, 346, 1, 18, {{2, 68}, {2, 69}}}, {10, 346, 2, 26, {{4, 43}, {1, 44}}},
      {10, 346, 3, 24, {{6, 19}, {2, 20}}}, {10, 346, 4, 28, {{6, 15}, {2, 16}}},
      {40, 3706, 1, 30, {{19, 118}, {6, 119}}}, {40, 3706, 2, 28, {{18, 47}, {31, 48}}},
      {40, 3706, 3, 30, {{34, 24}, {34, 25}}}, {40, 3706, 4, 30, {{20, 15}, {61, 16}}},
  };
  for (const auto& 例 : 表) {
    const auto 版本 = 共享二维码.取版本_通过版本号(例.版本号);
    EXPECT_EQ(版本.取总字节数(), 例.总字节数);
    const auto 块 = 版本.取容错块(共享二维码.取容错级别_按索引(例.级别));
    EXPECT_EQ(块.取每块容错字节数(), 例.每块容错字节数) << 例.版本号 << "/" << 例.级别;
    const auto 块组 = 块.取块组();
    ASSERT_EQ(块组.size(), 例.块组.size()) << 例.版本号 << "/" << 例.级别;
    for (std::size_t i = 0; i < 块组.size(); ++i) {
      EXPECT_EQ(块组[i].取数量(), 例.块组[i].数量) << 例.版本号 << "/" << 例.级别;
      EXPECT_EQ(块组[i].取数据字节数(), 例.块组[i].数据字节数) << 例.版本号 << "/" << 例.级别;
    }
  }
}

TEST_F(VersionTable, BlockCountsAndEcTotals) {
  const auto 五H = 共享二维码.取版本_通过版本号(5).取容错块(容错级别表.H);
  EXPECT_EQ(五H.取容错字节总数() + 数据字节数(五H), 134);
  EXPECT_EQ(五H.取容错字节总数(), 22 * 4);
  const auto 七Q = 共享二维码.取版本_通过版本号(7).取容错块(容错级别表.Q);
  EXPECT_EQ(七Q.取块数(), 6);
  EXPECT_EQ(七Q.取容错字节总数(), 18 * 6);
  const auto 四十H = 共享二维码.取版本_通过版本号(40).取容错块(容错级别表.H);
  EXPECT_EQ(四十H.取块数(), 81);
  EXPECT_EQ(四十H.取容错字节总数(), 2430);
}

TEST_F(VersionTable, WidthAndText) {
  EXPECT_EQ(共享二维码.取版本_通过版本号(1).取维长度(), 21);
  EXPECT_EQ(共享二维码.取版本_通过版本号(40).取维长度(), 177);
  EXPECT_EQ(共享二维码.取版本_通过版本号(27).到字符串(), "27");
}

TEST_F(VersionTable, ByWidth) {
  EXPECT_EQ(共享二维码.取版本_通过维长度(21).取版本号(), 1);
  EXPECT_EQ(共享二维码.取版本_通过维长度(25).取版本号(), 2);
  EXPECT_EQ(共享二维码.取版本_通过维长度(177).取版本号(), 40);
}

TEST_F(VersionTable, FailedLookUpsReportTheValue) {
  EXPECT_REPORT(共享二维码.取版本_通过版本号(0), "二维码类", "取版本_通过版本号", "版本号不在0到40之间。当前版本号：0");
  EXPECT_REPORT(共享二维码.取版本_通过版本号(41), "二维码类", "取版本_通过版本号", "版本号不在0到40之间。当前版本号：41");
  EXPECT_REPORT(共享二维码.版本_通过版本号(-7), "二维码类", "取版本_通过版本号", "版本号不在0到40之间。当前版本号：-7");
  EXPECT_REPORT(共享二维码.取版本_通过维长度(22), "二维码类", "取版本_通过维长度", "维长度不为4的位数加1。当前维数：22");
  EXPECT_REPORT(共享二维码.取版本_通过维长度(-3), "二维码类", "取版本_通过维长度", "维长度不为4的位数加1。当前维数：-3");
  // 181 and 13 pass the width test and fail on the version they give.
  EXPECT_REPORT(共享二维码.取版本_通过维长度(181), "二维码类", "取版本_通过版本号", "版本号不在0到40之间。当前版本号：41");
  EXPECT_REPORT(共享二维码.取版本_通过维长度(13), "二维码类", "取版本_通过版本号", "版本号不在0到40之间。当前版本号：-1");
}

TEST_F(VersionTable, LookUpGivesACopy) {
  const auto 原样 = 版本表[9];
  auto 版本 = 共享二维码.取版本_通过版本号(10);
  容错块类 块;
  块组类 组;
  组.置值(1, 1);
  块.置块组(1, 组);
  版本.置值(99, 块, 块, 块, 块);
  auto 块组 = 共享二维码.取版本_通过版本号(10).取容错块(容错级别表.L).取块组();
  块组[0].置值(0, 0);
  EXPECT_EQ(版本表[9], 原样);
  EXPECT_EQ(共享二维码.取版本_通过版本号(10).取总字节数(), 346);
}

TEST_F(VersionTable, LevelOutsideTheTableIsReported) {
  容错级别类 别的;
  别的.置值(5, 0, "X");
  EXPECT_REPORT(版本表[0].取容错块(别的), "版本类", "取容错块", "索引异常。当前索引：5");
  EXPECT_REPORT(版本表[0].取容错块(容错级别类{}), "版本类", "取容错块", "索引异常。当前索引：0");
}

TEST(EcBlocks, SettingGroupsReplacesTheOldOnes) {
  块组类 甲, 乙;
  甲.置值(2, 15);
  乙.置值(2, 16);
  容错块类 块;
  块.置两个块组(18, 甲, 乙);
  EXPECT_EQ(块.取块数(), 4);
  EXPECT_EQ(块.取容错字节总数(), 72);
  块.置块组(20, 乙);
  ASSERT_EQ(块.取块组().size(), 1u);
  EXPECT_EQ(块.取块组()[0], 乙);
  EXPECT_EQ(块.取块数(), 2);
  EXPECT_EQ(块.取每块容错字节数(), 20);
}

}  // namespace
