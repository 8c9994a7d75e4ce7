// Every version at every level, with ASCII, Chinese and mixed text: the
// BMP that 创建二维码 returns must scan back, through zbar, to exactly the
// text in UTF-8, and the shared record must describe the symbol drawn.
// zbar reads even version 40 at two pixels per module, so every case is
// rendered at the window's 500 by 500.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qrcode/create_qr_code.h"
#include "qrcode/shared_record.h"
#include "qrcode/table_globals.h"
#include "support/zbar_decode.h"
#include "tables/qr_code.h"

namespace {

// One piece of text in both forms: GBK for the module, UTF-8 for the check.
struct 文字 {
  std::string gbk;
  std::string utf8;
};

文字 片(const char* gbk, const char8_t* utf8) { return {gbk, reinterpret_cast<const char*>(utf8)}; }

enum class 种类 { 数字, 字母数字, 字节ASCII, 中文, 混合 };

// Bytes the data bits of k characters occupy, for the ASCII kinds.
std::int32_t 数据字节数(种类 k, std::int32_t n) {
  switch (k) {
    case 种类::数字:
      return (10 * (n / 3) + (n % 3 == 1 ? 4 : n % 3 == 2 ? 7 : 0) + 7) / 8;
    case 种类::字母数字:
      return (11 * (n / 2) + 6 * (n % 2) + 7) / 8;
    default:
      return n;
  }
}

// The longest text of its kind whose data take at most 上限 bytes.
文字 生成(种类 k, std::int32_t 上限) {
  文字 t;
  if (k == 种类::数字 || k == 种类::字母数字 || k == 种类::字节ASCII) {
    const std::string 样 = k == 种类::数字       ? "31415926535897932384626433832795"
                           : k == 种类::字母数字 ? "HTTP://M.EXAMPLE.COM/$%*+-.: 0123"
                                                 : "http://m.example.com/search_result.html?search_key=shoes&gid=42;";
    std::int32_t n = 0;
    while (数据字节数(k, n + 1) <= 上限) ++n;
    for (std::int32_t i = 0; i < n; ++i) t.gbk += 样[static_cast<std::size_t>(i) % 样.size()];
    t.utf8 = t.gbk;
    return t;
  }
  const std::vector<文字> 样 =
      k == 种类::中文 ? std::vector<文字>{片("二", u8"二"), 片("维", u8"维"), 片("码", u8"码"), 片("测", u8"测"),
                                          片("试", u8"试"), 片("搜", u8"搜"), 片("索", u8"索"), 片("宝", u8"宝"),
                                          片("贝", u8"贝"), 片("，", u8"，")}
                      : std::vector<文字>{片("商", u8"商"), 片("品", u8"品"), 片("A", u8"A"), 片("-", u8"-"),
                                          片("7", u8"7"), 片("号", u8"号"), 片(" ", u8" "), 片("x", u8"x"),
                                          片("　", u8"　"), 片("&", u8"&"), 片("鞋", u8"鞋")};
  for (std::size_t i = 0;; ++i) {
    const 文字& p = 样[i % 样.size()];
    if (static_cast<std::int32_t>(t.utf8.size() + p.utf8.size()) > 上限) return t;
    t.gbk += p.gbk;
    t.utf8 += p.utf8;
  }
}

std::int32_t 容量(std::int32_t 版本号, const 容错级别类& 级别) {
  const 版本类& v = 版本表[static_cast<std::size_t>(版本号 - 1)];
  return v.取总字节数() - v.取容错块(级别).取容错字节总数();
}

// The 15-bit format word of a level and mask (BCH(15,5), then the fixed XOR).
std::int32_t 格式字(std::int32_t 级别位, std::int32_t 掩码) {
  const std::int32_t 数据 = 级别位 << 3 | 掩码;
  std::int32_t 余 = 数据;
  for (int i = 0; i < 10; ++i) 余 = (余 << 1) ^ ((余 >> 9) * 0x537);
  return ((数据 << 10) | 余) ^ 0x5412;
}

// Both copies of the format word as the symbol holds them.
std::pair<std::int32_t, std::int32_t> 读格式字(const 字节矩阵类& m) {
  const std::int32_t n = m.取宽度();
  std::int32_t a = 0;
  std::int32_t b = 0;
  const auto 置 = [&](std::int32_t& w, std::int32_t i, std::int32_t x, std::int32_t y) {
    w |= static_cast<std::int32_t>(m.取单元值(x, y) & 1) << i;
  };
  for (std::int32_t i = 0; i <= 5; ++i) 置(a, i, 8, i);
  置(a, 6, 8, 7);
  置(a, 7, 8, 8);
  置(a, 8, 7, 8);
  for (std::int32_t i = 9; i <= 14; ++i) 置(a, i, 14 - i, 8);
  for (std::int32_t i = 0; i <= 7; ++i) 置(b, i, n - 1 - i, 8);
  for (std::int32_t i = 8; i <= 14; ++i) 置(b, i, 8, n - 15 + i);
  return {a, b};
}

class EndToEnd : public testing::TestWithParam<std::int32_t> {};

TEST_P(EndToEnd, ScansBackToTheTextAndTheRecordDescribesTheSymbol) {
  const std::int32_t 版本号 = GetParam();
  const 种类 ASCII种类 = 版本号 % 3 == 0 ? 种类::数字 : 版本号 % 3 == 1 ? 种类::字母数字 : 种类::字节ASCII;
  const char* const 名称[] = {"L", "M", "Q", "H"};
  const 容错级别类* const 级别[] = {&容错级别表.L, &容错级别表.M, &容错级别表.Q, &容错级别表.H};
  for (int l = 0; l < 4; ++l) {
    // The longest text of its kind for this version: one byte more would need the next.
    const std::int32_t 上限 = 容量(版本号, *级别[l]) - 3;
    for (const 种类 k : {ASCII种类, 种类::中文, 种类::混合}) {
      const 文字 t = 生成(k, 上限);
      const std::string 情形 = std::string("v").append(std::to_string(版本号)) + "-" + 名称[l] + " kind " +
                               std::to_string(static_cast<int>(k)) + " (" + std::to_string(t.utf8.size()) + " bytes)";

      const 字节集 bmp = 创建二维码(t.gbk, 名称[l], 500, 500);
      EXPECT_EQ(共享二维码.取版本号(), 版本号) << 情形;
      EXPECT_EQ(共享二维码.取容错级别().取名称(), 名称[l]) << 情形;
      EXPECT_EQ(共享二维码.取维长度(), 17 + 4 * 版本号) << 情形;
      EXPECT_EQ(共享二维码.取模式().取名称(), k == 种类::数字 ? "数字" : k == 种类::字母数字 ? "字母数字" : "字节") << 情形;
      const std::int32_t 掩码 = 共享二维码.取掩码();
      ASSERT_TRUE(二维码类::是否有效掩码(掩码)) << 情形;
      const std::int32_t 预期格式 = 格式字(共享二维码.取容错级别().取格式位(), 掩码);
      EXPECT_EQ(读格式字(共享二维码.矩阵()), std::make_pair(预期格式, 预期格式)) << 情形;

      EXPECT_EQ(zbar_decode_bmp(bmp), std::vector<std::string>{t.utf8}) << 情形;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllVersions, EndToEnd, testing::Range(1, 41),
                         [](const testing::TestParamInfo<std::int32_t>& i) {
                           return std::string("v").append(std::to_string(i.param));
                         });

}  // namespace
