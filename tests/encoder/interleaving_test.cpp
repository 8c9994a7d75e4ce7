#include <gtest/gtest.h>

#include <vector>

#include "encoder/byte_array_class.h"
#include "encoder_fixture.h"
#include "support/failure_capture.h"

namespace {

using Interleaving = 编码器测试;

位向量类 字节位(const std::vector<int>& 字节) {
  位向量类 位;
  for (const int b : 字节) 位.追加位组(b, 8);
  return 位;
}

std::vector<int> 序列(int n) {
  std::vector<int> v;
  for (int i = 0; i < n; ++i) v.push_back((i * 37 + 11) & 0xFF);
  return v;
}

std::vector<int> 内容(const 字节数组类& a) {
  std::vector<int> v;
  for (std::int32_t i = 1; i <= a.取长度(); ++i) v.push_back(a.取字节(i));
  return v;
}

字节数组类 数组(const std::vector<int>& v) {
  字节数组类 a;
  a.置长度(static_cast<std::int32_t>(v.size()));
  for (std::size_t i = 0; i < v.size(); ++i) a.置字节(static_cast<std::int32_t>(i + 1), v[i]);
  return a;
}

TEST_F(Interleaving, ErrorCorrectionBytesOfAKnownBlock) {
  const 字节数组类 数据 = 数组({32, 91, 11, 120, 209, 114, 220, 77, 67, 64, 236, 17, 236, 17, 236, 17});
  EXPECT_EQ(内容(编码器.生成容错字节(数据, 10)), (std::vector<int>{196, 35, 39, 119, 235, 215, 231, 226, 93, 23}));
}

TEST_F(Interleaving, BlockSizes) {
  struct 例 {
    std::int32_t T, D, B, id, 数据, 容错;
  };
  for (const 例 e : {例{134, 62, 4, 0, 15, 18}, 例{134, 62, 4, 1, 15, 18}, 例{134, 62, 4, 2, 16, 18},
                     例{134, 62, 4, 3, 16, 18}, 例{292, 232, 2, 0, 116, 30}, 例{292, 232, 2, 1, 116, 30},
                     例{26, 19, 1, 0, 19, 7}, 例{3706, 1276, 81, 19, 15, 30}, 例{3706, 1276, 81, 20, 16, 30}}) {
    std::int32_t d = -1;
    std::int32_t ec = -1;
    编码器.根据块ID取数据字节数和容错字节数(e.T, e.D, e.B, e.id, d, ec);
    EXPECT_EQ(d, e.数据) << e.T << "/" << e.id;
    EXPECT_EQ(ec, e.容错) << e.T << "/" << e.id;
  }
}

TEST_F(Interleaving, BlockNumberPastTheLastIsReported) {
  std::int32_t d = 0;
  std::int32_t ec = 0;
  EXPECT_REPORT(编码器.根据块ID取数据字节数和容错字节数(134, 62, 4, 4, d, ec), "编码类",
                "根据块ID取数据字节数和容错字节数", "无效值");
}

TEST_F(Interleaving, OneBlockIsDataThenErrorCorrectionUnchanged) {
  const std::vector<int> 数据 = {32, 91, 11, 120, 209, 114, 220, 77, 67, 64, 236, 17, 236, 17, 236, 17};
  位向量类 结果;
  编码器.交错容错字节(字节位(数据), 26, 16, 1, 结果);
  std::vector<int> 预期 = 数据;
  for (const int b : {196, 35, 39, 119, 235, 215, 231, 226, 93, 23}) 预期.push_back(b);
  EXPECT_EQ(码字(结果), 预期);
}

TEST_F(Interleaving, VersionFiveQReadsTheBlocksColumnByColumn) {
  const std::vector<int> 数据 = 序列(62);
  位向量类 结果;
  编码器.交错容错字节(字节位(数据), 134, 62, 4, 结果);
  const std::vector<int> 码 = 码字(结果);
  ASSERT_EQ(码.size(), 134u);

  // Blocks 0 and 1 hold 15 data codewords, blocks 2 and 3 hold 16.
  const std::vector<std::vector<int>> 块 = {{数据.begin(), 数据.begin() + 15},
                                            {数据.begin() + 15, 数据.begin() + 30},
                                            {数据.begin() + 30, 数据.begin() + 46},
                                            {数据.begin() + 46, 数据.end()}};
  std::vector<int> 预期;
  for (std::size_t i = 0; i < 16; ++i)
    for (const auto& b : 块)
      if (i < b.size()) 预期.push_back(b[i]);
  std::vector<std::vector<int>> 容错;
  for (const auto& b : 块) 容错.push_back(内容(编码器.生成容错字节(数组(b), 18)));
  for (std::size_t i = 0; i < 18; ++i)
    for (const auto& e : 容错) 预期.push_back(e[i]);
  EXPECT_EQ(码, 预期);
  EXPECT_EQ(码[60], 数据[45]);  // d2[16]
  EXPECT_EQ(码[61], 数据[61]);  // d3[16]
}

TEST_F(Interleaving, EqualBlocksWhenTheTotalDividesEvenly) {
  const std::vector<int> 数据 = 序列(232);
  位向量类 结果;
  编码器.交错容错字节(字节位(数据), 292, 232, 2, 结果);
  const std::vector<int> 码 = 码字(结果);
  ASSERT_EQ(码.size(), 292u);
  for (std::size_t i = 0; i < 116; ++i) {
    EXPECT_EQ(码[2 * i], 数据[i]);
    EXPECT_EQ(码[2 * i + 1], 数据[116 + i]);
  }
}

TEST_F(Interleaving, DataBitsThatAreNotDBytesAreReported) {
  位向量类 结果;
  EXPECT_REPORT(编码器.交错容错字节(字节位(序列(15)), 26, 16, 1, 结果), "编码类", "交错容错字节",
                "位数和数据字节数不匹配");
}

}  // namespace
