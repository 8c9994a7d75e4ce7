#include <gtest/gtest.h>

#include <random>

#include "qrcode/field_global.h"
#include "reedsolomon/rs_encoder.h"
#include "reference_field.h"
#include "support/failure_capture.h"

namespace {

using 码字表 = std::vector<std::int32_t>;

// The encoder takes only the module field, so it is built for these tests
// as module start-up builds it.
class RsEncoderTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { 二维码域.置本原多项式(285); }
  static void TearDownTestSuite() { 二维码域 = GF256(); }

  static RS编码器类 新编码器() {
    RS编码器类 编码器;
    编码器.RS编码器(二维码域);
    return 编码器;
  }
  // The caller's way: data, then room for the EC codewords.
  static 码字表 容错码字(const 码字表& 数据, std::int32_t 容错数) {
    码字表 块(数据);
    块.resize(数据.size() + static_cast<std::size_t>(容错数), 0);
    新编码器().编码(块, 容错数);
    EXPECT_TRUE(std::equal(数据.begin(), 数据.end(), 块.begin()));
    return 码字表(块.begin() + static_cast<std::ptrdiff_t>(数据.size()), 块.end());
  }
};

TEST_F(RsEncoderTest, GeneratorPolynomials) {
  RS编码器类 编码器 = 新编码器();
  EXPECT_EQ(编码器.建立生成多项式(0).取系数(), (码字表{1}));
  EXPECT_EQ(编码器.建立生成多项式(1).取系数(), (码字表{1, 1}));
  EXPECT_EQ(编码器.建立生成多项式(2).取系数(), (码字表{1, 3, 2}));
  const 多项式类 七 = 编码器.建立生成多项式(7);
  EXPECT_EQ(七.取系数(), (码字表{1, 127, 122, 154, 164, 11, 68, 117}));
  码字表 对数;
  for (const std::int32_t c : 七.取系数()) 对数.push_back(二维码域.对数(c));
  EXPECT_EQ(对数, (码字表{0, 87, 229, 146, 149, 238, 102, 21}));
  // Asked out of order, the same generators come back.
  EXPECT_EQ(新编码器().建立生成多项式(7).取系数(), 七.取系数());
  EXPECT_EQ(编码器.建立生成多项式(2).取系数(), (码字表{1, 3, 2}));
}

TEST_F(RsEncoderTest, GeneratorsHaveTheirRootsAtTheFirstPowersOfAlpha) {
  RS编码器类 编码器 = 新编码器();
  for (std::int32_t e = 1; e <= 68; ++e) {
    const 码字表 g = 编码器.建立生成多项式(e).取系数();
    ASSERT_EQ(g.size(), static_cast<std::size_t>(e) + 1);
    EXPECT_EQ(g[0], 1);
    for (std::int32_t i = 0; i < e; ++i) ASSERT_EQ(参考::求值(g, 参考::alpha幂(i)), 0) << e << " " << i;
    EXPECT_NE(参考::求值(g, 参考::alpha幂(e)), 0);
  }
}

TEST_F(RsEncoderTest, KnownBlock) {
  EXPECT_EQ(容错码字({32, 91, 11, 120, 209, 114, 220, 77, 67, 64, 236, 17, 236, 17, 236, 17}, 10),
            (码字表{196, 35, 39, 119, 235, 215, 231, 226, 93, 23}));
}

TEST_F(RsEncoderTest, ZeroAndLeadingZeroData) {
  EXPECT_EQ(容错码字({0, 0, 0, 0}, 7), 码字表(7, 0));
  EXPECT_EQ(容错码字({0, 0, 1}, 5), (码字表{31, 198, 63, 147, 116}));
  EXPECT_EQ(容错码字({1}, 5), (码字表{31, 198, 63, 147, 116}));
}

TEST_F(RsEncoderTest, OldContentOfTheRoomIsOverwritten) {
  码字表 块{0, 0, 1, 9, 9, 9, 9, 9};
  新编码器().编码(块, 5);
  EXPECT_EQ(块, (码字表{0, 0, 1, 31, 198, 63, 147, 116}));
  码字表 零块{0, 0, 7, 7, 7};
  新编码器().编码(零块, 3);
  EXPECT_EQ(零块, (码字表{0, 0, 0, 0, 0}));
}

