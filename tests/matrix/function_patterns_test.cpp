#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "matrix/matrix_builder.h"
#include "matrix_fixtures.h"
#include "support/failure_capture.h"

namespace {

// Finder cell by its distance from the centre: rings 0, 1 and 3 dark, ring 2 light.
int 探测图值(int 行, int 列) { return std::max(std::abs(行 - 3), std::abs(列 - 3)) == 2 ? 0 : 1; }
// Alignment cell: centre dark, ring 1 light, ring 2 dark.
int 调整图值(int 行, int 列) { return std::max(std::abs(行 - 2), std::abs(列 - 2)) == 1 ? 0 : 1; }

字节矩阵类 基本图形(std::int32_t 版本号) {
  const 矩阵应用类 构建器;
  字节矩阵类 m = 空矩阵(版本号);
  构建器.插入基本图形(版本号, m);
  return m;
}

void 检查探测图(const 字节矩阵类& m, int x0, int y0) {
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 7; ++c) EXPECT_EQ(m.取单元值(x0 + c, y0 + r), 探测图值(r, c)) << x0 + c << "," << y0 + r;
}

void 检查调整图(const 字节矩阵类& m, int cx, int cy) {
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      EXPECT_EQ(m.取单元值(cx - 2 + c, cy - 2 + r), 调整图值(r, c)) << "centre " << cx << "," << cy;
}

// The separator cells around the three finders are light.
void 检查分割图(const 字节矩阵类& m) {
  const int w = m.取宽度();
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(m.取单元值(i, 7), 0);
    EXPECT_EQ(m.取单元值(7, i), 0);
    EXPECT_EQ(m.取单元值(w - 1 - i, 7), 0);
    EXPECT_EQ(m.取单元值(w - 8, i), 0);
    EXPECT_EQ(m.取单元值(i, w - 8), 0);
    EXPECT_EQ(m.取单元值(7, w - 1 - i), 0);
  }
}

void 检查定位基线(const 字节矩阵类& m) {
  for (int p = 8; p <= m.取宽度() - 9; ++p) {
    EXPECT_EQ(m.取单元值(p, 6), p % 2 == 0 ? 1 : 0) << p;
    EXPECT_EQ(m.取单元值(6, p), p % 2 == 0 ? 1 : 0) << p;
  }
}

std::int32_t 已写(const 字节矩阵类& m) { return m.取宽度() * m.取高度() - 计数(m, 255); }

TEST(FunctionPatterns, Version1HasFindersSeparatorsDarkModuleAndTiming) {
  const 字节矩阵类 m = 基本图形(1);
  检查探测图(m, 0, 0);
  检查探测图(m, 14, 0);
  检查探测图(m, 0, 14);
  检查分割图(m);
  EXPECT_EQ(m.取单元值(8, 13), 1);
  检查定位基线(m);
  EXPECT_EQ(m.取单元值(8, 6), 1);
  EXPECT_EQ(m.取单元值(9, 6), 0);
  EXPECT_EQ(m.取单元值(12, 6), 1);
  // 3 finders, 3 separators, the dark module and 2 x 5 timing cells: no alignment pattern.
  EXPECT_EQ(已写(m), 3 * 49 + 3 * 15 + 1 + 10);
}

TEST(FunctionPatterns, Version2PlacesOneAlignmentPatternAndSkipsTheFinderCentres) {
  const 字节矩阵类 m = 基本图形(2);
  检查探测图(m, 0, 0);
  检查探测图(m, 18, 0);
  检查探测图(m, 0, 18);
  检查调整图(m, 18, 18);
  // (6, 18) and (18, 6) are finder cells and keep the finder's values.
  EXPECT_EQ(m.取单元值(6, 18), 1);
  EXPECT_EQ(m.取单元值(5, 19), 0);
  EXPECT_EQ(m.取单元值(18, 6), 1);
  检查定位基线(m);
  EXPECT_EQ(已写(m), 3 * 49 + 3 * 15 + 1 + 2 * 9 + 25);
}

TEST(FunctionPatterns, Version7PlacesSixAlignmentPatternsTwoAcrossTheTiming) {
  const 字节矩阵类 m = 基本图形(7);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{22, 6}, {6, 22}, {22, 22}, {38, 22}, {22, 38}, {38, 38}})
    检查调整图(m, x, y);
  检查定位基线(m);
  // Timing is 2 x 29 cells, 10 of them already held by the two patterns across it.
  EXPECT_EQ(已写(m), 3 * 49 + 3 * 15 + 1 + 6 * 25 + 2 * 29 - 10);
  EXPECT_EQ(m.取单元值(8, 45 - 8), 1);
}

