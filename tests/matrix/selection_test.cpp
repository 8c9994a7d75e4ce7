#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "matrix/mask_selection.h"
#include "matrix/matrix_builder.h"
#include "matrix_fixtures.h"

namespace {

位向量类 随机码字(std::int32_t 字节数, unsigned 种子) {
  std::mt19937 随机(种子);
  位向量类 v;
  for (std::int32_t i = 0; i < 字节数; ++i) v.追加位组(static_cast<std::int32_t>(随机() & 0xFF), 8);
  return v;
}

std::array<std::int32_t, 8> 各掩码罚分(const 位向量类& 位, const 容错级别类& l, std::int32_t 版本号) {
  const 矩阵应用类 b;
  std::array<std::int32_t, 8> 罚分{};
  for (int m = 0; m < 8; ++m) {
    字节矩阵类 矩阵;
    矩阵.置尺寸(维长度(版本号), 维长度(版本号));
    b.构建矩阵(位, l, 版本号, m, 矩阵);
    罚分[static_cast<std::size_t>(m)] = 计算掩码惩罚(矩阵);
  }
  return 罚分;
}

// Over many symbols the choice is always the first of the lowest scores,
// and some of them have a tie for the lowest.
TEST(MaskSelection, PicksTheLowestPenaltyAndTheLowestMaskOnATie) {
  int 平局 = 0;
  for (unsigned 种子 = 1; 种子 <= 400; ++种子) {
    const 位向量类 位 = 随机码字(26, 种子);
    const 容错级别类 l = 级别("LMQH"[种子 % 4]);
    const auto 罚分 = 各掩码罚分(位, l, 1);
    const auto 最低 = std::min_element(罚分.begin(), 罚分.end());
    if (std::count(罚分.begin(), 罚分.end(), *最低) > 1) ++平局;
    字节矩阵类 工作;
    工作.置尺寸(21, 21);
    ASSERT_EQ(选择掩码(位, l, 1, 工作), 最低 - 罚分.begin()) << "seed " << 种子;
  }
  EXPECT_GT(平局, 0);
}

TEST(MaskSelection, WorkingMatrixIsLeftWithTheBuildOfMask7) {
  const 位向量类 位 = 随机码字(196, 3);
  字节矩阵类 工作;
  工作.置尺寸(45, 45);
  const std::int32_t 选中 = 选择掩码(位, 级别('M'), 7, 工作);
  EXPECT_GE(选中, 0);
  EXPECT_LT(选中, 8);
  字节矩阵类 第七;
  第七.置尺寸(45, 45);
  矩阵应用类().构建矩阵(位, 级别('M'), 7, 7, 第七);
  EXPECT_EQ(工作, 第七);
}

TEST(MaskSelection, Version40ChoosesTheFirstLowest) {
  const 位向量类 位 = 随机码字(3706, 40);
  const auto 罚分 = 各掩码罚分(位, 级别('H'), 40);
  字节矩阵类 工作;
  工作.置尺寸(177, 177);
  EXPECT_EQ(选择掩码(位, 级别('H'), 40, 工作), std::min_element(罚分.begin(), 罚分.end()) - 罚分.begin());
}

}  // namespace
