#include <gtest/gtest.h>

#include <cstdint>

#include "qrcode/bitmap.h"

namespace {

std::uint32_t 读32(const 字节集& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t 读16(const 字节集& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); }

// The blue, green and red bytes of the pixel in column x, row y from the top.
const std::uint8_t* 像素(const 字节集& b, std::int32_t 宽, std::int32_t 高, std::int32_t x, std::int32_t y) {
  const std::size_t 行长 = (static_cast<std::size_t>(宽) * 24 + 31) / 32 * 4;
  return b.data() + 54 + static_cast<std::size_t>(高 - 1 - y) * 行长 + static_cast<std::size_t>(x) * 3;
}

TEST(Bitmap, HeaderFieldsAndRowSize) {
  struct 例 {
    std::int32_t 宽, 高;
    std::uint32_t 行长;
  };
  for (const 例 e : {例{500, 500, 1500}, 例{101, 3, 304}, 例{1, 1, 4}, 例{2, 5, 8}}) {
    const 字节集 b = 矩阵到位图(字节网格(e.高, e.宽, 0), e.宽, e.高);
    ASSERT_EQ(b.size(), 54 + e.行长 * static_cast<std::uint32_t>(e.高)) << e.宽;
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(读32(b, 2), b.size());
    EXPECT_EQ(读32(b, 6), 0u);  // both reserved fields
    EXPECT_EQ(读32(b, 10), 54u);
    EXPECT_EQ(读32(b, 14), 40u);
    EXPECT_EQ(读32(b, 18), static_cast<std::uint32_t>(e.宽));
    EXPECT_EQ(读32(b, 22), static_cast<std::uint32_t>(e.高));
    EXPECT_EQ(读16(b, 26), 1);
    EXPECT_EQ(读16(b, 28), 24);
    for (std::size_t at = 30; at < 54; at += 4) EXPECT_EQ(读32(b, at), 0u) << at;
  }
}

TEST(Bitmap, RowsBottomUpBlackOnlyForOneAndZeroPadding) {
  字节网格 单元(3, 101, 0);
  单元(0, 0) = 1;    // top left
  单元(2, 100) = 1;  // bottom right
  单元(1, 5) = 255;  // anything but 1 is light
  单元(1, 6) = 2;
  const 字节集 b = 矩阵到位图(单元, 101, 3);
  for (std::int32_t y = 0; y < 3; ++y) {
    for (std::int32_t x = 0; x < 101; ++x) {
      const bool 黑 = (x == 0 && y == 0) || (x == 100 && y == 2);
      const std::uint8_t* p = 像素(b, 101, 3, x, y);
      for (int c = 0; c < 3; ++c) ASSERT_EQ(p[c], 黑 ? 0 : 255) << x << "," << y;
    }
  }
  // The first stored row is the bottom one: its first pixel is white, its last black.
  EXPECT_EQ(b[54], 255);
  EXPECT_EQ(b[54 + 300], 0);
  for (std::size_t r = 0; r < 3; ++r) EXPECT_EQ(b[54 + r * 304 + 303], 0) << "padding of row " << r;
}

TEST(Bitmap, ReadsOnlyTheTopLeftOfALargerArray) {
  字节网格 单元(25, 25, 0);
  单元(0, 9) = 1;
  单元(10, 0) = 1;  // outside a 10 by 10 image
  const 字节集 b = 矩阵到位图(单元, 10, 10);
  EXPECT_EQ(b.size(), 54u + 32u * 10u);
  EXPECT_EQ(像素(b, 10, 10, 9, 0)[0], 0);
  EXPECT_EQ(像素(b, 10, 10, 0, 9)[0], 255);
}

TEST(Bitmap, CellsMissingFromASmallerArrayAreWhite) {
  字节网格 单元(1, 1, 1);
  const 字节集 b = 矩阵到位图(单元, 3, 2);
  EXPECT_EQ(像素(b, 3, 2, 0, 0)[0], 0);
  EXPECT_EQ(像素(b, 3, 2, 2, 0)[0], 255);
  EXPECT_EQ(像素(b, 3, 2, 0, 1)[0], 255);
}

TEST(Bitmap, FileSize) {
  EXPECT_EQ(位图文件大小(500, 500), 54 + 1500 * 500);
  EXPECT_EQ(位图文件大小(101, 100), 54 + 304 * 100);
}

}  // namespace