TEST(FunctionPatterns, Version40PlacesFortySixAlignmentPatterns) {
  const 字节矩阵类 m = 基本图形(40);
  const std::vector<int> 中心 = {6, 30, 58, 86, 114, 142, 170};
  int 个数 = 0;
  for (const int y : 中心)
    for (const int x : 中心) {
      const bool 在探测图上 = (x == 6 && y == 6) || (x == 170 && y == 6) || (x == 6 && y == 170);
      if (在探测图上) continue;
      检查调整图(m, x, y);
      ++个数;
    }
  EXPECT_EQ(个数, 46);
  检查探测图(m, 170, 0);
  检查探测图(m, 0, 170);
  检查分割图(m);
  检查定位基线(m);
  EXPECT_EQ(m.取单元值(8, 177 - 8), 1);
  EXPECT_EQ(已写(m), 3 * 49 + 3 * 15 + 1 + 46 * 25 + 2 * 161 - 2 * 25);
}

// Total codewords and remainder bits per version (ISO/IEC 18004, table 1):
// after the function patterns, format and version information exactly
// 8 x codewords + remainder cells are left for the data.
TEST(FunctionPatterns, EveryVersionLeavesExactlyTheDataModulesOfTheStandard) {
  const int 总字节数[40] = {26,   44,   70,   100,  134,  172,  196,  242,  292,  346,  404,  466,  532,  581,
                          655,  733,  815,  901,  991,  1085, 1156, 1258, 1364, 1474, 1588, 1706, 1828, 1921,
                          2051, 2185, 2323, 2465, 2611, 2761, 2876, 3034, 3196, 3362, 3532, 3706};
  const 矩阵应用类 构建器;
  for (int v = 1; v <= 40; ++v) {
    const int 剩余位 = v == 1 ? 0 : v <= 6 ? 7 : v <= 13 ? 0 : v <= 20 ? 3 : v <= 27 ? 4 : v <= 34 ? 3 : 0;
    字节矩阵类 m = 空矩阵(v);
    构建器.插入基本图形(v, m);
    构建器.插入类型信息(级别('M'), 0, m);
    构建器.插入版本信息(v, m);
    EXPECT_EQ(计数(m, 255), 8 * 总字节数[v - 1] + 剩余位) << "version " << v;
  }
}

// Gives tests a look at the tables and a way to spoil them.
class 可改表构建器 : public 矩阵应用类 {
 public:
  using 矩阵应用类::位置探测图;
  using 矩阵应用类::垂直分割图;
  using 矩阵应用类::方位调整中心表;
  using 矩阵应用类::方位调整标识;
  using 矩阵应用类::水平分割图;
  using 矩阵应用类::类型信息坐标;
};

TEST(FunctionPatterns, TablesAreLoadedWithTheirShapes) {
  const 可改表构建器 b;
  EXPECT_EQ(b.位置探测图.行数(), 7);
  EXPECT_EQ(b.位置探测图.列数, 7);
  EXPECT_EQ(b.水平分割图.行数(), 1);
  EXPECT_EQ(b.水平分割图.列数, 8);
  EXPECT_EQ(b.垂直分割图.行数(), 7);
  EXPECT_EQ(b.垂直分割图.列数, 1);
  EXPECT_EQ(b.方位调整标识.行数(), 5);
  EXPECT_EQ(b.方位调整中心表.行数(), 40);
  EXPECT_EQ(b.方位调整中心表.列数, 7);
  EXPECT_EQ(b.类型信息坐标.行数(), 15);
  EXPECT_EQ(b.类型信息坐标.列数, 2);
  EXPECT_EQ(b.类型信息坐标.行[6], (std::vector<std::int32_t>{8, 7}));
}

// The centres follow the rules of the standard: 6 first, W - 7 last,
// v / 7 + 2 of them, the gaps after the first equal and even.
TEST(FunctionPatterns, AlignmentCentreTableFollowsTheStandardsSpacing) {
  const 可改表构建器 b;
  EXPECT_EQ(取矩阵行(b.方位调整中心表, 1), std::vector<std::int32_t>(7, -1));
  for (int v = 2; v <= 40; ++v) {
    std::vector<std::int32_t> c = 取矩阵行(b.方位调整中心表, v);
    ASSERT_EQ(c.size(), 7U);
    const auto n = static_cast<std::size_t>(v / 7 + 2);
    for (std::size_t i = n; i < 7; ++i) EXPECT_EQ(c[i], -1) << v;
    c.resize(n);
    EXPECT_EQ(c.front(), 6) << v;
    EXPECT_EQ(c.back(), 维长度(v) - 7) << v;
    for (std::size_t i = 2; i < n; ++i) {
      EXPECT_EQ(c[i] - c[i - 1], c[n - 1] - c[n - 2]) << v;
      EXPECT_EQ((c[i] - c[i - 1]) % 2, 0) << v;
    }
  }
  const std::vector<std::pair<int, std::vector<std::int32_t>>> 例 = {
      {2, {6, 18, -1, -1, -1, -1, -1}},     {7, {6, 22, 38, -1, -1, -1, -1}},
      {14, {6, 26, 46, 66, -1, -1, -1}},    {23, {6, 30, 54, 78, 102, -1, -1}},
      {32, {6, 34, 60, 86, 112, 138, -1}},  {39, {6, 26, 54, 82, 110, 138, 166}},
      {40, {6, 30, 58, 86, 114, 142, 170}}};
  for (const auto& [v, 行] : 例) EXPECT_EQ(取矩阵行(b.方位调整中心表, v), 行) << v;
}

