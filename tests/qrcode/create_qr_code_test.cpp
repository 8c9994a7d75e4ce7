#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/event_pump.h"
#include "qrcode/create_qr_code.h"
#include "qrcode/shared_record.h"
#include "support/failure_capture.h"
#include "support/zbar_decode.h"
#include "tables/qr_code.h"

namespace {

std::uint32_t 读32(const 字节集& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

std::string U8(const char8_t* s) { return reinterpret_cast<const char*>(s); }

TEST(CreateQrCode, ContentOfOnlySpacesIsEmpty) {
  for (const std::string 内容 : {"", " ", "   ", "　", " 　 　"}) {
    EXPECT_REPORT(创建二维码(内容), "二维码模块", "编码", "没有编码内容");
  }
  // The empty content is reported before a bad level is looked at.
  EXPECT_REPORT(创建二维码(" ", "X"), "二维码模块", "编码", "没有编码内容");
}

TEST(CreateQrCode, ControlCharactersAreNotSpaces) {
  const 字节集 bmp = 创建二维码("\t");
  EXPECT_EQ(bmp.size(), 54u + 300u * 100u);
  EXPECT_EQ(zbar_decode_bmp(创建二维码("\t", "L", 500, 500)), (std::vector<std::string>{"\t"}));
}

TEST(CreateQrCode, LevelLetters) {
  struct 例 {
    std::optional<std::string_view> 级别;
    std::string 名称;
  };
  for (const 例& e : {例{std::nullopt, "L"}, 例{"L", "L"}, 例{"m", "M"}, 例{"q", "Q"}, 例{"Q", "Q"}, 例{"h", "H"}}) {
    创建二维码("HELLO", e.级别);
    EXPECT_EQ(共享二维码.取容错级别().取名称(), e.名称) << e.名称;
  }
}

TEST(CreateQrCode, OtherLevelTextsAreRefused) {
  for (const std::string 级别 : {"", "Q ", " Q", "LM", "X", "l\x81", "Ｌ"}) {
    EXPECT_REPORT(创建二维码("HELLO", 级别), "二维码模块", "创建二维码", "容错等级必须为L、M、Q、H四个之一。");
  }
}

TEST(CreateQrCode, MissingOrNonPositiveSizesBecomeOneHundred) {
  struct 例 {
    std::optional<std::int64_t> 宽;
    std::optional<std::int32_t> 高;
    std::uint32_t 预期宽, 预期高;
  };
  for (const 例& e : {例{std::nullopt, std::nullopt, 100, 100}, 例{0, -5, 100, 100}, 例{-1, 300, 100, 300},
                      例{std::numeric_limits<std::int64_t>::min(), 7, 100, 7}, 例{250, std::nullopt, 250, 100}}) {
    const 字节集 bmp = 创建二维码("A", "L", e.宽, e.高);
    EXPECT_EQ(读32(bmp, 18), e.预期宽);
    EXPECT_EQ(读32(bmp, 22), e.预期高);
    EXPECT_EQ(bmp.size(), 54 + (e.预期宽 * 24 + 31) / 32 * 4 * e.预期高);
  }
}

TEST(CreateQrCode, SizesABitmapCannotHoldAreRefused) {
  // Past 32 bits the width would wrap; past 2 GiB the file size field would.
  EXPECT_REPORT(创建二维码("A", "L", std::int64_t{1} << 32), "二维码模块", "创建二维码", "图像尺寸过大");
  EXPECT_REPORT(创建二维码("A", "L", std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1), "二维码模块",
                "创建二维码", "图像尺寸过大");
  EXPECT_REPORT(创建二维码("A", "L", 40000, 40000), "二维码模块", "创建二维码", "图像尺寸过大");
}

TEST(CreateQrCode, SpacesStayInTheEncodedContent) {
  const 字节集 bmp = 创建二维码("A B", std::nullopt, 500, 500);
  EXPECT_EQ(共享二维码.取模式().取名称(), "字母数字");
  EXPECT_EQ(zbar_decode_bmp(bmp), (std::vector<std::string>{"A B"}));
  EXPECT_EQ(zbar_decode_bmp(创建二维码(" 二维码 　", "H", 500, 500)), (std::vector<std::string>{U8(u8" 二维码 　")}));
}

TEST(CreateQrCode, TextThatIsNotGbkBuildsNoSymbol) {
  创建二维码("1");
  EXPECT_REPORT(创建二维码(std::string("abc\xFF")), "编码类", "追加八位字节", "文本无法转换为UTF-8");
}

TEST(CreateQrCode, WindowSizeImageOfAVersionOneSymbol) {
  const 字节集 bmp = 创建二维码("a", std::nullopt, 500, 500);
  ASSERT_EQ(共享二维码.取版本号(), 1);
  ASSERT_EQ(bmp.size(), 54u + 1500u * 500u);
  // Module (x, y) covers pixels 40 + 20x .. 40 + 20x + 19; the image is stored bottom-up.
  const auto 像素 = [&](std::int32_t x, std::int32_t y) { return bmp[54 + static_cast<std::size_t>(499 - y) * 1500 + static_cast<std::size_t>(x) * 3]; };
  for (std::int32_t y = 0; y < 21; ++y) {
    for (std::int32_t x = 0; x < 21; ++x) {
      const std::uint8_t 预期 = 共享二维码.矩阵().取单元值(x, y) == 1 ? 0 : 255;
      ASSERT_EQ(像素(40 + 20 * x, 40 + 20 * y), 预期) << x << "," << y;
      ASSERT_EQ(像素(59 + 20 * x, 59 + 20 * y), 预期) << x << "," << y;
    }
  }
  EXPECT_EQ(像素(39, 40), 255);
  EXPECT_EQ(像素(460, 459), 255);
}

TEST(CreateQrCode, SmallRequestShowsTheTopLeftOfTheSymbol) {
  const 字节集 bmp = 创建二维码("a", "L", 10, 10);
  ASSERT_EQ(bmp.size(), 54u + 32u * 10u);
  // Factor 1, two modules of quiet zone: pixel (2 + x, 2 + y) is module (x, y).
  for (std::int32_t y = 0; y < 8; ++y)
    for (std::int32_t x = 0; x < 8; ++x)
      EXPECT_EQ(bmp[54 + static_cast<std::size_t>(9 - (y + 2)) * 32 + static_cast<std::size_t>(x + 2) * 3],
                共享二维码.矩阵().取单元值(x, y) == 1 ? 0 : 255);
}

// A request started from the events the encoder lets through, as a second
// click would, while the first one counts its digits.
int 让出次数 = 0;
std::vector<std::string> 内层结果;

TEST(CreateQrCode, RequestStartedFromAPendingEventLeavesTheOuterSymbolWhole) {
  const std::string 外层(300, '5');  // numeric, version 6 at L
  让出次数 = 0;
  内层结果.clear();
  platform::set_event_pump([] {
    // The mode choice pumps twice per digit; the next pump is the count's.
    if (++让出次数 == 601) 内层结果 = zbar_decode_bmp(创建二维码("1", "H", 500, 500));
  });
  字节集 bmp;
  try {
    bmp = 创建二维码(外层, "L", 500, 500);
  } catch (...) {
    platform::set_event_pump(nullptr);
    throw;
  }
  platform::set_event_pump(nullptr);
  EXPECT_EQ(内层结果, (std::vector<std::string>{"1"}));
  EXPECT_EQ(zbar_decode_bmp(bmp), (std::vector<std::string>{外层}));
  EXPECT_EQ(共享二维码.取模式().取名称(), "数字");
  EXPECT_EQ(共享二维码.取容错级别().取名称(), "L");
  EXPECT_EQ(共享二维码.取版本号(), 6);
}

}  // namespace
