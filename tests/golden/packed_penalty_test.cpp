// The packed scoring must give the rules' own sums on any 0/1 matrix,
// including the sizes where a line fills or just passes a word.

#include <gtest/gtest.h>

#include <random>

#include "containers/byte_matrix.h"
#include "matrix/mask_helper.h"
#include "matrix/mask_selection.h"

namespace {

std::int32_t 逐规则罚分(const 字节矩阵类& m) {
  const 掩码辅助类 h;
  return h.罚分规则1(m) + h.罚分规则2(m) + h.罚分规则3(m) + h.罚分规则4(m);
}

字节矩阵类 随机矩阵(std::int32_t 宽, std::int32_t 高, std::mt19937& 随机, int 暗比例) {
  字节矩阵类 m;
  m.置尺寸(宽, 高);
  std::uniform_int_distribution<int> d(0, 99);
  for (std::int32_t y = 0; y < 高; ++y)
    for (std::int32_t x = 0; x < 宽; ++x) m.置单元值(x, y, d(随机) < 暗比例 ? 1 : 0);
  return m;
}

TEST(PackedPenalty, EqualsTheRulesOnRandomMatrices) {
  std::mt19937 随机(20261211);
  const std::int32_t 尺寸[][2] = {{1, 1}, {7, 7}, {11, 3}, {21, 21}, {63, 64}, {64, 64}, {65, 65}, {64, 65},
                                 {128, 128}, {129, 40}, {177, 177}, {192, 192}, {193, 5}, {200, 200}};
  for (const auto& s : 尺寸) {
    // Mostly light, even and mostly dark cells give long runs, blocks and finder shapes.
    for (const int 暗 : {10, 50, 90}) {
      const 字节矩阵类 m = 随机矩阵(s[0], s[1], 随机, 暗);
      EXPECT_EQ(计算掩码惩罚(m), 逐规则罚分(m)) << s[0] << "x" << s[1] << " dark " << 暗 << "%";
    }
  }
}

TEST(PackedPenalty, CellsOtherThanZeroAndOneScoreAsTheRulesDo) {
  std::mt19937 随机(7);
  字节矩阵类 m = 随机矩阵(21, 21, 随机, 50);
  m.置单元值(3, 4, 255);
  m.置单元值(10, 10, 2);
  EXPECT_EQ(计算掩码惩罚(m), 逐规则罚分(m));
}

}  // namespace
