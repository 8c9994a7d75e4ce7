#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoder/character_split.h"
#include "platform/event_pump.h"

namespace {

int 让出次数 = 0;

struct 计数让出 {
  计数让出() {
    让出次数 = 0;
    platform::set_event_pump([] { ++让出次数; });
  }
  ~计数让出() { platform::set_event_pump(nullptr); }
};

TEST(CharacterSplit, SingleAndDoubleByteCharacters) {
  struct 例 {
    std::string 文本;
    std::vector<std::string> 字符;
  };
  const std::vector<例> 例子 = {
      {"", {}},
      {"AB1", {"A", "B", "1"}},
      {"二维码", {"二", "维", "码"}},
      {"a中b", {"a", "中", "b"}},
      // Bytes above 122 start a two-byte character, so '{' takes the next byte along.
      {"{a}", {"{a", "}"}},
      {"z{", {"z", "{"}},
      // A lead byte at the very end is a character of one byte.
      {std::string("x\xB6"), {"x", std::string("\xB6")}},
      {"\t\r\n", {"\t", "\r", "\n"}},
  };
  for (const 例& e : 例子) EXPECT_EQ(分割字符(e.文本), e.字符) << e.文本;
}

TEST(CharacterSplit, PumpsEventsOncePerByteAndOncePerCharacter) {
  计数让出 计数;
  分割字符("a中b");  // 4 bytes, 3 characters
  EXPECT_EQ(让出次数, 7);
  让出次数 = 0;
  分割字符("");
  EXPECT_EQ(让出次数, 0);
}

TEST(CharacterSplit, WalkWithoutListPumpsTheSame) {
  计数让出 计数;
  std::vector<std::string> 看到的;
  逐个字符("码1", [&](std::string_view c) { 看到的.emplace_back(c); });
  EXPECT_EQ(看到的, (std::vector<std::string>{"码", "1"}));
  EXPECT_EQ(让出次数, 3 + 2);
}

}  // namespace