TEST(FunctionPatterns, TakenFinderCellReportsItsOneBasedColumnThenRow) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(1);
  m.置单元值(0, 0, 0);
  EXPECT_REPORT(b.插入位置探测图(0, 0, m), "矩阵应用类", "插入位置探测图",
                "方位检测标识异常，当前位置有空值。当前行索引：1；列索引：1");
  m = 空矩阵(1);
  m.置单元值(15, 2, 1);
  EXPECT_REPORT(b.插入位置探测图(14, 0, m), "矩阵应用类", "插入位置探测图",
                "方位检测标识异常，当前位置有空值。当前行索引：16；列索引：3");
}

TEST(FunctionPatterns, TakenSeparatorCellReportsTheStartPosition) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(1);
  m.置单元值(16, 7, 0);
  EXPECT_REPORT(b.插入水平分割图(13, 7, m), "矩阵应用类", "插入水平分割图",
                "矩阵当前操作位数据不为空。i：4；x：13；y：7");
  m.置单元值(7, 18, 1);
  EXPECT_REPORT(b.插入垂直分割图(7, 14, m), "矩阵应用类", "插入垂直分割图",
                "矩阵当前操作位数据不为空。i：5；x：7；y：14");
}

TEST(FunctionPatterns, DarkModuleRefusesOnlyALightCell) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(2);
  m.置单元值(8, 17, 0);
  EXPECT_REPORT(b.左下角插入黑点(m), "矩阵应用类", "左下角插入黑点", "空值");
  m.置单元值(8, 17, 1);
  b.左下角插入黑点(m);
  m.置单元值(8, 17, 255);
  b.左下角插入黑点(m);
  EXPECT_EQ(m.取单元值(8, 17), 1);
}

TEST(FunctionPatterns, AlignmentPatternRefusesTakenCells) {
  const 矩阵应用类 b;
  // After the timing pattern the cells of a pattern across it are taken.
  字节矩阵类 m = 空矩阵(7);
  b.插入定位基线(m);
  EXPECT_REPORT(b.插入方位调整标识(20, 4, m), "矩阵应用类", "插入方位调整标识", "值为空");
}

TEST(FunctionPatterns, TimingRefusesACellThatIsNoModule) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(1);
  m.置单元值(6, 11, 7);
  EXPECT_REPORT(b.插入定位基线(m), "矩阵应用类", "插入定位基线", "无效值");
}

TEST(FunctionPatterns, SpoiltTablesAreReported) {
  字节矩阵类 m = 空矩阵(1);
  {
    可改表构建器 b;
    b.位置探测图 = 文本到整数矩阵("1,1\r\n1,1", "\r\n", ",");
    EXPECT_REPORT(b.插入位置探测图(0, 0, m), "矩阵应用类", "插入位置探测图", "方位检测标识异常，不是7*7矩阵。");
  }
  {
    可改表构建器 b;
    b.水平分割图 = 文本到整数矩阵("0,0,0,0,0,0,0", "\r\n", ",");
    EXPECT_REPORT(b.插入水平分割图(0, 7, m), "矩阵应用类", "插入水平分割图", "无效的水平分割图");
  }
  {
    可改表构建器 b;
    b.垂直分割图 = 文本到整数矩阵("0,0", "\r\n", ",");
    EXPECT_REPORT(b.插入垂直分割图(7, 0, m), "矩阵应用类", "插入垂直分割图", "无效的垂直分割图");
  }
  {
    可改表构建器 b;
    b.方位调整标识 = 文本到整数矩阵("1,1,1,1,1", "\r\n", ",");
    EXPECT_REPORT(b.插入方位调整标识(8, 8, m), "矩阵应用类", "插入方位调整标识", "定位探测图矩阵维度不正确");
  }
  // Loading again restores every table.
  可改表构建器 b;
  b.位置探测图 = {};
  b.载入图形表();
  EXPECT_EQ(b.位置探测图, 可改表构建器().位置探测图);
  EXPECT_EQ(b.位置探测图.行数(), 7);
}

TEST(FunctionPatterns, ValueTests) {
  EXPECT_TRUE(矩阵应用类::是否为空(255));
  EXPECT_FALSE(矩阵应用类::是否为空(0));
  EXPECT_TRUE(矩阵应用类::是否有效值(0));
  EXPECT_TRUE(矩阵应用类::是否有效值(1));
  EXPECT_TRUE(矩阵应用类::是否有效值(255));
  EXPECT_FALSE(矩阵应用类::是否有效值(2));
  EXPECT_FALSE(矩阵应用类::是否有效值(-1));
}

}  // namespace
