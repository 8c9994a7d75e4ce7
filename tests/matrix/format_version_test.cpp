#include <gtest/gtest.h>

#include <bit>
#include <tuple>
#include <vector>

#include "matrix/matrix_builder.h"
#include "matrix/unsigned_shift.h"
#include "matrix_fixtures.h"
#include "support/failure_capture.h"

namespace {

std::int32_t 字值(const 位向量类& v) {
  std::int32_t w = 0;
  for (std::int32_t i = 0; i < v.取长度(); ++i) w = (w << 1) | v.取位值(i);
  return w;
}

// Long division over GF(2) on coefficient lists, highest power first: the
// remainder of data x^(deg g) by g, appended to the data.
std::int32_t 多项式除法码字(std::int32_t 数据, int 数据位数, const std::vector<int>& 生成式) {
  const int 次数 = static_cast<int>(生成式.size()) - 1;
  std::vector<int> r;
  for (int i = 数据位数 - 1; i >= 0; --i) r.push_back((数据 >> i) & 1);
  r.resize(r.size() + static_cast<std::size_t>(次数), 0);
  for (std::size_t i = 0; i + static_cast<std::size_t>(次数) < r.size(); ++i)
    if (r[i] == 1)
      for (std::size_t j = 0; j < 生成式.size(); ++j) r[i + j] ^= 生成式[j];
  std::int32_t 码字 = 数据;
  for (std::size_t i = static_cast<std::size_t>(数据位数); i < r.size(); ++i) 码字 = (码字 << 1) | r[i];
  return 码字;
}

// x^12 + x^11 + x^10 + x^9 + x^8 + x^5 + x^2 + 1
const std::vector<int> 版本生成式 = {1, 1, 1, 1, 1, 0, 0, 1, 0, 0, 1, 0, 1};
// x^10 + x^8 + x^5 + x^4 + x^2 + x + 1
const std::vector<int> 格式生成式 = {1, 0, 1, 0, 0, 1, 1, 0, 1, 1, 1};

TEST(BitRoutines, UnsignedShiftCountsAndBch) {
  EXPECT_EQ(无符号右移(-1, 1), 0x7FFFFFFF);
  EXPECT_EQ(无符号右移(-8, 0), -8);
  EXPECT_EQ(无符号右移(-8, 31), 1);
  EXPECT_EQ(无符号右移(12, 2), 3);
  EXPECT_EQ(矩阵应用类::取有效位数(0), 0);
  EXPECT_EQ(矩阵应用类::取有效位数(1), 1);
  EXPECT_EQ(矩阵应用类::取有效位数(0x537), 11);
  EXPECT_EQ(矩阵应用类::取有效位数(-1), 32);
  EXPECT_EQ(矩阵应用类::计算BCH码(0, 0x537), 0);
  EXPECT_EQ(矩阵应用类::计算BCH码(7, 0x1F25), 0xC94);
  EXPECT_EQ(矩阵应用类::计算BCH码(0x537, 0x537), 0);
  // Nothing divides by zero; the routine answers instead of looping.
  EXPECT_EQ(矩阵应用类::计算BCH码(5, 0), 0);
}

TEST(FormatInformation, WordsOfTheFourExamples) {
  const 矩阵应用类 b;
  const std::vector<std::tuple<char, int, std::int32_t, const char*>> 例 = {
      {'M', 0, 0x5412, "1,0,1,0,1,0,0,0,0,0,1,0,0,1,0"},
      {'L', 0, 0x77C4, "1,1,1,0,1,1,1,1,1,0,0,0,1,0,0"},
      {'Q', 7, 0x2BED, "0,1,0,1,0,1,1,1,1,1,0,1,1,0,1"},
      {'H', 7, 0x083B, "0,0,0,1,0,0,0,0,0,1,1,1,0,1,1"}};
  for (const auto& [字母, 掩码, 字, 文本] : 例) {
    位向量类 v;
    b.标记类型信息位(级别(字母), 掩码, v);
    EXPECT_EQ(v.取长度(), 15);
    EXPECT_EQ(字值(v), 字) << 字母 << 掩码;
    EXPECT_EQ(v.到字符串(), 文本);
  }
}

TEST(FormatInformation, AllThirtyTwoWordsMatchPolynomialDivision) {
  const 矩阵应用类 b;
  std::vector<std::int32_t> 字;
  for (const char 字母 : {'L', 'M', 'Q', 'H'}) {
    for (int 掩码 = 0; 掩码 < 8; ++掩码) {
      位向量类 v;
      b.标记类型信息位(级别(字母), 掩码, v);
      const std::int32_t 数据 = (级别(字母).取格式位() << 3) | 掩码;
      EXPECT_EQ(字值(v), 多项式除法码字(数据, 5, 格式生成式) ^ 0x5412) << 字母 << 掩码;
      字.push_back(字值(v));
    }
  }
  // A (15, 5) BCH code: any two words differ in at least 7 bits.
  for (std::size_t i = 0; i < 字.size(); ++i)
    for (std::size_t j = i + 1; j < 字.size(); ++j) EXPECT_GE(std::popcount(static_cast<unsigned>(字[i] ^ 字[j])), 7);
}

TEST(FormatInformation, InvalidMaskIsReported) {
  const 矩阵应用类 b;
  for (const int 掩码 : {8, -1}) {
    位向量类 v;
    EXPECT_REPORT(b.标记类型信息位(级别('L'), 掩码, v), "矩阵应用类", "标记类型信息位", "掩图无效");
  }
  字节矩阵类 m = 空矩阵(1);
  EXPECT_REPORT(b.插入类型信息(级别('L'), 9, m), "矩阵应用类", "标记类型信息位", "掩图无效");
}

TEST(FormatInformation, BothCopiesLandLeastSignificantBitFirst) {
  const 矩阵应用类 b;
  for (const int v : {1, 7}) {
    字节矩阵类 m = 空矩阵(v);
    b.插入类型信息(级别('L'), 0, m);
    const int w = 维长度(v);
    EXPECT_EQ(m.取单元值(8, 0), 0);
    EXPECT_EQ(m.取单元值(w - 1, 8), 0);
    EXPECT_EQ(m.取单元值(0, 8), 1);
    EXPECT_EQ(m.取单元值(8, w - 1), 1);
    // Bit k (0 = least significant) of 0x77C4 in both copies.
    const std::vector<std::pair<int, int>> 第一份 = {{8, 0}, {8, 1}, {8, 2}, {8, 3}, {8, 4}, {8, 5}, {8, 7}, {8, 8},
                                                   {7, 8}, {5, 8}, {4, 8}, {3, 8}, {2, 8}, {1, 8}, {0, 8}};
    for (int k = 0; k < 15; ++k) {
      const int 位 = (0x77C4 >> k) & 1;
      EXPECT_EQ(m.取单元值(第一份[k].first, 第一份[k].second), 位) << k;
      if (k < 8) {
        EXPECT_EQ(m.取单元值(w - 1 - k, 8), 位) << k;
      } else {
        EXPECT_EQ(m.取单元值(8, w - 15 + k), 位) << k;
      }
    }
    // 15 + 15 cells written and nothing else; (8, W - 8) is left to the dark module.
    EXPECT_EQ(计数(m, 255), w * w - 30);
    EXPECT_EQ(m.取单元值(8, w - 8), 255);
  }
}

TEST(FormatInformation, OverwritesWhateverTheCellsHeld) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(1);
  m.清除(1);
  b.插入类型信息(级别('M'), 0, m);
  EXPECT_EQ(m.取单元值(8, 0), 0);
  EXPECT_EQ(m.取单元值(20, 8), 0);
}

