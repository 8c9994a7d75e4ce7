#include <gtest/gtest.h>

#include "support/failure_capture.h"
#include "tables/qr_code.h"

namespace {

using 整数置值 = void (二维码类::*)(std::int32_t);
constexpr 整数置值 七个置值[] = {&二维码类::置版本号,   &二维码类::置维长度,     &二维码类::置掩码,
                                 &二维码类::置总字节数, &二维码类::置数据字节数, &二维码类::置容错字节数,
                                 &二维码类::置块数};

TEST(SymbolRecord, NewRecordHoldsZerosAndIsValid) {
  const 二维码类 记录;
  EXPECT_EQ(记录.取版本号(), 0);
  EXPECT_EQ(记录.取维长度(), 0);
  EXPECT_EQ(记录.取掩码(), 0);
  EXPECT_EQ(记录.取总字节数(), 0);
  EXPECT_EQ(记录.取数据字节数(), 0);
  EXPECT_EQ(记录.取容错字节数(), 0);
  EXPECT_EQ(记录.取块数(), 0);
  EXPECT_TRUE(记录.是否有效());
  EXPECT_EQ(记录.取模式(), 模式类{});
  EXPECT_EQ(记录.取容错级别(), 容错级别类{});
}

TEST(SymbolRecord, AfterResetValidOnlyWhenAllSevenAreSet) {
  for (std::size_t 缺 = 0; 缺 < std::size(七个置值); ++缺) {
    二维码类 记录;
    记录.重置();
    EXPECT_FALSE(记录.是否有效());
    for (std::size_t i = 0; i < std::size(七个置值); ++i) {
      if (i != 缺) (记录.*七个置值[i])(i == 2 ? 9 : 0);  // a mask of 9 and zero counts still count
    }
    EXPECT_FALSE(记录.是否有效()) << "missing setter " << 缺;
    (记录.*七个置值[缺])(3);
    EXPECT_TRUE(记录.是否有效()) << "missing setter " << 缺;
  }
}

TEST(SymbolRecord, ResetKeepsModeLevelAndMatrix) {
  二维码类 记录;
  模式类 模式;
  模式.置值({8, 16, 16}, 4, "字节");
  容错级别类 级别;
  级别.置值(3, 3, "Q");
  字节矩阵类 矩阵;
  矩阵.置尺寸(21, 21);
  记录.置模式(模式);
  记录.置容错级别(级别);
  记录.置矩阵(矩阵);
  记录.置版本号(1);
  记录.重置();
  EXPECT_EQ(记录.取版本号(), -1);
  EXPECT_EQ(记录.取块数(), -1);
  EXPECT_EQ(记录.取模式(), 模式);
  EXPECT_EQ(记录.取容错级别(), 级别);
  EXPECT_EQ(记录.取矩阵(), 矩阵);
}

TEST(SymbolRecord, ValidMasksAreZeroToSeven) {
  const 二维码类 记录;
  EXPECT_FALSE(记录.是否有效掩码(-1));
  EXPECT_TRUE(记录.是否有效掩码(0));
  EXPECT_TRUE(记录.是否有效掩码(7));
  EXPECT_FALSE(记录.是否有效掩码(8));
}

TEST(SymbolRecord, CellValueAcceptsOnlyZeroAndOne) {
  字节矩阵类 矩阵;
  矩阵.置尺寸(3, 2);
  矩阵.置单元值(1, 0, 1);
  矩阵.置单元值(2, 1, 255);
  矩阵.置单元值(0, 1, 2);
  二维码类 记录;
  记录.置矩阵(矩阵);
  EXPECT_EQ(记录.矩阵取值(0, 0), 0);
  EXPECT_EQ(记录.矩阵取值(1, 0), 1);
  EXPECT_REPORT(记录.矩阵取值(2, 1), "二维码类", "矩阵取值", "值异常，当前值为：255");
  EXPECT_REPORT(记录.矩阵取值(0, 1), "二维码类", "矩阵取值", "值异常，当前值为：2");
}

TEST(SymbolRecord, CellValueOutsideTheMatrixIsReported) {
  字节矩阵类 矩阵;
  矩阵.置尺寸(3, 2);
  二维码类 记录;
  记录.置矩阵(矩阵);
  EXPECT_REPORT(记录.矩阵取值(3, 0), "二维码类", "矩阵取值", "索引异常。当前索引：3,0");
  EXPECT_REPORT(记录.矩阵取值(0, 2), "二维码类", "矩阵取值", "索引异常。当前索引：0,2");
  EXPECT_REPORT(记录.矩阵取值(-1, 0), "二维码类", "矩阵取值", "索引异常。当前索引：-1,0");
  // A record not yet given a matrix still holds its one cell.
  EXPECT_EQ(二维码类{}.矩阵取值(0, 0), 0);
}

TEST(SymbolRecord, GettersAndSettersCopy) {
  字节矩阵类 矩阵;
  矩阵.置尺寸(2, 2);
  二维码类 记录;
  记录.置矩阵(矩阵);
  矩阵.置单元值(0, 0, 1);  // the caller's matrix is its own
  EXPECT_EQ(记录.矩阵取值(0, 0), 0);
  auto 取出 = 记录.取矩阵();
  取出.置单元值(1, 1, 1);
  EXPECT_EQ(记录.矩阵取值(1, 1), 0);

  容错级别类 级别;
  级别.置值(1, 1, "L");
  记录.置容错级别(级别);
  级别.置值(4, 2, "H");
  EXPECT_EQ(记录.取容错级别().取名称(), "L");
}

TEST(SymbolRecord, CopiesAreDeep) {
  字节矩阵类 矩阵;
  矩阵.置尺寸(2, 2);
  二维码类 原记录;
  原记录.置矩阵(矩阵);
  原记录.置版本号(3);
  二维码类 副本 = 原记录;
  EXPECT_EQ(副本, 原记录);
  矩阵.置单元值(0, 0, 1);
  副本.置矩阵(矩阵);
  副本.置版本号(4);
  EXPECT_EQ(原记录.矩阵取值(0, 0), 0);
  EXPECT_EQ(原记录.取版本号(), 3);
}

}  // namespace
