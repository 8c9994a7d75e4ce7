#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoder_fixture.h"
#include "support/failure_capture.h"
#include "tables/mode.h"

namespace {

using DataEncoding = 编码器测试;

// Mode indicator, count and data bits of one segment at a version.
std::string 段(编码类& 编码器, const std::string& 文本, std::int32_t 版本号) {
  const 模式类 模式 = 编码器.选择模式(文本);
  位向量类 数据;
  编码器.追加数据字节(文本, 模式, 数据);
  位向量类 头;
  编码器.追加模式信息(模式, 头);
  const std::int32_t 数目 = 模式.取名称() == "字节" ? 数据.取字节长度() : static_cast<std::int32_t>(文本.size());
  编码器.追加长度信息(数目, 版本号, 模式, 头);
  return 位串(头) + "|" + 位串(数据);
}

TEST_F(DataEncoding, SegmentBitsOfTheWorkedExamples) {
  EXPECT_EQ(段(编码器, "0123456789", 1), "0001" "0000001010|" "0000001100" "0101011001" "1010100110" "1001");
  EXPECT_EQ(段(编码器, "AC-42", 1), "0010" "000000101|" "00111001110" "11100111001" "000010");
  EXPECT_EQ(段(编码器, "a", 1), "0100" "00000001|" "01100001");
  EXPECT_EQ(段(编码器, "1", 1), "0001" "0000000001|" "0001");
  EXPECT_EQ(段(编码器, "12", 1), "0001" "0000000010|" "0001100");
}

TEST_F(DataEncoding, ModeChoice) {
  struct 例 {
    std::string 文本;
    std::string 模式;
  };
  const std::vector<例> 例子 = {
      {"0123456789", "数字"},
      {"1A", "字母数字"},
      {"a1", "字节"},
      {"12 ", "字母数字"},
      {"HTTP://X.CN/$%*+-.:", "字母数字"},
      {"ABC", "字母数字"},
      {"", "字节"},
      {"12\t", "字节"},
      {std::string("1\x80"), "字节"},
      {"中文", "字节"},
      {"A中", "字节"},
      {"{", "字节"},
  };
  for (const 例& e : 例子) {
    const 模式类 模式 = 编码器.选择模式(e.文本);
    EXPECT_EQ(模式.取名称(), e.模式) << e.文本;
    EXPECT_EQ(模式.取模式位(), e.模式 == "数字" ? 1 : e.模式 == "字母数字" ? 2 : 4) << e.文本;
  }
}

TEST_F(DataEncoding, AlphanumericTable) {
  struct 例 {
    std::int32_t 代码, 值;
  };
  for (const 例 e : {例{'0', 0}, 例{'9', 9}, 例{'A', 10}, 例{'Z', 35}, 例{' ', 36}, 例{'$', 37}, 例{'%', 38},
                     例{'*', 39}, 例{'+', 40}, 例{'-', 41}, 例{'.', 42}, 例{'/', 43}, 例{':', 44}, 例{'a', -1},
                     例{'#', -1}, 例{0, -1}, 例{95, -1}, 例{96, -1}, 例{-1, -1}, 例{-128, -1}, 例{200, -1}}) {
    EXPECT_EQ(编码器.取字母数字代码(e.代码), e.值) << e.代码;
  }
}

TEST_F(DataEncoding, ByteModeCountsUtf8BytesOfChineseText) {
  // Two GBK characters, four bytes, become six UTF-8 bytes.
  const std::string 文本 = "中文";
  位向量类 数据;
  编码器.追加八位字节(文本, 数据);
  EXPECT_EQ(数据.取字节长度(), 6);
  EXPECT_EQ(码字(数据), (std::vector<int>{0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87}));
  EXPECT_EQ(段(编码器, 文本, 1).substr(0, 13), "0100" "00000110|");
}

TEST_F(DataEncoding, EmptyTextIsAByteSegmentOfCountZero) {
  EXPECT_EQ(段(编码器, "", 1), "0100" "00000000|");
}

TEST_F(DataEncoding, TextThatIsNotGbkIsRefusedNotEncodedAsNothing) {
  for (const std::string& 文本 : {std::string("\xFF"), std::string("ab\x81"), std::string("\x81\x20")}) {
    位向量类 数据;
    EXPECT_REPORT(编码器.追加八位字节(文本, 数据), "编码类", "追加八位字节", "文本无法转换为UTF-8");
    EXPECT_EQ(数据.取长度(), 0);
  }
}

TEST_F(DataEncoding, CountWidthStepsAtVersionsTenAndTwentySeven) {
  struct 例 {
    std::string 模式文本;  // a text of that mode
    std::int32_t 版本号;
    std::int32_t 位数;
  };
  for (const 例& e : {例{"1", 9, 10}, 例{"1", 10, 12}, 例{"1", 26, 12}, 例{"1", 27, 14}, 例{"1", 40, 14},
                     例{"A", 9, 9}, 例{"A", 10, 11}, 例{"A", 27, 13}, 例{"a", 9, 8}, 例{"a", 10, 16},
                     例{"a", 27, 16}, 例{"a", 40, 16}}) {
    位向量类 头;
    编码器.追加长度信息(5, e.版本号, 编码器.选择模式(e.模式文本), 头);
    EXPECT_EQ(头.取长度(), e.位数) << e.模式文本 << " v" << e.版本号;
    EXPECT_EQ(位串(头).substr(static_cast<std::size_t>(e.位数 - 3)), "101");
  }
}

TEST_F(DataEncoding, CountThatDoesNotFitItsWidthIsReported) {
  const 模式类 字节 = 编码器.选择模式("a");
  位向量类 头;
  编码器.追加长度信息(255, 9, 字节, 头);
  EXPECT_EQ(位串(头), "11111111");
  EXPECT_REPORT(编码器.追加长度信息(256, 9, 字节, 头), "编码类", "追加长度信息", "要添加信息过多");
  EXPECT_REPORT(编码器.追加长度信息(1024, 1, 编码器.选择模式("1"), 头), "编码类", "追加长度信息",
                "要添加信息过多");
}

TEST_F(DataEncoding, AlphanumericAppenderRefusesBytesWithoutACode) {
  位向量类 位;
  EXPECT_REPORT(编码器.追加字母数字字节("Ab", 位), "编码类", "追加字母数字字节", "无效值");
  EXPECT_REPORT(编码器.追加字母数字字节("a", 位), "编码类", "追加字母数字字节", "无效值");
}

TEST_F(DataEncoding, DataAppenderDispatchesOnTheModeName) {
  位向量类 位;
  编码器.追加数据字节("12", 编码器.选择模式("A"), 位);  // alphanumeric: 45 * 1 + 2
  EXPECT_EQ(位串(位), "00000101111");
}

}  // namespace
