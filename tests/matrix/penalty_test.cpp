#include <gtest/gtest.h>

#include "matrix/mask_helper.h"
#include "matrix/mask_selection.h"
#include "matrix_fixtures.h"

namespace {

字节矩阵类 转置(const 字节矩阵类& m) {
  字节矩阵类 t;
  t.置尺寸(m.取高度(), m.取宽度());
  for (int y = 0; y < m.取高度(); ++y)
    for (int x = 0; x < m.取宽度(); ++x) t.置单元值(y, x, m.取单元值(x, y));
  return t;
}

TEST(Penalty, AllLight21By21Scores1999) {
  const 掩码辅助类 h;
  const 字节矩阵类 m = 填满(21, 21, 0);
  EXPECT_EQ(h.罚分规则1_单向(m, true), 21 * 19);
  EXPECT_EQ(h.罚分规则1_单向(m, false), 21 * 19);
  EXPECT_EQ(h.罚分规则1(m), 798);
  EXPECT_EQ(h.罚分规则2(m), 1200);
  EXPECT_EQ(h.罚分规则3(m), 0);
  EXPECT_EQ(h.罚分规则4(m), 1);
  EXPECT_EQ(计算掩码惩罚(m), 1999);
}

TEST(Penalty, RunsOfFiveAndSix) {
  const 掩码辅助类 h;
  const 字节矩阵类 五 = 矩阵自({{1, 0, 0, 0, 0, 0, 1}});
  EXPECT_EQ(h.罚分规则1_单向(五, true), 3);
  EXPECT_EQ(h.罚分规则1_单向(五, false), 0);
  const 字节矩阵类 六 = 矩阵自({{1, 1, 1, 1, 1, 1, 0, 1}});
  EXPECT_EQ(h.罚分规则1_单向(六, true), 4);
  const 字节矩阵类 四 = 矩阵自({{1, 1, 1, 1, 0, 1, 1, 1, 1}});
  EXPECT_EQ(h.罚分规则1_单向(四, true), 0);
  // Columns count the same way.
  EXPECT_EQ(h.罚分规则1_单向(转置(六), false), 4);
  EXPECT_EQ(h.罚分规则1(转置(六)), 4);
}

TEST(Penalty, RunsDoNotContinueIntoTheNextLine) {
  const 掩码辅助类 h;
  // Two rows of four light cells: eight in reading order, four per line.
  EXPECT_EQ(h.罚分规则1_单向(填满(4, 2, 0), true), 0);
  const 字节矩阵类 m = 矩阵自({{0, 0, 1, 1, 1}, {1, 1, 0, 0, 0}});
  EXPECT_EQ(h.罚分规则1_单向(m, true), 0);
}

TEST(Penalty, BlocksOfFourOverlap) {
  const 掩码辅助类 h;
  EXPECT_EQ(h.罚分规则2(填满(3, 3, 1)), 4 * 3);
  EXPECT_EQ(h.罚分规则2(矩阵自({{1, 0, 1}, {0, 1, 0}, {1, 0, 1}})), 0);
  EXPECT_EQ(h.罚分规则2(矩阵自({{1, 1, 0}, {1, 1, 0}, {0, 0, 0}})), 3);
  EXPECT_EQ(h.罚分规则2(矩阵自({{1, 1, 0}, {1, 1, 0}, {1, 1, 0}})), 3 + 3);
  EXPECT_EQ(h.罚分规则2(矩阵自({{1, 1, 1, 1}})), 0);
}

TEST(Penalty, FinderLikePatternNeedsFourLightCellsOnOneSide) {
  const 掩码辅助类 h;
  const 字节矩阵类 左浅 = 矩阵自({{0, 0, 0, 0, 1, 0, 1, 1, 1, 0, 1}});
  EXPECT_EQ(h.罚分规则3(左浅), 40);
  const 字节矩阵类 右浅 = 矩阵自({{1, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0}});
  EXPECT_EQ(h.罚分规则3(右浅), 40);
  // Light on both sides still counts once for the position.
  EXPECT_EQ(h.罚分规则3(矩阵自({{0, 0, 0, 0, 1, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0}})), 40);
  // No room for four light cells on either side.
  EXPECT_EQ(h.罚分规则3(矩阵自({{1, 0, 1, 1, 1, 0, 1}})), 0);
  EXPECT_EQ(h.罚分规则3(矩阵自({{0, 0, 0, 1, 0, 1, 1, 1, 0, 1, 0, 0, 0}})), 0);
  // A dark cell among the four light ones.
  EXPECT_EQ(h.罚分规则3(矩阵自({{1, 0, 1, 1, 1, 0, 1, 0, 0, 1, 0}})), 0);
  EXPECT_EQ(h.罚分规则3(矩阵自({{0, 1, 0, 0, 1, 0, 1, 1, 1, 0, 1}})), 0);
  // Columns the same.
  EXPECT_EQ(h.罚分规则3(转置(左浅)), 40);
  EXPECT_EQ(h.罚分规则3(转置(右浅)), 40);
  // A row and a column crossing on a dark cell of both: 40 each.
  字节矩阵类 十字 = 填满(11, 11, 0);
  const int 样式[7] = {1, 0, 1, 1, 1, 0, 1};
  for (int i = 0; i < 7; ++i) {
    十字.置单元值(4 + i, 6, 样式[i]);
    十字.置单元值(6, 4 + i, 样式[i]);
  }
  EXPECT_EQ(h.罚分规则3(十字), 80);
}

TEST(Penalty, DarkProportionDividesByFiftyWithNoFactor) {
  const 掩码辅助类 h;
  EXPECT_EQ(h.罚分规则4(填满(21, 21, 1)), 1);
  EXPECT_EQ(h.罚分规则4(填满(21, 21, 0)), 1);
  EXPECT_EQ(h.罚分规则4(矩阵自({{1, 1, 1, 0}})), 0);
  EXPECT_EQ(h.罚分规则4(矩阵自({{0, 0, 0, 0, 0, 0, 0, 0, 0, 1}})), 0);
  EXPECT_EQ(h.罚分规则4(填满(1, 1, 1)), 1);
  // Only the value 1 is dark.
  EXPECT_EQ(h.罚分规则4(填满(3, 3, 255)), 1);
  // A matrix without cells has no proportion to score.
  EXPECT_EQ(h.罚分规则4(字节矩阵类()), 0);
  EXPECT_EQ(计算掩码惩罚(字节矩阵类()), 0);
}

TEST(Penalty, TotalIsTheSumOfTheFourRules) {
  const 掩码辅助类 h;
  const 字节矩阵类 m = 矩阵自({{1, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0},
                               {1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 1},
                               {0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0},
                               {0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1}});
  const int 和 = h.罚分规则1(m) + h.罚分规则2(m) + h.罚分规则3(m) + h.罚分规则4(m);
  EXPECT_EQ(计算掩码惩罚(m), 和);
  EXPECT_EQ(h.罚分规则1(m), 4 + 3);
  EXPECT_EQ(h.罚分规则3(m), 40);
}

}  // namespace
