#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "matrix/mask_helper.h"
#include "matrix/matrix_builder.h"
#include "matrix_fixtures.h"
#include "support/failure_capture.h"

namespace {

using 坐标 = std::pair<int, int>;

// The matrix before the data: patterns, format and version information.
字节矩阵类 功能图形(std::int32_t 版本号, const 容错级别类& l, std::int32_t 掩码) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(版本号);
  b.插入基本图形(版本号, m);
  b.插入类型信息(l, 掩码, m);
  b.插入版本信息(版本号, m);
  return m;
}

// The data cells in the order of the standard: two-column strips from the
// right, upwards then downwards in turn, right cell first, column 6 skipped.
std::vector<坐标> 数据顺序(const 字节矩阵类& 功能) {
  const int w = 功能.取宽度();
  std::vector<坐标> 顺序;
  bool 向上 = true;
  for (int 右列 = w - 1; 右列 >= 1; 右列 -= 2) {
    if (右列 == 6) 右列 = 5;
    for (int t = 0; t < w; ++t) {
      const int y = 向上 ? w - 1 - t : t;
      for (const int x : {右列, 右列 - 1})
        if (功能.取单元值(x, y) == 255) 顺序.emplace_back(x, y);
    }
    向上 = !向上;
  }
  return 顺序;
}

// The mask conditions of the standard, i the row and j the column.
int 标准掩码(int 掩码, int j, int i) {
  switch (掩码) {
    case 0: return (i + j) % 2 == 0;
    case 1: return i % 2 == 0;
    case 2: return j % 3 == 0;
    case 3: return (i + j) % 3 == 0;
    case 4: return (i / 2 + j / 3) % 2 == 0;
    case 5: return (i * j) % 2 + (i * j) % 3 == 0;
    case 6: return ((i * j) % 2 + (i * j) % 3) % 2 == 0;
    default: return ((i + j) % 2 + (i * j) % 3) % 2 == 0;
  }
}

位向量类 随机位流(std::int32_t n, unsigned 种子) {
  std::mt19937 随机(种子);
  位向量类 v;
  for (std::int32_t i = 0; i < n; ++i) v.追加位(static_cast<int>(随机() >> 31));
  return v;
}

TEST(Placement, DataCellCountsOfVersions1And2) {
  EXPECT_EQ(计数(功能图形(1, 级别('L'), 0), 255), 208);
  EXPECT_EQ(计数(功能图形(2, 级别('L'), 0), 255), 359);
}

TEST(Placement, FirstCellsAndTheSkippedTimingColumn) {
  const std::vector<坐标> 顺序 = 数据顺序(功能图形(1, 级别('M'), 0));
  ASSERT_EQ(顺序.size(), 208U);
  EXPECT_EQ(顺序[0], 坐标(20, 20));
  EXPECT_EQ(顺序[1], 坐标(19, 20));
  EXPECT_EQ(顺序[2], 坐标(20, 19));

  // A single 1 at bit k lands on the k-th cell of the walk, unmasked.
  const 矩阵应用类 b;
  for (const std::size_t k : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{207}}) {
    std::vector<int> 位(208, 0);
    位[k] = 1;
    字节矩阵类 m = 功能图形(1, 级别('M'), 0);
    b.插入数据信息位(位流(位), -1, m);
    EXPECT_EQ(m.取单元值(顺序[k].first, 顺序[k].second), 1) << k;
  }
}

TEST(Placement, WalkFollowsTheStandardOrderUnmaskedAndMasked) {
  const 矩阵应用类 b;
  for (const int v : {1, 2, 7, 40}) {
    const 字节矩阵类 功能 = 功能图形(v, 级别('Q'), 3);
    const std::vector<坐标> 顺序 = 数据顺序(功能);
    const auto n = static_cast<std::int32_t>(顺序.size());
    const 位向量类 位 = 随机位流(n, static_cast<unsigned>(v));
    for (int 掩码 = -1; 掩码 < 8; ++掩码) {
      字节矩阵类 m = 功能;
      b.插入数据信息位(位, 掩码, m);
      for (std::int32_t k = 0; k < n; ++k) {
        const auto [x, y] = 顺序[static_cast<std::size_t>(k)];
        const int 期望 = 位.取位值(k) ^ (掩码 == -1 ? 0 : 标准掩码(掩码, x, y));
        ASSERT_EQ(m.取单元值(x, y), 期望) << "version " << v << " mask " << 掩码 << " cell " << x << "," << y;
      }
      // The walk never visits column 6 and never changes a function cell.
      for (int y = 0; y < m.取高度(); ++y)
        for (int x = 0; x < m.取宽度(); ++x)
          if (功能.取单元值(x, y) != 255) {
            ASSERT_EQ(m.取单元值(x, y), 功能.取单元值(x, y)) << x << "," << y;
          }
    }
  }
}

