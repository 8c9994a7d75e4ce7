#include "matrix/packed_penalty.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace {

constexpr std::size_t 最长 = 192;  // a version-40 side is 177

// Bit j is the cell j of the line.
template <typename 线>
线 前几位(std::int32_t n) {
  线 m;
  for (std::int32_t j = 0; j < n; ++j) m.set(static_cast<std::size_t>(j));
  return m;
}

// Runs of n >= 5 equal cells score n - 2: one per cell from the fifth on,
// plus two per run.
template <typename 线>
std::int32_t 游程罚分(const 线& r, const 线& 有效) {
  const 线 等 = ~(r ^ (r << 1)) & (有效 & (有效 << 1));  // cell j equals cell j - 1
  const 线 第五起 = 等 & (等 << 1) & (等 << 2) & (等 << 3);
  const 线 第五 = 第五起 & ~(等 << 4);
  return static_cast<std::int32_t>(第五起.count() + 2 * 第五.count());
}

// 1,0,1,1,1,0,1 from cell j on, with four light cells after it or before it.
template <typename 线>
std::int32_t 探测罚分(const 线& r, const 线& 有效) {
  const 线 浅 = ~r & 有效;
  const 线 样式 = r & (浅 >> 1) & (r >> 2) & (r >> 3) & (r >> 4) & (浅 >> 5) & (r >> 6);
  const 线 后浅 = (浅 >> 7) & (浅 >> 8) & (浅 >> 9) & (浅 >> 10);
  const 线 前浅 = (浅 << 1) & (浅 << 2) & (浅 << 3) & (浅 << 4);
  return static_cast<std::int32_t>((样式 & (后浅 | 前浅)).count()) * 40;
}

// Lines of N bits: small symbols pay for one word per line, not three.
template <std::size_t N>
std::optional<std::int32_t> 按宽度罚分(const 字节矩阵类& 矩阵) {
  using 线 = std::bitset<N>;
  const std::int32_t 宽 = 矩阵.取宽度();
  const std::int32_t 高 = 矩阵.取高度();
  const 字节网格& 格 = 矩阵.单元();
  const std::uint8_t* 起点 = 格.单元.data();
  const auto 行距 = static_cast<std::size_t>(格.列数);
  std::uint8_t 或值 = 0;
  // n cells from p on, 步 apart, into one line, a word at a time.
  const auto 打包 = [&](const std::uint8_t* p, std::size_t 步, std::int32_t n) {
    std::uint64_t 字[N / 64] = {};
    for (std::int32_t j = 0; j < n; ++j, p += 步) {
      或值 |= *p;
      字[j >> 6] |= static_cast<std::uint64_t>(*p & 1U) << (j & 63);
    }
    线 结果;
    for (std::size_t i = N / 64; i-- > 0;) {
      结果 <<= 64;
      结果 |= 线(字[i]);
    }
    return 结果;
  };
  // On the stack: small symbols are scored often and quickly.
  std::array<线, N> 行;
  std::array<线, N> 列;
  for (std::int32_t y = 0; y < 高; ++y) 行[static_cast<std::size_t>(y)] = 打包(起点 + static_cast<std::size_t>(y) * 行距, 1, 宽);
  if (或值 > 1) return std::nullopt;
  for (std::int32_t x = 0; x < 宽; ++x) 列[static_cast<std::size_t>(x)] = 打包(起点 + x, 行距, 高);
  const 线 行有效 = 前几位<线>(宽);
  const 线 列有效 = 前几位<线>(高);
  std::int32_t 罚分 = 0;
  for (std::int32_t y = 0; y < 高; ++y) {
    const 线& r = 行[static_cast<std::size_t>(y)];
    罚分 += 游程罚分(r, 行有效) + 探测罚分(r, 行有效);
  }
  for (std::int32_t x = 0; x < 宽; ++x) {
    const 线& c = 列[static_cast<std::size_t>(x)];
    罚分 += 游程罚分(c, 列有效) + 探测罚分(c, 列有效);
  }
  // 2 x 2 blocks: cell j equals its right neighbour in both rows and its lower one.
  const 线 块有效 = 行有效 & (行有效 >> 1);
  for (std::size_t y = 0; y + 1 < static_cast<std::size_t>(高); ++y) {
    const 线& a = 行[y];
    const 线& b = 行[y + 1];
    const 线 同 = ~(a ^ (a >> 1)) & ~(b ^ (b >> 1)) & ~(a ^ b) & 块有效;
    罚分 += static_cast<std::int32_t>(同.count()) * 3;
  }
  return 罚分;
}

}  // namespace

std::optional<std::int32_t> 位压缩罚分1至3(const 字节矩阵类& 矩阵) {
  const std::int32_t 边 = std::max(矩阵.取宽度(), 矩阵.取高度());
  if (矩阵.取宽度() <= 0 || 矩阵.取高度() <= 0 || 边 > static_cast<std::int32_t>(最长)) return std::nullopt;
  if (边 <= 64) return 按宽度罚分<64>(矩阵);
  if (边 <= 128) return 按宽度罚分<128>(矩阵);
  return 按宽度罚分<最长>(矩阵);
}
