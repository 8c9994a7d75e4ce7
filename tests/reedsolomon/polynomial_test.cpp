#include <gtest/gtest.h>

#include <random>

#include "reedsolomon/gfp.h"
#include "reedsolomon/gfpp.h"
#include "reedsolomon/polynomial.h"
#include "reference_field.h"
#include "support/failure_capture.h"

namespace {

using 系数表 = std::vector<std::int32_t>;

class PolynomialTest : public testing::Test {
 protected:
  PolynomialTest() {
    域.置本原多项式(285);
    他域.置本原多项式(301);
  }
  多项式类 式(系数表 c) const { return 多项式类(域, std::move(c)); }
  GFP 持(系数表 c) const { return GFP(式(std::move(c))); }
  std::vector<多项式类> 除(const 系数表& 被除, const 系数表& 除式) const {
    GFPP 除法;
    除法.置被除式(持(被除));
    std::vector<多项式类> 结果;
    除法.分离(式(除式), 结果);
    return 结果;
  }

  GF256 域;
  GF256 他域;
};

TEST_F(PolynomialTest, NormalisationStripsLeadingZeros) {
  const struct {
    系数表 输入, 存储;
  } 用例[] = {
      {{0, 0, 5, 0}, {5, 0}}, {{0, 0, 0}, {0}}, {{0}, {0}}, {{7}, {7}}, {{3, 0, 1}, {3, 0, 1}},
  };
  for (const auto& c : 用例) {
    多项式类 p;
    const 系数表 原 = c.输入;
    p.置域和系数(域, 原);
    EXPECT_EQ(p.取系数(), c.存储);
    EXPECT_EQ(原, c.输入);
    EXPECT_EQ(p.取次数(), static_cast<std::int32_t>(c.存储.size()) - 1);
    EXPECT_EQ(p.是否为零(), c.存储 == 系数表{0});
    EXPECT_EQ(p.取域().取标识(), "GF256:285");
  }
  const 多项式类 p = 式({0, 0, 5, 0});
  EXPECT_EQ(p.取系数_按次数(0), 0);
  EXPECT_EQ(p.取系数_按次数(1), 5);
}

TEST_F(PolynomialTest, EmptyCoefficientsAndOutOfRangeDegreesReportWithoutARecord) {
  多项式类 p;
  EXPECT_REPORT(p.置域和系数(域, {}), "无", "无", "无");
  const 多项式类 q = 式({5, 0});
  EXPECT_REPORT(q.取系数_按次数(2), "无", "无", "无");
  EXPECT_REPORT(q.取系数_按次数(-1), "无", "无", "无");
  // An unset polynomial has nothing to evaluate and is not zero.
  EXPECT_FALSE(p.是否为零());
  EXPECT_REPORT(p.求值(0), "无", "无", "无");
}

TEST_F(PolynomialTest, Evaluation) {
  const 多项式类 p = 式({5, 7});
  EXPECT_EQ(p.求值(0), 7);
  EXPECT_EQ(p.求值(1), 2);
  std::mt19937 随机(7);
  std::uniform_int_distribution<std::int32_t> 元素(0, 255);
  for (int n = 0; n < 50; ++n) {
    系数表 c(static_cast<std::size_t>(1 + n % 9));
    for (auto& v : c) v = 元素(随机);
    const 多项式类 q = 式(c);
    for (std::int32_t x = 0; x < 256; ++x) ASSERT_EQ(q.求值(x), 参考::求值(c, x));
  }
}

TEST_F(PolynomialTest, TextForm) {
  EXPECT_EQ(式({1, 0, 1}).到文本(), "x^2 + 1");
  EXPECT_EQ(式({2, 4}).到文本(), "ax + a^2");
  EXPECT_EQ(式({0}).到文本(), "");
  EXPECT_EQ(式({3, 1, 0, 2}).到文本(), "a^25x^3 + x^2 + a");
  EXPECT_EQ(式({1}).到文本(), "1");
}

TEST_F(PolynomialTest, SumCancelsLeadingTerms) {
  EXPECT_EQ(持({1, 2}).加或减(式({3, 4, 5})).取系数(), (系数表{3, 5, 7}));
  EXPECT_EQ(持({3, 4, 5}).加或减(式({1, 2})).取系数(), (系数表{3, 5, 7}));
  EXPECT_EQ(持({1, 2, 3}).加或减(式({1, 4, 5})).取系数(), (系数表{6, 6}));
  EXPECT_EQ(持({9, 8, 7}).加或减(式({9, 8, 7})).取系数(), (系数表{0}));
  EXPECT_EQ(持({0}).加或减(式({4, 2})).取系数(), (系数表{4, 2}));
  EXPECT_EQ(持({4, 2}).加或减(式({0})).取系数(), (系数表{4, 2}));
}

TEST_F(PolynomialTest, Product) {
  EXPECT_EQ(持({1, 1}).多项式相乘(式({1, 2})).取系数(), (系数表{1, 3, 2}));
  EXPECT_EQ(持({0}).多项式相乘(式({1, 2})).取系数(), (系数表{0}));
  EXPECT_EQ(持({1, 2}).多项式相乘(式({0})).取系数(), (系数表{0}));
  // The product's value is the product of the values, everywhere.
  const 系数表 a{17, 0, 200, 3}, b{99, 1, 254};
  const 多项式类 积 = 持(a).多项式相乘(式(b));
  for (std::int32_t x = 0; x < 256; ++x) ASSERT_EQ(积.求值(x), 参考::乘(参考::求值(a, x), 参考::求值(b, x)));
}

TEST_F(PolynomialTest, ScalingAndMonomials) {
  EXPECT_EQ(持({5, 7}).数乘(0).取系数(), (系数表{0}));
  EXPECT_EQ(持({5, 7}).数乘(1).取系数(), (系数表{5, 7}));
  EXPECT_EQ(持({5, 7}).数乘(2).取系数(), (系数表{10, 14}));
  EXPECT_EQ(持({128, 1}).数乘(2).取系数(), (系数表{29, 2}));

  EXPECT_EQ(持({5, 7}).叠加单项式(3, 1).取系数(), (系数表{5, 7, 0, 0, 0}));
  EXPECT_EQ(持({5, 7}).叠加单项式(0, 1).取系数(), (系数表{5, 7}));
  EXPECT_EQ(持({5, 7}).叠加单项式(2, 0).取系数(), (系数表{0}));
  EXPECT_EQ(持({128, 1}).叠加单项式(1, 2).取系数(), (系数表{29, 2, 0}));
  EXPECT_EQ(持({0}).叠加单项式(2, 5).取系数(), (系数表{0}));

  EXPECT_EQ(持({5, 7}).构造单项式(0, 9).取系数(), (系数表{9}));
  EXPECT_EQ(持({5, 7}).构造单项式(2, 0).取系数(), (系数表{0}));
  EXPECT_EQ(持({5, 7}).构造单项式(3, 4).取系数(), (系数表{4, 0, 0, 0}));
  EXPECT_EQ(持({5, 7}).构造单项式(3, 4).取域().取标识(), "GF256:285");
}

TEST_F(PolynomialTest, HeldOperandIsACopy) {
  GFP g;
  多项式类 p = 式({1, 2});
  g.置多项式(p);
  p.置域和系数(域, {9});
  EXPECT_EQ(g.取多项式().取系数(), (系数表{1, 2}));
  EXPECT_EQ(g.加或减(式({1, 2})).取系数(), (系数表{0}));
}

TEST_F(PolynomialTest, ArithmeticFailures) {
  const 多项式类 外 = 多项式类(他域, {1, 2});
  EXPECT_REPORT(持({1, 2}).加或减(外), "GFP", "加或减", "GF256信息不相同");
  EXPECT_REPORT(持({1, 2}).多项式相乘(外), "GFP", "多项式相乘", "GF256信息不相同");
  // The field check comes before the shortcut for zero.
  EXPECT_REPORT(持({0}).加或减(外), "GFP", "加或减", "GF256信息不相同");
  EXPECT_REPORT(持({0}).多项式相乘(外), "GFP", "多项式相乘", "GF256信息不相同");
  EXPECT_REPORT(持({1, 2}).叠加单项式(-1, 1), "GFP", "叠加单项式", "维度小于0");
  EXPECT_REPORT(持({1, 2}).叠加单项式(-1, 0), "GFP", "叠加单项式", "维度小于0");
  EXPECT_REPORT(持({1, 2}).构造单项式(-1, 3), "GFP", "构造单项式", "度小于0");
  EXPECT_REPORT(持({1, 2}).构造单项式(-1, 0), "GFP", "构造单项式", "度小于0");
  // Without a held polynomial there is no operand to work on.
  const GFP 空;
  EXPECT_REPORT(空.加或减(式({1})), "无", "无", "无");
  EXPECT_REPORT(空.多项式相乘(式({1})), "无", "无", "无");
  EXPECT_REPORT(空.数乘(2), "无", "无", "无");
  EXPECT_REPORT(持({1}).加或减(多项式类()), "无", "无", "无");
}

TEST_F(PolynomialTest, DivisionGivesQuotientAndRemainder) {
  const auto r = 除({1, 3, 2}, {1, 1});
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].取系数(), (系数表{1, 2}));
  EXPECT_EQ(r[1].取系数(), (系数表{0}));

  const auto 低 = 除({5, 7}, {1, 2, 3});
  EXPECT_EQ(低[0].取系数(), (系数表{0}));
  EXPECT_EQ(低[1].取系数(), (系数表{5, 7}));

  const auto 零 = 除({0}, {1, 2});
  EXPECT_EQ(零[0].取系数(), (系数表{0}));
  EXPECT_EQ(零[1].取系数(), (系数表{0}));

  // By a constant: everything goes into the quotient.
  const auto 常 = 除({4, 6}, {2});
  EXPECT_EQ(常[0].取系数(), (系数表{2, 3}));
  EXPECT_EQ(常[1].取系数(), (系数表{0}));

  // x^3 + 1 by x^2: the remainder keeps its own leading zeros stripped.
  const auto 余 = 除({1, 0, 0, 1}, {1, 0, 0});
  EXPECT_EQ(余[0].取系数(), (系数表{1, 0}));
  EXPECT_EQ(余[1].取系数(), (系数表{1}));
}

