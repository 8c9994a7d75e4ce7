#include <gtest/gtest.h>

#include "matrix/integer_matrix.h"

namespace {

TEST(IntegerMatrix, RowsAndCellsWithNegativeNumbers) {
  const 整数矩阵 m = 文本到整数矩阵("6,18,-1\r\n-7,0,170", "\r\n", ",");
  ASSERT_EQ(m.行数(), 2);
  ASSERT_EQ(m.列数, 3);
  EXPECT_EQ(m(0, 1), 18);
  EXPECT_EQ(m(0, 2), -1);
  EXPECT_EQ(m(1, 0), -7);
  EXPECT_EQ(m(1, 2), 170);
}

TEST(IntegerMatrix, ShortRowsArePaddedToTheWidestRow) {
  const 整数矩阵 m = 文本到整数矩阵("1\r\n2,3,4\r\n5,6", "\r\n", ",");
  ASSERT_EQ(m.列数, 3);
  EXPECT_EQ(m.行[0], (std::vector<std::int32_t>{1, 0, 0}));
  EXPECT_EQ(m.行[2], (std::vector<std::int32_t>{5, 6, 0}));
}

TEST(IntegerMatrix, OneColumnAndOtherSeparators) {
  const 整数矩阵 m = 文本到整数矩阵("0;1;0", ";", ",");
  EXPECT_EQ(m.行数(), 3);
  EXPECT_EQ(m.列数, 1);
  EXPECT_EQ(m(1, 0), 1);
}

TEST(IntegerMatrix, RowLookUpIsOneBasedAndEmptyOutsideTheRows) {
  const 整数矩阵 m = 文本到整数矩阵("1,2\r\n3,4", "\r\n", ",");
  EXPECT_EQ(取矩阵行(m, 1), (std::vector<std::int32_t>{1, 2}));
  EXPECT_EQ(取矩阵行(m, 2), (std::vector<std::int32_t>{3, 4}));
  EXPECT_TRUE(取矩阵行(m, 0).empty());
  EXPECT_TRUE(取矩阵行(m, 3).empty());
  EXPECT_TRUE(取矩阵行(m, -1).empty());
}

}  // namespace
