#include <gtest/gtest.h>

#include "qrcode/scaling.h"
#include "tables/qr_code.h"

namespace {

// A record whose symbol is w by w modules with a known pattern: the
// corners dark, and one cell that is neither 0 nor 1.
二维码类 记录(std::int32_t w) {
  字节矩阵类 m;
  m.置尺寸(w, w);
  m.置单元值(0, 0, 1);
  m.置单元值(w - 1, 0, 1);
  m.置单元值(0, w - 1, 1);
  m.置单元值(w - 1, w - 1, 1);
  m.置单元值(1, 0, 255);  // counts as light
  二维码类 r;
  r.置矩阵(m);
  return r;
}

// The dark box of the output: left, top, right and bottom (inclusive).
struct 范围 {
  std::int32_t 左 = -1, 上 = -1, 右 = -1, 下 = -1;
  bool operator==(const 范围&) const = default;
};

范围 黑色范围(const 字节矩阵类& m) {
  范围 b{m.取宽度(), m.取高度(), -1, -1};
  for (std::int32_t y = 0; y < m.取高度(); ++y)
    for (std::int32_t x = 0; x < m.取宽度(); ++x)
      if (m.取单元值(x, y) == 1) {
        b.左 = std::min(b.左, x);
        b.上 = std::min(b.上, y);
        b.右 = std::max(b.右, x);
        b.下 = std::max(b.下, y);
      }
  return b;
}

TEST(Scaling, FactorOffsetAndSize) {
  struct 例 {
    std::int32_t 模块, 宽, 高;  // symbol width, requested size
    std::int32_t 输出宽, 输出高, 因子, 左, 上;
  };
  const 例 例子[] = {
      {21, 500, 500, 500, 500, 20, 40, 40},  // version 1 in the window
      {21, 100, 100, 100, 100, 4, 8, 8},     // the default size
      {37, 100, 100, 100, 100, 2, 13, 13},   // version 5: 100 / 41 is 2.44
      {21, 300, 100, 300, 100, 4, 108, 8},   // the smaller ratio wins
      {21, 100, 300, 100, 300, 4, 8, 108},
      {21, 10, 10, 25, 25, 1, 2, 2},         // smaller than the symbol: never cut down
      {177, 500, 500, 500, 500, 2, 73, 73},  // version 40 fits at factor 2
      {21, 101, 101, 101, 101, 4, 8, 8},     // the odd pixel goes right and down
  };
  for (const 例& e : 例子) {
    const 字节矩阵类 m = 缩放矩阵(记录(e.模块), e.宽, e.高);
    EXPECT_EQ(m.取宽度(), e.输出宽) << e.模块 << "@" << e.宽 << "x" << e.高;
    EXPECT_EQ(m.取高度(), e.输出高) << e.模块 << "@" << e.宽 << "x" << e.高;
    const std::int32_t 边 = e.模块 * e.因子;
    EXPECT_EQ(黑色范围(m), (范围{e.左, e.上, e.左 + 边 - 1, e.上 + 边 - 1})) << e.模块 << "@" << e.宽 << "x" << e.高;
  }
}

TEST(Scaling, EachModuleBecomesAFactorSquareAndOnlyOnesAreDark) {
  const 字节矩阵类 m = 缩放矩阵(记录(21), 500, 500);
  std::int32_t 黑 = 0;
  for (const std::uint8_t v : m.单元().单元) {
    ASSERT_TRUE(v == 0 || v == 1);
    黑 += v;
  }
  EXPECT_EQ(黑, 4 * 20 * 20);
  EXPECT_EQ(m.取单元值(40, 40), 1);
  EXPECT_EQ(m.取单元值(59, 59), 1);
  EXPECT_EQ(m.取单元值(60, 40), 0);  // the 255 cell next to the corner
  EXPECT_EQ(m.取单元值(39, 40), 0);
}

TEST(Scaling, RecordMatrixIsLeftAsItWas) {
  const 二维码类 r = 记录(21);
  缩放矩阵(r, 500, 500);
  EXPECT_EQ(r.矩阵().取单元值(1, 0), 255);
}

}  // namespace
