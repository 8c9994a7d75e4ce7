// Bad input for 创建二维码: each case ends in the module's own report with
// its exact texts and leaves the previous symbol in 共享二维码 untouched, or
// in the specified image, read back with zbar.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "qrcode/create_qr_code.h"
#include "qrcode/module_lifetime.h"
#include "qrcode/shared_record.h"
#include "support/failure_capture.h"
#include "support/zbar_decode.h"
#include "tables/qr_code.h"

namespace {

class BadInput : public testing::Test {
 protected:
  static void SetUpTestSuite() { 模块_.emplace(); }
  static void TearDownTestSuite() { 模块_.reset(); }

 private:
  static inline std::optional<模块生命周期> 模块_;
};

// Expected read-backs are UTF-8, while narrow literals here are GBK.
std::string U8(const char8_t* s, std::size_t n) { return {reinterpret_cast<const char*>(s), n}; }

std::uint32_t 读32(const 字节集& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

struct 报告例 {
  const char* 名称;
  std::string 内容;
  std::optional<std::string> 级别;
  std::optional<std::int64_t> 宽;
  std::optional<std::int32_t> 高;
  const char* 来源;
  const char* 方法;
  const char* 信息;
};

TEST_F(BadInput, EachGetsItsOwnReportAndLeavesThePreviousSymbol) {
  constexpr auto 最大 = std::numeric_limits<std::int32_t>::max();
  const char* const 无法转换 = "文本无法转换为UTF-8";
  const std::vector<报告例> 例表{
      {"invalid trail byte", "ab\x81\x20" "cd", {}, {}, {}, "编码类", "追加八位字节", 无法转换},
      {"trail byte 0x7F", "\xB0\x7F", {}, {}, {}, "编码类", "追加八位字节", 无法转换},
      {"byte 0x80", "\x80", {}, {}, {}, "编码类", "追加八位字节", 无法转换},
      {"byte 0xFF", "x\xFFy", {}, {}, {}, "编码类", "追加八位字节", 无法转换},
      {"lone lead byte at the end", "abc\xB0", {}, {}, {}, "编码类", "追加八位字节", 无法转换},
      {"lone lead byte only", "\xD6", {}, {}, {}, "编码类", "追加八位字节", 无法转换},
      {"lead byte before NUL", std::string("\xB0\0z", 3), {}, {}, {}, "编码类", "追加八位字节", 无法转换},
      {"too long at L", std::string(2954, 'a'), "L", {}, {}, "编码类", "初始化二维码", ""},
      {"too long at M", std::string(2332, 'a'), "M", {}, {}, "编码类", "初始化二维码", ""},
      {"too long at Q", std::string(1664, 'a'), "Q", {}, {}, "编码类", "初始化二维码", ""},
      {"too long at H", std::string(1274, 'a'), "H", {}, {}, "编码类", "初始化二维码", ""},
      // 7 digits take 3 bytes of data bits: 3057 digits are 1274 bytes.
      {"digits too long at H", std::string(3057, '7'), "H", {}, {}, "编码类", "初始化二维码", ""},
      // A GB2312 character is three UTF-8 bytes: 985 of them are 2955.
      {"Chinese too long at L", [] {
         std::string s;
         for (int i = 0; i < 985; ++i) s += "码";
         return s;
       }(), "L", {}, {}, "编码类", "初始化二维码", ""},
      {"width past 32 bits", "A", {}, std::int64_t{1} << 40, {}, "二维码模块", "创建二维码", "图像尺寸过大"},
      {"largest widths", "A", {}, std::numeric_limits<std::int64_t>::max(), 最大, "二维码模块", "创建二维码",
       "图像尺寸过大"},
      {"largest height", "A", {}, 1, 最大, "二维码模块", "创建二维码", "图像尺寸过大"},
      {"NUL is no level", "A", std::string(1, '\0'), {}, {}, "二维码模块", "创建二维码",
       "容错等级必须为L、M、Q、H四个之一。"},
      {"level with a lead byte", "A", "L\xB0", {}, {}, "二维码模块", "创建二维码", "容错等级必须为L、M、Q、H四个之一。"},
  };
  for (const 报告例& e : 例表) {
    SCOPED_TRACE(e.名称);
    创建二维码("BEFORE", "Q", 200, 200);
    const 二维码类 之前 = 共享二维码;
    const auto 级别 = e.级别 ? std::optional<std::string_view>(*e.级别) : std::nullopt;
    EXPECT_REPORT(创建二维码(e.内容, 级别, e.宽, e.高), e.来源, e.方法, e.信息);
    EXPECT_TRUE(共享二维码 == 之前) << "the failed request changed the shared record";
  }
}

struct 图像例 {
  const char* 名称;
  std::string 内容;
  std::optional<std::string> 级别;
  std::optional<std::int64_t> 宽;
  std::optional<std::int32_t> 高;
  std::uint32_t 图宽, 图高;
  std::optional<std::string> 读出;  // UTF-8; nothing when the symbol is cut off
};

TEST_F(BadInput, InputsAtTheEdgesGiveTheSpecifiedImage) {
  const std::vector<图像例> 例表{
      {"NUL bytes inside", std::string("A\0B\0", 4), {}, 300, 300, 300, 300, std::string("A\0B\0", 4)},
      {"only NUL", std::string(1, '\0'), {}, 300, 300, 300, 300, std::string(1, '\0')},
      {"Chinese with NUL", std::string("码\0码", 5), "H", 300, 300, 300, 300, U8(u8"码\0码", 7)},
      {"width 0", "A", {}, 0, 300, 100, 300, "A"},
      {"width -1 and height -1", "A", {}, -1, -1, 100, 100, "A"},
      {"smallest negative sizes", "A", {}, std::numeric_limits<std::int64_t>::min(),
       std::numeric_limits<std::int32_t>::min(), 100, 100, "A"},
      {"1 by 1", "A", {}, 1, 1, 1, 1, std::nullopt},
      {"1 wide", "A", {}, 1, 100, 1, 100, std::nullopt},
      {"largest text at L", std::string(2953, 'a'), "L", 1000, 1000, 1000, 1000, std::string(2953, 'a')},
      {"largest text at M", std::string(2331, 'a'), "m", 1000, 1000, 1000, 1000, std::string(2331, 'a')},
      {"largest text at Q", std::string(1663, 'a'), "Q", 1000, 1000, 1000, 1000, std::string(1663, 'a')},
      {"largest text at H", std::string(1273, 'a'), "h", 1000, 1000, 1000, 1000, std::string(1273, 'a')},
  };
  for (const 图像例& e : 例表) {
    SCOPED_TRACE(e.名称);
    const auto 级别 = e.级别 ? std::optional<std::string_view>(*e.级别) : std::nullopt;
    const 字节集 bmp = 创建二维码(e.内容, 级别, e.宽, e.高);
    const std::size_t 行 = (std::size_t{e.图宽} * 24 + 31) / 32 * 4;
    ASSERT_EQ(bmp.size(), 54 + 行 * e.图高);
    EXPECT_EQ(读32(bmp, 2), bmp.size());
    EXPECT_EQ(读32(bmp, 18), e.图宽);
    EXPECT_EQ(读32(bmp, 22), e.图高);
    if (e.读出) {
      EXPECT_EQ(zbar_decode_bmp(bmp), (std::vector<std::string>{*e.读出}));
    }
  }
}

}  // namespace
