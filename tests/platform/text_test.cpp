#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

// "中" is D6 D0; "平" is C6 BD; "詹" (D5 B2) and "丁" (B6 A1); the GBK-only
// "丂" is 81 40, whose trail byte is '@'. "乣" is 81 61: its trail byte is 'a'.
const std::string 中 = "\xD6\xD0";
const std::string 丂 = "\x81\x40";
const std::string 乣 = "\x81\x61";
const std::string 全角空格 = "\xA1\xA1";
const std::string 尾字节为空格 = "\x81\x20";  // lead byte followed by 0x20 inside a pair

TEST(RemoveSpaces, RemovesAsciiAndIdeographicSpaces) {
  EXPECT_EQ(platform::remove_spaces(" a " + 全角空格 + "b" + 全角空格 + " "), "ab");
  EXPECT_EQ(platform::remove_spaces("\t\r\n"), "\t\r\n");
  EXPECT_EQ(platform::remove_spaces(""), "");
}

TEST(RemoveSpaces, KeepsDoubleByteCharactersWhole) {
  EXPECT_EQ(platform::remove_spaces(中 + " " + 丂), 中 + 丂);
  // The 0x20 after a lead byte belongs to the pair and is not a space.
  EXPECT_EQ(platform::remove_spaces(尾字节为空格), 尾字节为空格);
  // 0xA1 0xA1 only counts on a character boundary: here 0xA1 is a trail byte.
  const std::string 跨界 = "\xB0\xA1\xA1\xB0";  // 啊 then 0xA1 0xB0
  EXPECT_EQ(platform::remove_spaces(跨界), 跨界);
}

TEST(ToUpper, ChangesOnlySingleByteLetters) {
  EXPECT_EQ(platform::to_upper("q"), "Q");
  EXPECT_EQ(platform::to_upper("aZ1-" + 乣 + "m"), "AZ1-" + 乣 + "M");
  EXPECT_EQ(platform::to_upper(中), 中);
}

TEST(FirstByte, IsOneByteNotOneCharacter) {
  EXPECT_EQ(platform::first_byte("L （低 - 7%）"), "L");
  EXPECT_EQ(platform::first_byte(中), "\xD6");
  EXPECT_EQ(platform::first_byte(""), "");
}

TEST(Split, PiecesInOrderWithoutATrailingEmptyPiece) {
  using V = std::vector<std::string>;
  EXPECT_EQ(platform::split("1,2,3", ","), (V{"1", "2", "3"}));
  EXPECT_EQ(platform::split("1,2,", ","), (V{"1", "2"}));
  EXPECT_EQ(platform::split("1,,2", ","), (V{"1", "", "2"}));
  EXPECT_EQ(platform::split("a\r\nb", "\r\n"), (V{"a", "b"}));
  EXPECT_EQ(platform::split("", ","), V{});
  EXPECT_EQ(platform::split("7", ","), V{"7"});
}

TEST(Split, NeverSplitsInsideADoubleByteCharacter) {
  // "乣" is 81 61; splitting at "a" must not cut it.
  EXPECT_EQ(platform::split(乣 + "a" + 中, "a"), (std::vector<std::string>{乣, 中}));
}

TEST(ToInteger, ReadsDecimalWithOptionalMinus) {
  EXPECT_EQ(platform::to_integer("0"), 0);
  EXPECT_EQ(platform::to_integer("285"), 285);
  EXPECT_EQ(platform::to_integer("-1"), -1);
  EXPECT_EQ(platform::to_integer("2147483647"), 2147483647);
  EXPECT_EQ(platform::to_integer("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(platform::to_integer("99999999999"), 2147483647);
  EXPECT_EQ(platform::to_integer("12x"), 12);
  EXPECT_EQ(platform::to_integer(""), 0);
}

TEST(ToDecimal, WritesSignedDecimal) {
  EXPECT_EQ(platform::to_decimal(0), "0");
  EXPECT_EQ(platform::to_decimal(-8), "-8");
  EXPECT_EQ(platform::to_decimal(9000000000LL), "9000000000");
}

}  // namespace