TEST(Placement, RemainderCellsGetZeroBeforeMasking) {
  const 矩阵应用类 b;
  const 字节矩阵类 功能 = 功能图形(2, 级别('L'), 0);
  const std::vector<坐标> 顺序 = 数据顺序(功能);
  ASSERT_EQ(顺序.size(), 359U);
  字节矩阵类 m = 功能;
  b.插入数据信息位(同值位流(44 * 8, 1), -1, m);
  for (std::size_t k = 0; k < 顺序.size(); ++k)
    EXPECT_EQ(m.取单元值(顺序[k].first, 顺序[k].second), k < 352 ? 1 : 0) << k;

  // Masked, the remainder cells read the mask condition itself.
  m = 功能;
  b.插入数据信息位(同值位流(352, 0), 5, m);
  for (std::size_t k = 352; k < 顺序.size(); ++k) {
    const auto [x, y] = 顺序[k];
    EXPECT_EQ(m.取单元值(x, y), 标准掩码(5, x, y)) << k;
  }
}

TEST(Placement, FewerBitsThanCellsIsNoError) {
  const 矩阵应用类 b;
  字节矩阵类 m = 功能图形(1, 级别('L'), 0);
  b.插入数据信息位(位向量类(), -1, m);
  EXPECT_EQ(计数(m, 255), 0);
  EXPECT_EQ(计数(m, 1), 计数(功能图形(1, 级别('L'), 0), 1));
}

TEST(Placement, BitsThatDoNotFitAreReported) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(1);
  b.构建矩阵(同值位流(208, 1), 级别('L'), 1, 2, m);
  EXPECT_REPORT(b.构建矩阵(同值位流(209, 1), 级别('L'), 1, 2, m), "矩阵应用类", "插入数据信息位",
                "数据位未被全部填充，n：208；位向量大小：209");
}

TEST(Placement, InvalidMaskInThePlacementIsReportedByTheMaskHelper) {
  const 矩阵应用类 b;
  字节矩阵类 m = 功能图形(1, 级别('L'), 0);
  EXPECT_REPORT(b.插入数据信息位(同值位流(8, 1), 9, m), "掩码辅助类", "取数据掩码位", "掩图无效。");
}

TEST(MaskCondition, ExamplesAndAllMasksAgainstTheStandard) {
  const 掩码辅助类 h;
  EXPECT_EQ(h.取数据掩码位(4, 3, 2), 1);
  EXPECT_EQ(h.取数据掩码位(4, 2, 2), 0);
  EXPECT_EQ(h.取数据掩码位(0, 0, 0), 1);
  EXPECT_EQ(h.取数据掩码位(0, 1, 0), 0);
  EXPECT_EQ(h.取数据掩码位(0, 0, 1), 0);
  for (int 掩码 = 0; 掩码 < 8; ++掩码)
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) EXPECT_EQ(h.取数据掩码位(掩码, x, y), 标准掩码(掩码, x, y)) << 掩码 << x << y;
}

TEST(MaskCondition, MaskOutsideZeroToSevenIsReported) {
  const 掩码辅助类 h;
  EXPECT_REPORT(h.取数据掩码位(8, 0, 0), "掩码辅助类", "取数据掩码位", "掩图无效。");
  EXPECT_REPORT(h.取数据掩码位(-1, 0, 0), "掩码辅助类", "取数据掩码位", "掩图无效。");
}

TEST(BuildMatrix, EveryCellIsAModuleAndTheBuilderCanBeReused) {
  const 矩阵应用类 b;
  字节矩阵类 第一;
  第一.置尺寸(45, 45);
  const 位向量类 位 = 随机位流(196 * 8, 7);
  b.构建矩阵(位, 级别('H'), 7, 6, 第一);
  EXPECT_EQ(计数(第一, 0) + 计数(第一, 1), 45 * 45);
  字节矩阵类 其他;
  其他.置尺寸(21, 21);
  b.构建矩阵(随机位流(208, 1), 级别('L'), 1, 0, 其他);
  字节矩阵类 第二;
  第二.置尺寸(45, 45);
  b.构建矩阵(位, 级别('H'), 7, 6, 第二);
  EXPECT_EQ(第一, 第二);
  // A build starts from empty cells, whatever the matrix held.
  第二.清除(1);
  b.构建矩阵(位, 级别('H'), 7, 6, 第二);
  EXPECT_EQ(第一, 第二);
}

TEST(BuildMatrix, MatrixOfAnotherSizeIsRefusedBeforeAnyCellIsWritten) {
  const 矩阵应用类 b;
  字节矩阵类 m;
  m.置尺寸(21, 21);
  EXPECT_REPORT(b.构建矩阵(位向量类(), 级别('L'), 2, 0, m), "矩阵应用类", "构建矩阵",
                "矩阵尺寸与版本号不符。版本号：2；宽度：21；高度：21");
  EXPECT_EQ(计数(m, 0), 21 * 21);
  m.置尺寸(21, 25);
  EXPECT_REPORT(b.构建矩阵(位向量类(), 级别('L'), 1, 0, m), "矩阵应用类", "构建矩阵",
                "矩阵尺寸与版本号不符。版本号：1；宽度：21；高度：25");
  m.置尺寸(13, 13);
  EXPECT_REPORT(b.构建矩阵(位向量类(), 级别('L'), -1, 0, m), "矩阵应用类", "构建矩阵",
                "矩阵尺寸与版本号不符。版本号：-1；宽度：13；高度：13");
  m.置尺寸(181, 181);
  EXPECT_REPORT(b.构建矩阵(位向量类(), 级别('L'), 41, 0, m), "矩阵应用类", "构建矩阵",
                "矩阵尺寸与版本号不符。版本号：41；宽度：181；高度：181");
}

}  // namespace
