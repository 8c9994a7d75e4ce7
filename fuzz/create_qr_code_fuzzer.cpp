// libFuzzer target for 创建二维码: any content bytes, an optional level text
// and sizes up to 1000. Every call must end in one of the module's own
// failure reports, and exactly the one the input calls for, or in a BMP
// whose every byte is what the symbol record and the scaling rule give.
// A sample of the images is read back with zbar and must decode to the
// UTF-8 form of the content.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "containers/byte_array.h"
#include "platform/encoding.h"
#include "platform/report_sink.h"
#include "platform/text.h"
#include "qrcode/create_qr_code.h"
#include "qrcode/module_lifetime.h"
#include "qrcode/shared_record.h"
#include "qrcode/table_globals.h"
#include "support/zbar_decode.h"

namespace {

struct 报告 {
  platform::failure_report 内容;
};

struct 期望失败 {
  std::string_view 来源;
  std::string_view 方法;
  std::string_view 信息;
};

[[noreturn]] void 不符(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "\n*** %s %s\n", what, platform::convert_or_empty(detail, "GBK", "UTF-8").c_str());
  std::abort();
}

enum class 模式 { 数字, 字母数字, 字节 };

bool 是字母数字(unsigned char b) {
  return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || b == ' ' || b == '$' || b == '%' || b == '*' ||
         b == '+' || b == '-' || b == '.' || b == '/' || b == ':';
}

模式 应选模式(std::string_view 内容) {
  bool 全数字 = true;
  for (const char c : 内容) {
    const auto b = static_cast<unsigned char>(c);
    if (!是字母数字(b)) return 模式::字节;
    if (b < '0' || b > '9') 全数字 = false;
  }
  return 全数字 && !内容.empty() ? 模式::数字 : 模式::字母数字;
}

// Bytes the data bits of the segment take, without its header.
std::int64_t 数据字节数(模式 m, std::int64_t 长度) {
  std::int64_t 位 = 0;
  switch (m) {
    case 模式::数字: 位 = 10 * (长度 / 3) + (长度 % 3 == 2 ? 7 : 长度 % 3 == 1 ? 4 : 0); break;
    case 模式::字母数字: 位 = 11 * (长度 / 2) + 6 * (长度 % 2); break;
    case 模式::字节: 位 = 8 * 长度; break;
  }
  return (位 + 7) / 8;
}

std::int32_t 数据容量(std::int32_t 版本号, const 容错级别类& 级别) {
  const 版本类& v = 版本表.at(static_cast<std::size_t>(版本号 - 1));
  return v.取总字节数() - v.容错块(级别).取容错字节总数();
}

