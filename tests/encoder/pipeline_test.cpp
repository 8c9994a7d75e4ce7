#include <gtest/gtest.h>

#include <string>

#include "encoder/character_split.h"
#include "encoder_fixture.h"
#include "matrix/mask_selection.h"
#include "matrix/matrix_builder.h"
#include "qrcode/table_globals.h"
#include "support/failure_capture.h"
#include "tables/qr_code.h"

namespace {

using Pipeline = 编码器测试;

// The final codewords of a text, built step by step.
位向量类 最终码字(编码类& 编码器, const std::string& 文本, const 容错级别类& 级别, 二维码类& 记录) {
  const 模式类 模式 = 编码器.选择模式(文本);
  位向量类 数据;
  编码器.追加数据字节(文本, 模式, 数据);
  编码器.初始化二维码(数据.取字节长度(), 级别, 模式, 记录);
  位向量子类 连接;
  位向量类 头;
  编码器.追加模式信息(模式, 头);
  const std::int32_t 数目 = 模式.取名称() == "字节" ? 数据.取字节长度() : static_cast<std::int32_t>(分割字符(文本).size());
  编码器.追加长度信息(数目, 记录.取版本号(), 模式, 头);
  连接.置位向量(头);
  连接.追加位向量(数据);
  头 = 连接.取位向量();
  编码器.结束数据位(记录.取数据字节数(), 头);
  位向量类 最终;
  编码器.交错容错字节(头, 记录.取总字节数(), 记录.取数据字节数(), 记录.取块数(), 最终);
  return 最终;
}

// Every field of a version-1 symbol at level L.
void 期望版本1级别L(const 二维码类& 记录, const std::string& 模式) {
  EXPECT_EQ(记录.取版本号(), 1);
  EXPECT_EQ(记录.取模式().取名称(), 模式);
  EXPECT_EQ(记录.取容错级别().取名称(), "L");
  EXPECT_EQ(记录.取维长度(), 21);
  EXPECT_EQ(记录.取总字节数(), 26);
  EXPECT_EQ(记录.取数据字节数(), 19);
  EXPECT_EQ(记录.取容错字节数(), 7);
  EXPECT_EQ(记录.取块数(), 1);
  EXPECT_TRUE(二维码类::是否有效掩码(记录.取掩码()));
  EXPECT_EQ(记录.矩阵().取宽度(), 21);
  EXPECT_EQ(记录.矩阵().取高度(), 21);
}

TEST_F(Pipeline, SingleLetterAtLevelL) {
  二维码类 记录;
  记录.重置();
  编码器.编码("a", 容错级别表.L, 记录);
  期望版本1级别L(记录, "字节");
  EXPECT_TRUE(记录.是否有效());
}

TEST_F(Pipeline, DigitsAtLevelM) {
  二维码类 记录;
  记录.重置();
  编码器.编码("0123456789", 容错级别表.M, 记录);
  EXPECT_EQ(记录.取模式().取名称(), "数字");
  EXPECT_EQ(记录.取版本号(), 1);
  EXPECT_EQ(记录.取容错级别().取名称(), "M");
}

TEST_F(Pipeline, RecordHoldsTheSelectedMaskAndItsMatrix) {
  for (const std::string& 文本 : {std::string("a"), std::string("HELLO WORLD"), std::string("二维码测试 0123"), std::string(300, '7')}) {
    二维码类 记录;
    记录.重置();
    编码器.编码(文本, 容错级别表.Q, 记录);

    二维码类 对照;
    对照.重置();
    const 位向量类 最终 = 最终码字(编码器, 文本, 容错级别表.Q, 对照);
    字节矩阵类 工作;
    工作.置尺寸(对照.取维长度(), 对照.取维长度());
    const std::int32_t 掩码 = 选择掩码(最终, 容错级别表.Q, 对照.取版本号(), 工作);
    EXPECT_EQ(记录.取掩码(), 掩码) << 文本;
    字节矩阵类 预期;
    预期.置尺寸(对照.取维长度(), 对照.取维长度());
    矩阵应用类().构建矩阵(最终, 容错级别表.Q, 对照.取版本号(), 掩码, 预期);
    EXPECT_TRUE(记录.矩阵() == 预期) << 文本;

    for (const std::uint8_t 值 : 记录.矩阵().单元().单元) ASSERT_TRUE(值 == 0 || 值 == 1) << 文本;
  }
}

TEST_F(Pipeline, SecondTextReplacesEveryField) {
  二维码类 记录;
  记录.重置();
  编码器.编码(std::string(400, 'x'), 容错级别表.H, 记录);
  ASSERT_GT(记录.取版本号(), 10);
  编码器.编码("1", 容错级别表.L, 记录);
  期望版本1级别L(记录, "数字");
}

TEST_F(Pipeline, InvalidTextBuildsNoSymbol) {
  二维码类 记录;
  记录.重置();
  EXPECT_REPORT(编码器.编码(std::string("ok\xFF"), 容错级别表.L, 记录), "编码类", "追加八位字节",
                "文本无法转换为UTF-8");
  EXPECT_FALSE(记录.是否有效());
  EXPECT_EQ(记录.取版本号(), -1);
}

TEST_F(Pipeline, TooLongForVersionFortyIsReported) {
  二维码类 记录;
  记录.重置();
  EXPECT_REPORT(编码器.编码(std::string(1274, 'x'), 容错级别表.H, 记录), "编码类", "初始化二维码", "");
}

}  // namespace