TEST(VersionInformation, WordsOfVersions7And40) {
  const 矩阵应用类 b;
  位向量类 v7;
  b.标记版本信息位(7, v7);
  EXPECT_EQ(v7.到字符串(), "0,0,0,1,1,1,1,1,0,0,1,0,0,1,0,1,0,0");
  EXPECT_EQ(字值(v7), 0x07C94);
  位向量类 v40;
  b.标记版本信息位(40, v40);
  EXPECT_EQ(字值(v40), 0x28C69);
}

TEST(VersionInformation, Versions7To40MatchPolynomialDivision) {
  const 矩阵应用类 b;
  for (int 版本 = 7; 版本 <= 40; ++版本) {
    位向量类 v;
    b.标记版本信息位(版本, v);
    ASSERT_EQ(v.取长度(), 18);
    EXPECT_EQ(字值(v), 多项式除法码字(版本, 6, 版本生成式)) << 版本;
  }
}

TEST(VersionInformation, AVectorThatWasNotEmptyIsReported) {
  const 矩阵应用类 b;
  位向量类 v;
  v.追加位(1);
  EXPECT_REPORT(b.标记版本信息位(7, v), "矩阵应用类", "标记版本信息位", "版本信息不为18位");
}

TEST(VersionInformation, Version7BlocksLandInBothCorners) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(7);
  b.插入版本信息(7, m);
  EXPECT_EQ(计数(m, 255), 45 * 45 - 36);
  int k = 0;
  for (int i = 0; i <= 5; ++i)
    for (int j = 0; j <= 2; ++j, ++k) {
      const int 位 = (0x07C94 >> k) & 1;
      EXPECT_EQ(m.取单元值(i, 34 + j), 位) << i << "," << j;
      EXPECT_EQ(m.取单元值(34 + j, i), 位) << i << "," << j;
    }
  // The last bit of the word at (0, 34), the first at (5, 36).
  EXPECT_EQ(m.取单元值(0, 34), 0);
  EXPECT_EQ(m.取单元值(5, 36), 0);
  EXPECT_EQ(m.取单元值(0, 36), 1);
}

TEST(VersionInformation, Version6GetsNone) {
  const 矩阵应用类 b;
  字节矩阵类 m = 空矩阵(6);
  b.插入版本信息(6, m);
  EXPECT_EQ(计数(m, 255), 41 * 41);
}

}  // namespace