std::uint32_t 读32(const 字节集& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

std::uint32_t 读16(const 字节集& b, std::size_t at) { return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8; }

// The header, then every pixel against the record's matrix scaled by the
// whole-number factor with the two-module quiet zone, then zero padding.
__attribute__((no_sanitize("coverage"))) void 检查位图(const 字节集& bmp, std::int32_t 宽, std::int32_t 高) {
  const std::int64_t 行 = (std::int64_t{宽} * 24 + 31) / 32 * 4;
  const std::int64_t 大小 = 54 + 行 * 高;
  if (static_cast<std::int64_t>(bmp.size()) != 大小) 不符("BMP size differs from 54 + S * height");
  if (bmp[0] != 'B' || bmp[1] != 'M' || 读32(bmp, 2) != 大小 || 读32(bmp, 6) != 0 || 读32(bmp, 10) != 54 ||
      读32(bmp, 14) != 40 || 读32(bmp, 18) != static_cast<std::uint32_t>(宽) ||
      读32(bmp, 22) != static_cast<std::uint32_t>(高) || 读16(bmp, 26) != 1 || 读16(bmp, 28) != 24)
    不符("BMP header field wrong");
  for (std::size_t at = 30; at < 54; at += 4)
    if (读32(bmp, at) != 0) 不符("BMP header field after bits per pixel not 0");

  const 字节矩阵类& 符号 = 共享二维码.矩阵();
  const std::int32_t w = 符号.取宽度(), h = 符号.取高度();
  const std::int32_t qw = w + 4, qh = h + 4;
  const std::int32_t ow = 宽 > qw ? 宽 : qw, oh = 高 > qh ? 高 : qh;
  const double rw = static_cast<double>(ow) / qw, rh = static_cast<double>(oh) / qh;
  const auto m = static_cast<std::int32_t>(rw - rh < -1e-7 ? rw : rh);
  const std::int32_t 左 = (ow - w * m) / 2, 上 = (oh - h * m) / 2;
  for (std::int32_t y = 0; y < 高; ++y) {
    const std::size_t 行首 = 54 + static_cast<std::size_t>(行) * static_cast<std::size_t>(高 - 1 - y);
    for (std::int32_t x = 0; x < 宽; ++x) {
      bool 深 = false;
      if (x >= 左 && y >= 上 && x < 左 + w * m && y < 上 + h * m)
        深 = 符号.取单元值((x - 左) / m, (y - 上) / m) == 1;
      const std::uint8_t 值 = 深 ? 0 : 255;
      const std::size_t p = 行首 + 3 * static_cast<std::size_t>(x);
      if (bmp[p] != 值 || bmp[p + 1] != 值 || bmp[p + 2] != 值) 不符("BMP pixel differs from the scaled matrix");
    }
    for (std::size_t p = 行首 + 3 * static_cast<std::size_t>(宽); p < 行首 + static_cast<std::size_t>(行); ++p)
      if (bmp[p] != 0) 不符("BMP row padding not 0");
  }
}

__attribute__((no_sanitize("coverage"))) void 检查记录(模式 m, std::int64_t n, const 容错级别类& 级别) {
  static const char* const 名称[] = {"数字", "字母数字", "字节"};
  const 二维码类& r = 共享二维码;
  if (r.模式().名称() != 名称[static_cast<int>(m)]) 不符("mode in the record", r.模式().名称());
  if (r.容错级别().名称() != 级别.名称()) 不符("level in the record", r.容错级别().名称());
  const std::int32_t v = r.取版本号();
  if (v < 1 || v > 40) 不符("version out of range");
  if (数据容量(v, 级别) < n + 3 || (v > 1 && 数据容量(v - 1, 级别) >= n + 3)) 不符("not the smallest version");
  if (r.取数据字节数() != 数据容量(v, 级别) || r.取总字节数() != 版本表[static_cast<std::size_t>(v - 1)].取总字节数() ||
      r.取容错字节数() != r.取总字节数() - r.取数据字节数())
    不符("codeword counts in the record");
  if (!二维码类::是否有效掩码(r.取掩码())) 不符("mask out of range");
  const 字节矩阵类& 符号 = r.矩阵();
  if (r.取维长度() != 17 + 4 * v || 符号.取宽度() != r.取维长度() || 符号.取高度() != r.取维长度())
    不符("matrix size");
  for (const std::uint8_t c : 符号.单元().单元) {
    if (c > 1) 不符("matrix cell neither light nor dark");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static 模块生命周期 模块;
  platform::set_report_sink([](const platform::failure_report& r) { throw 报告{r}; });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider 输入(data, size);
  const std::uint8_t 标志 = 输入.ConsumeIntegral<std::uint8_t>();
  std::optional<std::string> 级别;
  if (标志 & 1) {
    const std::uint8_t 选 = 输入.ConsumeIntegral<std::uint8_t>();
    级别 = 选 < 224 ? std::string(1, "LMQHlmqh"[选 % 8]) : 输入.ConsumeRandomLengthString(4);
  }
  std::optional<std::int64_t> 宽度;
  std::optional<std::int32_t> 高度;
  // Most sizes small, so that runs stay fast; one in eight up to 1000.
  const std::int32_t 上限 = (标志 & 0xE0) == 0xE0 ? 1000 : 200;
  if (标志 & 2) 宽度 = 输入.ConsumeIntegralInRange<std::int64_t>(-2, 上限);
  if (标志 & 4) 高度 = 输入.ConsumeIntegralInRange<std::int32_t>(-2, 上限);
  const bool 解码 = (标志 & 0x18) == 0x18;
  const std::string 内容 = 输入.ConsumeRemainingBytesAsString();

  // What the input calls for, worked out here from the rules, not the code.
  std::optional<期望失败> 期望;
  const 容错级别类* 所选 = &容错级别表.L;
  const 模式 m = 应选模式(内容);
  std::optional<std::string> utf8 = m == 模式::字节 ? platform::convert(内容, "GB2312", "UTF-8") : 内容;
  std::int64_t n = 0;
  if (platform::remove_spaces(内容).empty()) {
    期望 = 期望失败{"二维码模块", "编码", "没有编码内容"};
  } else if (级别 && (platform::to_upper(*级别) != "L" && platform::to_upper(*级别) != "M" &&
                      platform::to_upper(*级别) != "Q" && platform::to_upper(*级别) != "H")) {
    期望 = 期望失败{"二维码模块", "创建二维码", "容错等级必须为L、M、Q、H四个之一。"};
  } else {
    if (级别) {
      const std::string 字母 = platform::to_upper(*级别);
      所选 = 字母 == "M" ? &容错级别表.M : 字母 == "Q" ? &容错级别表.Q : 字母 == "H" ? &容错级别表.H : &容错级别表.L;
    }
    if (!utf8) {
      期望 = 期望失败{"编码类", "追加八位字节", "文本无法转换为UTF-8"};
    } else {
      n = 数据字节数(m, static_cast<std::int64_t>(utf8->size()));
      if (n + 3 > 数据容量(40, *所选)) 期望 = 期望失败{"编码类", "初始化二维码", ""};
    }
  }

  字节集 bmp;
  try {
    bmp = 创建二维码(内容, 级别 ? std::optional<std::string_view>(*级别) : std::nullopt, 宽度, 高度);
  } catch (const 报告& r) {
    if (!期望) 不符("unexpected failure report:", r.内容.text);
    if (r.内容.source != 期望->来源 || r.内容.method != 期望->方法 || r.内容.message != 期望->信息)
      不符("a different failure report:", r.内容.text);
    return 0;
  }
  if (期望) 不符("no failure report for:", std::string(期望->方法) + " " + std::string(期望->信息));

  检查记录(m, n, *所选);
  const std::int32_t 宽 = 宽度 && *宽度 > 0 ? static_cast<std::int32_t>(*宽度) : 100;
  const std::int32_t 高 = 高度 && *高度 > 0 ? *高度 : 100;
  检查位图(bmp, 宽, 高);

  // zbar needs the whole symbol with its quiet zone and a few pixels a module.
  const std::int32_t 全宽 = 共享二维码.取维长度() + 4;
  if (解码 && 宽 >= 3 * 全宽 && 高 >= 3 * 全宽) {
    const auto 读出 = zbar_decode_bmp(bmp);
    if (读出.size() != 1) 不符("zbar found no symbol (or several)");
    if (读出.front() != *utf8) 不符("zbar read something else than the UTF-8 content");
  }
  return 0;
}
