#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoder_fixture.h"
#include "qrcode/table_globals.h"
#include "support/failure_capture.h"
#include "tables/qr_code.h"

namespace {

using VersionFitting = 编码器测试;

const 容错级别类& 级别(char 字母) {
  switch (字母) {
    case 'M':
      return 容错级别表.M;
    case 'Q':
      return 容错级别表.Q;
    case 'H':
      return 容错级别表.H;
    default:
      return 容错级别表.L;
  }
}

TEST_F(VersionFitting, SmallestVersionWithRoomForTheDataAndThreeBytes) {
  struct 例 {
    char 级别;
    std::int32_t n, 版本号, 数据字节数;
  };
  const std::vector<例> 例子 = {
      {'L', 0, 1, 19},       {'L', 16, 1, 19},      {'L', 17, 2, 34},     {'M', 13, 1, 16},
      {'M', 14, 2, 28},      {'Q', 10, 1, 13},      {'Q', 11, 2, 22},     {'H', 6, 1, 9},
      {'H', 7, 2, 16},       {'L', 2953, 40, 2956}, {'M', 2331, 40, 2334}, {'Q', 1663, 40, 1666},
      {'H', 1273, 40, 1276},
  };
  const 模式类 字节 = 编码器.选择模式("a");
  for (const 例& e : 例子) {
    二维码类 记录;
    记录.重置();
    编码器.初始化二维码(e.n, 级别(e.级别), 字节, 记录);
    EXPECT_EQ(记录.取版本号(), e.版本号) << e.级别 << e.n;
    EXPECT_EQ(记录.取数据字节数(), e.数据字节数) << e.级别 << e.n;
    EXPECT_EQ(记录.取维长度(), 17 + 4 * e.版本号);
    EXPECT_EQ(记录.取容错级别().取名称(), std::string(1, e.级别));
    EXPECT_EQ(记录.取模式().取名称(), "字节");
  }
}

TEST_F(VersionFitting, CountsOfTheChosenVersion) {
  二维码类 记录;
  记录.重置();
  编码器.初始化二维码(50, 容错级别表.Q, 编码器.选择模式("1"), 记录);  // version 5-Q holds 62
  EXPECT_EQ(记录.取版本号(), 5);
  EXPECT_EQ(记录.取总字节数(), 134);
  EXPECT_EQ(记录.取数据字节数(), 62);
  EXPECT_EQ(记录.取容错字节数(), 72);
  EXPECT_EQ(记录.取块数(), 4);
  EXPECT_EQ(记录.取维长度(), 37);
  EXPECT_EQ(记录.取掩码(), -1);  // not this step's field
}

TEST_F(VersionFitting, OneByteBeyondVersionFortyIsReportedWithAnEmptyMessage) {
  const 模式类 字节 = 编码器.选择模式("a");
  for (const auto& [字母, n] : std::vector<std::pair<char, std::int32_t>>{{'L', 2954}, {'M', 2332}, {'Q', 1664}, {'H', 1274}}) {
    二维码类 记录;
    记录.重置();
    EXPECT_REPORT(编码器.初始化二维码(n, 级别(字母), 字节, 记录), "编码类", "初始化二维码", "");
  }
}

TEST_F(VersionFitting, TerminatorAndPadBytesOfASingleLetter) {
  位向量类 位;
  位.追加位组(0b0100'00000001'01100001, 20);
  编码器.结束数据位(19, 位);
  EXPECT_EQ(码字(位), (std::vector<int>{0x40, 0x16, 0x10, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC,
                                        0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11}));
  EXPECT_EQ(位.取长度(), 19 * 8);
}

TEST_F(VersionFitting, SingleDigitIsTerminatedThenAlignedWithTwoBits) {
  位向量类 位;
  位.追加位组(0b0001'0000000001'0001, 18);
  编码器.结束数据位(19, 位);
  EXPECT_EQ(位串(位).substr(0, 24), "0001" "0000000001" "0001" "0000" "00");
  EXPECT_EQ(码字(位)[3], 0xEC);
}

TEST_F(VersionFitting, TerminatorStopsAtTheCapacity) {
  位向量类 位;
  位.追加位组(0x1FFF, 14);  // two bits short of two bytes
  编码器.结束数据位(2, 位);
  EXPECT_EQ(位串(位), "0111111111111100");
}

TEST_F(VersionFitting, DataLongerThanTheCapacityIsReported) {
  位向量类 位;
  位.追加位组(0, 17);
  EXPECT_REPORT(编码器.结束数据位(2, 位), "编码类", "结束数据位", "数据无法填充");
}

TEST_F(VersionFitting, ByteSegmentOf271BytesFillsVersionTenExactly) {
  const std::string 文本(271, 'a');
  const 模式类 模式 = 编码器.选择模式(文本);
  位向量类 数据;
  编码器.追加数据字节(文本, 模式, 数据);
  二维码类 记录;
  记录.重置();
  编码器.初始化二维码(数据.取字节长度(), 容错级别表.L, 模式, 记录);
  ASSERT_EQ(记录.取版本号(), 10);
  ASSERT_EQ(记录.取数据字节数(), 274);

  位向量类 位;
  编码器.追加模式信息(模式, 位);
  编码器.追加长度信息(271, 10, 模式, 位);
  位向量子类 连接;
  连接.置位向量(位);
  连接.追加位向量(数据);
  位 = 连接.取位向量();
  EXPECT_EQ(位.取长度(), 4 + 16 + 2168);
  编码器.结束数据位(274, 位);
  EXPECT_EQ(位.取长度(), 2192);
  // The last codeword is the low half of the last 'a' and the terminator: no pad byte.
  EXPECT_EQ(码字(位).back(), 0x10);
}

}  // namespace
