#include "qrcode/scaling.h"

#include "tables/qr_code.h"

namespace {
constexpr std::int32_t 静区 = 2;  // modules on each side
constexpr double 容差 = 1e-7;
}  // namespace

字节矩阵类 缩放矩阵(const 二维码类& 记录, std::int32_t 宽度, std::int32_t 高度) {
  const 字节矩阵类& 符号 = 记录.矩阵();
  const std::int32_t w = 符号.取宽度();
  const std::int32_t h = 符号.取高度();
  const std::int32_t qw = w + 2 * 静区;
  const std::int32_t qh = h + 2 * 静区;
  const std::int32_t ow = 宽度 > qw ? 宽度 : qw;
  const std::int32_t oh = 高度 > qh ? 高度 : qh;

  const double rw = static_cast<double>(ow) / qw;
  const double rh = static_cast<double>(oh) / qh;
  const auto m = static_cast<std::int32_t>(rw - rh < -容差 ? rw : rh);
  const std::int32_t 左 = (ow - w * m) / 2;
  const std::int32_t 上 = (oh - h * m) / 2;

  字节矩阵类 输出;
  输出.置尺寸(ow, oh);
  // The new matrix is all light, so only the dark modules are drawn.
  for (std::int32_t y = 0; y < h; ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      if (符号.取单元值(x, y) != 1) continue;
      const std::int32_t 列 = 左 + x * m;
      const std::int32_t 行 = 上 + y * m;
      for (std::int32_t dy = 0; dy < m; ++dy) {
        for (std::int32_t dx = 0; dx < m; ++dx) 输出.置单元值(列 + dx, 行 + dy, 1);
      }
    }
  }
  return 输出;
}
