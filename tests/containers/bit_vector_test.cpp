#include <gtest/gtest.h>

#include "containers/bit_vector.h"
#include "support/failure_capture.h"

namespace {

std::vector<int> 位列(const 位向量类& v) {
  std::vector<int> bits;
  for (int i = 0; i < v.取长度(); ++i) bits.push_back(v.取位值(i));
  return bits;
}

TEST(BitVector, NewVectorIsEmptyWith32ZeroBytes) {
  const 位向量类 v;
  EXPECT_EQ(v.取长度(), 0);
  EXPECT_EQ(v.取字节长度(), 0);
  EXPECT_EQ(v.取字节数组(), 字节集(32, 0));
  EXPECT_EQ(v.到字符串(), "");
}

TEST(BitVector, AppendBitsGroupsAndBytes) {
  位向量类 v;
  v.追加位组(5, 3);
  EXPECT_EQ(位列(v), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(v.到字符串(), "1,0,1");
  v.追加位组(0x7FFFFFFF, 0);
  v.追加位组(-1, 33);
  v.追加位组(-1, -1);
  EXPECT_EQ(v.取长度(), 3);
  v.追加位组(-1, 32);
  EXPECT_EQ(v.取长度(), 35);
  EXPECT_EQ(v.取字节长度(), 5);
  EXPECT_EQ(v.取字节数组()[0], 0xBF);
}

TEST(BitVector, WholeBytesOnABoundaryThenSingleBits) {
  位向量类 v;
  v.追加位组(0x5412, 15);
  EXPECT_EQ(v.到字符串(), "1,0,1,0,1,0,0,0,0,0,1,0,0,1,0");
  EXPECT_EQ(v.取字节数组()[0], 0xA8);
  EXPECT_EQ(v.取字节数组()[1], 0x24);
}

TEST(BitVector, AppendBitAtLength13SetsBit2OfByte1) {
  位向量类 v;
  v.追加位组(0, 13);
  v.追加位(1);
  EXPECT_EQ(v.取长度(), 14);
  EXPECT_EQ(v.取字节数组()[1], 4);
}

TEST(BitVector, StorageDoublesAndBitsSurvive) {
  位向量类 v;
  std::vector<std::size_t> sizes;
  for (int i = 0; i < 257; ++i) {
    v.追加位组(i * 37, 8);
    if (sizes.empty() || sizes.back() != v.取字节数组().size()) sizes.push_back(v.取字节数组().size());
  }
  EXPECT_EQ(sizes, (std::vector<std::size_t>{32, 64, 128, 256, 512}));
  for (int i = 0; i < 257; ++i) {
    int byte = 0;
    for (int b = 0; b < 8; ++b) byte = byte << 1 | v.取位值(i * 8 + b);
    ASSERT_EQ(byte, (i * 37) & 0xFF) << i;
  }
  v.清空();
  EXPECT_EQ(v.取长度(), 0);
  EXPECT_EQ(v.取字节数组(), 字节集(32, 0));
}

TEST(BitVector, AppendByteNeedsNoBoundaryCheckOfItsValue) {
  位向量类 v;
  v.追加字节(0x1FF);
  EXPECT_EQ(v.取字节数组()[0], 0xFF);
  EXPECT_EQ(v.取长度(), 8);
}

TEST(BitVector, SetStorageKeepsLength) {
  位向量类 v;
  v.追加位组(0, 4);
  v.置字节数组(字节集{0xF0, 0x00});
  EXPECT_EQ(v.取长度(), 4);
  EXPECT_EQ(v.到字符串(), "1,1,1,1");
  EXPECT_EQ(v.取字节数组().size(), 2u);
}

TEST(BitVector, Failures) {
  位向量类 v;
  v.追加位组(1, 3);
  EXPECT_REPORT(v.取位值(3), "位向量类", "取位值", "索引超限");
  EXPECT_REPORT(v.取位值(-1), "位向量类", "取位值", "索引超限");
  EXPECT_REPORT(v.追加位(2), "位向量类", "追加位", "位数据只能是0或1");
  EXPECT_EQ(v.取长度(), 3);
}

TEST(BitVectorSubclass, JoinsVectorsBitByBit) {
  位向量类 头;
  头.追加位组(0b0100, 4);
  位向量类 数据;
  数据.追加位组(0xABCD, 16);
  数据.追加位组(1, 1);
  位向量子类 s;
  s.置位向量(头);
  s.追加位向量(数据);
  const 位向量类 合 = s.取位向量();
  EXPECT_EQ(合.取长度(), 21);
  EXPECT_EQ(合.到字符串(), "0,1,0,0,1,0,1,0,1,0,1,1,1,1,0,0,1,1,0,1,1");
  // The inherited part of the object is untouched.
  EXPECT_EQ(s.取长度(), 0);

  // On a byte boundary whole bytes go in; the result is the same bits.
  位向量子类 t;
  t.追加位向量(数据);
  EXPECT_EQ(t.取位向量().到字符串(), 数据.到字符串());
  EXPECT_EQ(t.取位向量().取字节数组(), 数据.取字节数组());
}

TEST(BitVectorSubclass, XorOf15BitVectors) {
  位向量类 a;
  a.追加位组(0b101100111000111, 15);
  位向量类 b;
  b.追加位组(0x5412, 15);
  位向量子类 s;
  s.置位向量(a);
  const 位向量类 r = s.异或(b);
  EXPECT_EQ(r.取长度(), 15);
  位向量类 期望;
  期望.追加位组(0b101100111000111 ^ 0x5412, 15);
  EXPECT_EQ(r.到字符串(), 期望.到字符串());
  EXPECT_EQ(s.取位向量().到字符串(), 期望.到字符串());
}

TEST(BitVectorSubclass, XorOfDifferentLengthsIsReported) {
  位向量类 a;
  a.追加位组(1, 3);
  位向量类 b;
  b.追加位组(1, 4);
  位向量子类 s;
  s.置位向量(a);
  EXPECT_REPORT(s.异或(b), "位向量子类", "异或", "两个位向量长度不同，不能做异或运算。");
}

TEST(BitVectorSubclass, InheritedFailuresNameTheBaseClass) {
  位向量子类 s;
  EXPECT_REPORT(s.取位值(0), "位向量类", "取位值", "索引超限");
}

TEST(BitVectorSubclass, CopiesAreDeep) {
  位向量子类 s;
  位向量类 a;
  a.追加位(1);
  s.置位向量(a);
  位向量子类 copy = s;
  copy.追加位向量(a);
  EXPECT_EQ(s.取位向量().取长度(), 1);
  EXPECT_EQ(copy.取位向量().取长度(), 2);
}

}  // namespace
