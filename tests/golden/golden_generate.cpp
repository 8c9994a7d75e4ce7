// Writes golden_expected.inc from the encoder as it stands:
//   golden_generate > tests/golden/golden_expected.inc
// Run it only to pin a deliberate change of the symbols; the pinning test
// exists so that nothing else changes them.

#include <cstdio>
#include <exception>
#include <vector>

#include "platform/report_sink.h"
#include "qrcode/module_lifetime.h"
#include "tests/golden/golden_cases.h"

namespace {

struct 太长 : std::exception {};

// The version a text of this kind and length gets, 41 when none holds it.
std::int32_t 版本(char 种类, std::int32_t 长度, std::int32_t 级别) {
  try {
    return 编码样例(种类, 长度, 级别).版本号;
  } catch (const 太长&) {
    return 41;
  }
}

// The smallest length that needs at least version v.
std::int32_t 最短长度(char 种类, std::int32_t 级别, std::int32_t v) {
  std::int32_t lo = 1;
  std::int32_t hi = 8000;
  while (lo < hi) {
    const std::int32_t mid = (lo + hi) / 2;
    if (版本(种类, mid, 级别) >= v) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return lo;
}

struct 定义 {
  char 种类;
  std::int32_t 长度;
  std::int32_t 级别;
};

}  // namespace

int main() {
  const 模块生命周期 生命周期;
  const platform::scoped_report_sink 接收器([](const platform::failure_report&) { throw 太长{}; });

  std::vector<定义> 样例;
  // Every version, each at one of the 16 kind and level pairs; even versions
  // at their shortest text, odd ones at their longest.
  for (std::int32_t v = 1; v <= 40; ++v) {
    const char 种类 = "NABC"[v % 4];
    const std::int32_t 级别 = (v / 4) % 4;
    const std::int32_t 长度 = v % 2 == 0 ? 最短长度(种类, 级别, v) : 最短长度(种类, 级别, v + 1) - 1;
    样例.push_back({种类, 长度, 级别});
  }
  for (std::int32_t 级别 = 0; 级别 < 4; ++级别) 样例.push_back({'R', 0, 级别});
  // The benchmark's workloads and the one-character texts.
  样例.insert(样例.end(), {{'B', 2900, 0}, {'B', 1270, 3}, {'N', 7000, 0}, {'A', 40, 1}, {'B', 1, 0}, {'N', 1, 2},
                           {'A', 1, 3}, {'C', 1, 1}});

  std::printf("// Made by golden_generate (tests/golden) from the encoder of the first\n");
  std::printf("// pinned build; kind, length, level, then what the record held.\n");
  std::printf("inline const 金样例 金样例表[] = {\n");
  for (const 定义& d : 样例) {
    const 编码结果 r = 编码样例(d.种类, d.长度, d.级别);
    std::printf("    {'%c', %d, %d, {%d, %d, %d, %d, %d, %d, 0x%016llxULL}},\n", d.种类, d.长度, d.级别, r.版本号, r.模式位,
                r.掩码, r.总字节数, r.数据字节数, r.块数, static_cast<unsigned long long>(r.矩阵散列));
  }
  std::printf("};\n\n");

  // Every mask's build and penalty for a few symbols.
  const std::int32_t 掩码样例[] = {0, 1, 6, 20, 39, 40, 44};
  std::printf("inline const 金掩码样例 金掩码样例表[] = {\n");
  for (const std::int32_t i : 掩码样例) {
    const 定义& d = 样例[static_cast<std::size_t>(i)];
    const auto 结果 = 逐掩码构建(d.种类, d.长度, d.级别);
    for (std::int32_t m = 0; m < 8; ++m) {
      const 掩码结果& r = 结果[static_cast<std::size_t>(m)];
      std::printf("    {%d, %d, %d, 0x%016llxULL},\n", i, m, r.惩罚, static_cast<unsigned long long>(r.矩阵散列));
    }
  }
  std::printf("};\n\n");

  // The finished images: the window's size, the default, a cut-off one and an odd one.
  const std::int32_t 位图样例[] = {0, 9, 39, 40, 44, 45};
  const std::int32_t 尺寸[][2] = {{500, 500}, {100, 100}, {10, 10}, {333, 211}};
  std::printf("inline const 金位图样例 金位图样例表[] = {\n");
  for (const std::int32_t i : 位图样例) {
    const 定义& d = 样例[static_cast<std::size_t>(i)];
    for (const auto& s : 尺寸) {
      const 字节集 位图 = 样例位图(d.种类, d.长度, d.级别, s[0], s[1]);
      std::printf("    {%d, %d, %d, %zu, 0x%016llxULL},\n", i, s[0], s[1], 位图.size(),
                  static_cast<unsigned long long>(散列(位图)));
    }
  }
  std::printf("};\n");
  return 0;
}
