#include <gtest/gtest.h>

#include "platform/encoding.h"

namespace {

std::string u8(const char8_t* s) { return reinterpret_cast<const char*>(s); }

struct Case {
  const char* name;
  std::string gbk;
  std::string utf8;
};

TEST(Encoding, Gb2312GbkOnlyAndFourByteCharactersConvertToUtf8) {
  const Case cases[] = {
      {"ascii", "abc 123", "abc 123"},
      {"GB2312", "\xD6\xD0\xCE\xC4", u8(u8"中文")},
      {"GBK only", "\x81\x40", u8(u8"丂")},
      {"euro sign (GBK 0x80)", "\x80", ""},  // 0x80 alone is not valid GB18030
      {"four-byte GB18030", "\x95\x32\x82\x36", u8(u8"𠀀")},
      {"empty", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto out = platform::convert(c.gbk, "GB2312", "UTF-8");
    if (std::string(c.name).starts_with("euro")) {
      EXPECT_FALSE(out.has_value());
      continue;
    }
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(*out, c.utf8);
    EXPECT_EQ(platform::utf8_to_gbk(c.utf8).value_or("?"), c.gbk);
  }
}

TEST(Encoding, MalformedInputGivesNothing) {
  EXPECT_FALSE(platform::convert("\xD6", "GB2312", "UTF-8").has_value());      // lone lead byte
  EXPECT_FALSE(platform::convert("a\xFF" "b", "GB2312", "UTF-8").has_value());  // never valid
  EXPECT_EQ(platform::convert_or_empty("\xD6", "GB2312", "UTF-8"), "");
  EXPECT_FALSE(platform::utf8_to_gbk("\xC3\x28").has_value());  // broken UTF-8
}

TEST(Encoding, LongTextsConvertWhole) {
  std::string gbk;
  for (int i = 0; i < 5000; ++i) gbk += "\xD6\xD0";
  const auto out = platform::gbk_to_utf8(gbk);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->size(), 15000u);
}

}  // namespace