TEST_F(PolynomialTest, DivisionAppendsToTheList) {
  GFPP 除法;
  除法.置被除式(持({1, 3, 2}));
  std::vector<多项式类> 结果{式({42})};
  除法.分离(式({1, 1}), 结果);
  ASSERT_EQ(结果.size(), 3u);
  EXPECT_EQ(结果[0].取系数(), (系数表{42}));
  EXPECT_EQ(结果[1].取系数(), (系数表{1, 2}));
  EXPECT_EQ(结果[2].取系数(), (系数表{0}));
  EXPECT_EQ(除法.取被除式().取多项式().取系数(), (系数表{1, 3, 2}));
}

TEST_F(PolynomialTest, DivisionIdentityHoldsForRandomPolynomials) {
  std::mt19937 随机(11);
  std::uniform_int_distribution<std::int32_t> 元素(0, 255);
  for (int n = 0; n < 300; ++n) {
    系数表 被除(static_cast<std::size_t>(1 + n % 40)), 除式(static_cast<std::size_t>(1 + n % 13));
    for (auto& v : 被除) v = 元素(随机);
    for (auto& v : 除式) v = 元素(随机);
    除式[0] = std::max(除式[0], 1);
    const auto r = 除(被除, 除式);
    const 多项式类& 商 = r[0];
    const 多项式类& 余 = r[1];
    ASSERT_TRUE(余.是否为零() || 余.取次数() < static_cast<std::int32_t>(除式.size()) - 1);
    for (std::int32_t x = 0; x < 256; ++x) {
      ASSERT_EQ(参考::乘(参考::求值(商.取系数(), x), 参考::求值(除式, x)) ^ 参考::求值(余.取系数(), x),
                参考::求值(被除, x));
    }
  }
}

TEST_F(PolynomialTest, DivisionFailures) {
  GFPP 除法;
  除法.置被除式(持({1, 3, 2}));
  std::vector<多项式类> 结果;
  EXPECT_REPORT(除法.分离(多项式类(他域, {1, 1}), 结果), "GFPP", "分离", "GF256不同");
  EXPECT_REPORT(除法.分离(式({0}), 结果), "GFPP", "分离", "除数为0");
  EXPECT_REPORT(除法.分离(多项式类(他域, {0}), 结果), "GFPP", "分离", "GF256不同");
  EXPECT_TRUE(结果.empty());
  const GFPP 无被除式;
  EXPECT_REPORT(无被除式.分离(式({1, 1}), 结果), "无", "无", "无");
}

}  // namespace
