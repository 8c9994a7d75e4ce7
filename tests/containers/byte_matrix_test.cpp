#include <gtest/gtest.h>

#include "containers/byte_matrix.h"
#include "support/failure_capture.h"

namespace {

TEST(ByteMatrix, NewMatrixHasNoSizeAndOneCell) {
  const 字节矩阵类 m;
  EXPECT_EQ(m.取宽度(), 0);
  EXPECT_EQ(m.取高度(), 0);
  const 字节网格 a = m.取数组();
  EXPECT_EQ(a.行数, 1);
  EXPECT_EQ(a.列数, 1);
  EXPECT_EQ(a(0, 0), 0);
  EXPECT_EQ(m.到文本(), "");
}

TEST(ByteMatrix, SizeAndCells) {
  字节矩阵类 m;
  m.置尺寸(21, 25);
  EXPECT_EQ(m.取宽度(), 21);
  EXPECT_EQ(m.取高度(), 25);
  EXPECT_EQ(m.取数组(), 字节网格(25, 21, 0));
  m.置单元值(3, 5, 1);
  const 字节网格 a = m.取数组();
  for (std::size_t i = 0; i < a.单元.size(); ++i) EXPECT_EQ(a.单元[i], i == 5 * 21 + 3 ? 1 : 0) << i;
  m.置单元值(0, 0, 0x1FF);
  EXPECT_EQ(m.取单元值(0, 0), 255);
}

TEST(ByteMatrix, ClearWithAndWithoutValue) {
  字节矩阵类 m;
  m.置尺寸(4, 3);
  m.清除(255);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(m.取单元值(x, y), 255);
  m.清除();
  EXPECT_EQ(m.取数组(), 字节网格(3, 4, 0));
}

TEST(ByteMatrix, GetArrayIsACopy) {
  字节矩阵类 m;
  m.置尺寸(2, 2);
  字节网格 a = m.取数组();
  a(1, 1) = 9;
  EXPECT_EQ(m.取单元值(1, 1), 0);
}

TEST(ByteMatrix, SetFromArrayCopiesIntoTheTopLeft) {
  字节矩阵类 m;
  m.置尺寸(3, 3);
  m.清除(7);
  字节网格 a(2, 1);
  a(0, 0) = 1;
  a(1, 0) = 2;
  m.置字节矩阵(a);
  EXPECT_EQ(m.到文本(), "1,7,7\r\n2,7,7\r\n7,7,7");
}

TEST(ByteMatrix, TextForm) {
  字节矩阵类 m;
  m.置尺寸(2, 2);
  m.置单元值(0, 0, 1);
  m.置单元值(0, 1, 255);
  m.置单元值(1, 1, 1);
  EXPECT_EQ(m.到文本(), "1,0\r\n255,1");
}

TEST(ByteMatrix, NotAMatrixIsReported) {
  字节矩阵类 m;
  m.置尺寸(5, 5);
  EXPECT_REPORT(m.置字节矩阵(字节网格(0, 5)), "字节矩阵类", "置字节矩阵", "不是矩阵");
  EXPECT_REPORT(m.置字节矩阵(字节网格(5, 0)), "字节矩阵类", "置字节矩阵", "不是矩阵");
  EXPECT_REPORT(m.置字节矩阵(字节网格()), "字节矩阵类", "置字节矩阵", "不是矩阵");
}

}  // namespace