TEST_F(RsEncoderTest, OneEncoderServesSeveralBlocks) {
  RS编码器类 编码器 = 新编码器();
  码字表 甲{32, 91, 11, 120, 209, 114, 220, 77, 67, 64, 236, 17, 236, 17, 236, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  码字表 乙{1, 0, 0, 0, 0, 0};
  编码器.编码(甲, 10);
  编码器.编码(乙, 5);
  EXPECT_EQ(码字表(甲.begin() + 16, 甲.end()), (码字表{196, 35, 39, 119, 235, 215, 231, 226, 93, 23}));
  EXPECT_EQ(乙, (码字表{1, 31, 198, 63, 147, 116}));
}

// A second RS编码器 starts the generator list afresh instead of adding a
// second [1], which would give every later generator one degree too few.
TEST_F(RsEncoderTest, SettingTheFieldAgainKeepsTheGenerators) {
  RS编码器类 编码器 = 新编码器();
  编码器.RS编码器(二维码域);
  EXPECT_EQ(编码器.建立生成多项式(1).取系数(), (码字表{1, 1}));
  码字表 块{1, 0, 0, 0, 0, 0};
  编码器.编码(块, 5);
  EXPECT_EQ(块, (码字表{1, 31, 198, 63, 147, 116}));
}

TEST_F(RsEncoderTest, Failures) {
  RS编码器类 编码器;
  GF256 他域;
  他域.置本原多项式(301);
  EXPECT_REPORT(编码器.RS编码器(他域), "RS编码器类", "RS编码器", "GF标识不相同");
  EXPECT_REPORT(编码器.RS编码器(GF256()), "RS编码器类", "RS编码器", "GF标识不相同");

  RS编码器类 可用 = 新编码器();
  码字表 有数据{1, 2, 3};
  EXPECT_REPORT(可用.编码(有数据, 0), "RS编码器类", "编码", "没有容错字节");
  EXPECT_REPORT(可用.编码(有数据, -2), "RS编码器类", "编码", "没有容错字节");
  码字表 无数据(4, 0);
  EXPECT_REPORT(可用.编码(无数据, 4), "RS编码器类", "编码", "未提供数据字节");
  EXPECT_REPORT(可用.编码(无数据, 9), "RS编码器类", "编码", "未提供数据字节");
  码字表 空;
  EXPECT_REPORT(可用.编码(空, 0), "RS编码器类", "编码", "没有容错字节");
  EXPECT_EQ(有数据, (码字表{1, 2, 3}));
}

TEST_F(RsEncoderTest, MisuseReportsWithoutARecord) {
  码字表 非元素{1, 256, 0, 0};
  EXPECT_REPORT(新编码器().编码(非元素, 2), "无", "无", "无");
  码字表 负{-1, 0, 0};
  EXPECT_REPORT(新编码器().编码(负, 2), "无", "无", "无");
  RS编码器类 未启用;
  码字表 块{1, 0, 0};
  EXPECT_REPORT(未启用.编码(块, 2), "无", "无", "无");
  EXPECT_REPORT(新编码器().建立生成多项式(-1), "无", "无", "无");
}

// data·x^e + EC must be a multiple of the generator, so it vanishes at
// alpha^0..alpha^(e-1); checked with arithmetic that uses no table.
TEST_F(RsEncoderTest, CodewordsOfRandomBlocksVanishAtTheGeneratorRoots) {
  std::mt19937 随机(2024);
  std::uniform_int_distribution<std::int32_t> 容错(2, 30), 数据长(1, 153), 元素(0, 255);
  for (int n = 0; n < 400; ++n) {
    const std::int32_t e = 容错(随机);
    码字表 数据(static_cast<std::size_t>(数据长(随机)));
    for (auto& v : 数据) v = 元素(随机);
    if (n % 10 == 0) 数据[0] = 0;
    码字表 块(数据);
    块.resize(数据.size() + static_cast<std::size_t>(e), 0);
    新编码器().编码(块, e);
    ASSERT_TRUE(std::equal(数据.begin(), 数据.end(), 块.begin()));
    for (std::size_t i = 数据.size(); i < 块.size(); ++i) ASSERT_LE(static_cast<std::uint32_t>(块[i]), 255u);
    for (std::int32_t i = 0; i < e; ++i) {
      ASSERT_EQ(参考::求值(块, 参考::alpha幂(i)), 0) << "block " << n << ", e = " << e << ", root " << i;
    }
  }
}

}  // namespace
