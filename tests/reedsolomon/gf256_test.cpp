#include <gtest/gtest.h>

#include <set>

#include "reedsolomon/gf256.h"
#include "reference_field.h"
#include "support/failure_capture.h"

namespace {

GF256 建域(std::int32_t 多项式 = 285) {
  GF256 域;
  域.置本原多项式(多项式);
  return 域;
}

TEST(GF256, UnbuiltFieldHasNoIdentityAndNoTables) {
  const GF256 域;
  EXPECT_EQ(域.取标识(), "");
  EXPECT_TRUE(域.取指数表().empty());
  EXPECT_TRUE(域.取对数表().empty());
  EXPECT_EQ(域.取零系数(), std::vector<std::int32_t>{0});
}

TEST(GF256, IdentityNamesThePolynomial) {
  const GF256 a = 建域();
  const GF256 b = 建域();
  EXPECT_EQ(a.取标识(), "GF256:285");
  EXPECT_EQ(a.取标识(), b.取标识());
  EXPECT_TRUE(a.同域(b));
  EXPECT_FALSE(a.同域(建域(301)));
  EXPECT_EQ(a.取零系数(), std::vector<std::int32_t>{0});
}

TEST(GF256, TablesOfPolynomial285) {
  const GF256 域 = 建域();
  const auto 指数表 = 域.取指数表();
  const auto 对数表 = 域.取对数表();
  ASSERT_EQ(指数表.size(), 256u);
  ASSERT_EQ(对数表.size(), 256u);
  EXPECT_EQ(std::vector<std::int32_t>(指数表.begin(), 指数表.begin() + 12),
            (std::vector<std::int32_t>{1, 2, 4, 8, 16, 32, 64, 128, 29, 58, 116, 232}));
  EXPECT_EQ(指数表[254], 142);
  EXPECT_EQ(指数表[255], 1);
  EXPECT_EQ(对数表[0], 0);
  EXPECT_EQ(对数表[2], 1);
  EXPECT_EQ(对数表[3], 25);
  EXPECT_EQ(对数表[4], 2);
  EXPECT_EQ(域.指数(0), 1);
  EXPECT_EQ(域.指数(255), 1);
  EXPECT_EQ(域.对数(1), 0);

  std::set<std::int32_t> 元素;
  for (std::int32_t i = 0; i < 255; ++i) {
    EXPECT_EQ(指数表[static_cast<std::size_t>(i)], 参考::alpha幂(i)) << i;
    EXPECT_EQ(域.对数(指数表[static_cast<std::size_t>(i)]), i);
    元素.insert(指数表[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(元素.size(), 255u);
  EXPECT_EQ(*元素.begin(), 1);
  EXPECT_EQ(*元素.rbegin(), 255);
}

TEST(GF256, MultiplicationMatchesBitwiseArithmeticForEveryPair) {
  const GF256 域 = 建域();
  for (std::int32_t a = 0; a < 256; ++a) {
    for (std::int32_t b = 0; b < 256; ++b) ASSERT_EQ(域.相乘(a, b), 参考::乘(a, b)) << a << " * " << b;
  }
  EXPECT_EQ(域.相乘(2, 128), 29);
  EXPECT_EQ(域.相乘(2, 142), 1);
}

TEST(GF256, MultiplyAccumulateMatchesElementwiseProducts) {
  const GF256 域 = 建域();
  std::vector<std::int32_t> 系数(256);
  for (std::int32_t i = 0; i < 256; ++i) 系数[static_cast<std::size_t>(i)] = i;
  for (std::int32_t 标量 = 0; 标量 < 256; ++标量) {
    std::vector<std::int32_t> 目标(256, 0x5A);
    域.乘后累加(目标, 系数, 标量);
    for (std::int32_t i = 0; i < 256; ++i) ASSERT_EQ(目标[static_cast<std::size_t>(i)], 0x5A ^ 参考::乘(i, 标量));
  }
  std::vector<std::int32_t> 目标{1, 2};
  EXPECT_REPORT(域.乘后累加(目标, std::vector<std::int32_t>{3, 256}, 2), "无", "无", "无");
  EXPECT_REPORT(域.乘后累加(目标, std::vector<std::int32_t>{3, 4}, 256), "无", "无", "无");
}

TEST(GF256, ShortcutsForZeroAndOneComeBeforeTheTables) {
  const GF256 域 = 建域();
  EXPECT_EQ(域.相乘(0, 300), 0);
  EXPECT_EQ(域.相乘(-5, 0), 0);
  EXPECT_EQ(域.相乘(1, 300), 300);
  EXPECT_EQ(域.相乘(300, 1), 300);
  // Even an unbuilt field answers these.
  const GF256 未建;
  EXPECT_EQ(未建.相乘(0, 7), 0);
  EXPECT_EQ(未建.相乘(1, 7), 7);
  EXPECT_EQ(未建.相乘(7, 1), 7);
}

TEST(GF256, InverseOfEveryElement) {
  const GF256 域 = 建域();
  for (std::int32_t a = 1; a < 256; ++a) EXPECT_EQ(域.相乘(a, 域.求逆(a)), 1) << a;
  EXPECT_EQ(域.求逆(1), 1);
  EXPECT_EQ(域.求逆(2), 142);
}

TEST(GF256, AdditionIsExclusiveOr) {
  for (std::int32_t a = 0; a < 256; ++a) EXPECT_EQ(GF256::元素加减(a, a), 0);
  EXPECT_EQ(GF256::元素加减(5, 7), 2);
  EXPECT_EQ(GF256::元素加减(0x1FF, 0x0F), 0x1F0);
}

TEST(GF256, LogarithmAndInverseOfZeroReportWithoutARecord) {
  const GF256 域 = 建域();
  EXPECT_REPORT(域.对数(0), "无", "无", "无");
  EXPECT_REPORT(域.求逆(0), "无", "无", "无");
}

// Values the tables cannot index are refused instead of read past the end.
TEST(GF256, ValuesOutsideTheTablesReportWithoutARecord) {
  const GF256 域 = 建域();
  EXPECT_REPORT(域.指数(256), "无", "无", "无");
  EXPECT_REPORT(域.指数(-1), "无", "无", "无");
  EXPECT_REPORT(域.对数(256), "无", "无", "无");
  EXPECT_REPORT(域.求逆(-3), "无", "无", "无");
  EXPECT_REPORT(域.相乘(2, 256), "无", "无", "无");
  EXPECT_REPORT(域.相乘(-2, 3), "无", "无", "无");
  const GF256 未建;
  EXPECT_REPORT(未建.指数(0), "无", "无", "无");
  EXPECT_REPORT(未建.相乘(2, 3), "无", "无", "无");
  GF256 坏;
  EXPECT_REPORT(坏.置本原多项式(255), "无", "无", "无");
  EXPECT_REPORT(坏.置本原多项式(512), "无", "无", "无");
  EXPECT_EQ(坏.取标识(), "");
}

TEST(GF256, CopiesAreValues) {
  GF256 域 = 建域();
  const GF256 副本 = 域;
  域.置本原多项式(301);
  EXPECT_EQ(域.取标识(), "GF256:301");
  EXPECT_EQ(副本.取标识(), "GF256:285");
  EXPECT_EQ(副本.相乘(2, 128), 29);
  EXPECT_EQ(域.相乘(2, 128), 参考::乘(2, 128, 301));
}

}  // namespace
