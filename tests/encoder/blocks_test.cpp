#include <gtest/gtest.h>

#include "encoder/byte_array_class.h"
#include "encoder/data_block.h"

namespace {

字节集 字节们(const 字节数组类& a) {
  字节集 b;
  for (std::int32_t i = 1; i <= a.取长度(); ++i) b.push_back(static_cast<std::uint8_t>(a.取字节(i)));
  return b;
}

TEST(ByteArray, LengthSetAndGetAreOneBased) {
  字节数组类 a;
  EXPECT_TRUE(a.是否为空());
  a.置长度(3);
  EXPECT_FALSE(a.是否为空());
  EXPECT_EQ(字节们(a), (字节集{0, 0, 0}));
  a.置字节(1, 0x1FF);
  a.置字节(3, 7);
  EXPECT_EQ(字节们(a), (字节集{255, 0, 7}));
  a.置长度(0);
  EXPECT_TRUE(a.是否为空());
}

TEST(ByteArray, CutTakesCountBytesFromZeroBasedOffset) {
  const 字节集 源{10, 11, 12, 13, 14};
  字节数组类 a;
  a.截取字节(源, 1, 3);
  EXPECT_EQ(a.取长度(), 3);
  EXPECT_EQ(字节们(a), (字节集{11, 12, 13}));
  a.截取字节(源, 5, 0);
  EXPECT_TRUE(a.是否为空());
}

TEST(ByteArray, SetAppendAndReserve) {
  字节数组类 a;
  a.置字节集({1, 2});
  a.预留(10);
  a.添加字节(0x103);
  EXPECT_EQ(a.取长度(), 3);
  EXPECT_EQ(a.取字节集(), (字节集{1, 2, 3}));
}

TEST(DataBlock, GettersReturnCopies) {
  字节数组类 数据;
  数据.置字节集({1, 2, 3});
  字节数组类 容错;
  容错.置字节集({9});
  数据块类 块;
  块.置值(数据, 容错);
  数据.置字节(1, 100);  // the block holds its own copy
  字节数组类 取出 = 块.取数据字节();
  EXPECT_EQ(取出.取字节集(), (字节集{1, 2, 3}));
  取出.置字节(2, 50);
  EXPECT_EQ(块.取数据字节().取字节(2), 2);
  EXPECT_EQ(块.取容错字节().取字节集(), (字节集{9}));
}

}  // namespace
