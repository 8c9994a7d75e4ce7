#include <gtest/gtest.h>

#include <vector>

#include "qrcode/text_to_integers.h"

namespace {

struct 样例 {
  const char* 文本;
  const char* 分隔符;
  std::vector<std::int32_t> 期望;
};

TEST(TextToIntegers, SplitsAtTheSeparatorInOrder) {
  const 样例 样例表[] = {
      {"10,12,14", ",", {10, 12, 14}},
      {"-1,-1,36,0", ",", {-1, -1, 36, 0}},
      {"8,16,16,", ",", {8, 16, 16}},  // a trailing separator adds nothing
      {"7", ",", {7}},
      {"", ",", {}},
      {"1\r\n22\r\n333", "\r\n", {1, 22, 333}},
      {"2147483647,-2147483648", ",", {2147483647, -2147483647 - 1}},
  };
  for (const auto& 例 : 样例表) EXPECT_EQ(文本到整数数组(例.文本, 例.分隔符), 例.期望) << 例.文本;
}

TEST(TextToIntegers, CommaByDefault) { EXPECT_EQ(文本到整数数组("9,11,13"), (std::vector<std::int32_t>{9, 11, 13})); }

}  // namespace
