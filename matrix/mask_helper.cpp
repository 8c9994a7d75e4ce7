#include "matrix/mask_helper.h"

#include <cstdlib>

#include "qrcode/exception_report.h"
#include "tables/qr_code.h"

掩码辅助类::掩码辅助类() : 类名("掩码辅助类") {}

std::int32_t 掩码辅助类::取数据掩码位(std::int32_t 掩码, std::int32_t x, std::int32_t y) const {
  if (!二维码类::是否有效掩码(掩码)) 引发异常(类名, "取数据掩码位", "掩图无效。");
  return 掩码位(掩码, x, y);
}

namespace {

// The cells read in place, row-major; the scores never write them.
struct 单元视图 {
  const std::uint8_t* 格;
  std::size_t 行距;
  std::int32_t 宽;
  std::int32_t 高;

  explicit 单元视图(const 字节矩阵类& 矩阵) noexcept
      : 格(矩阵.单元().单元.data()),
        行距(static_cast<std::size_t>(矩阵.单元().列数)),
        宽(矩阵.取宽度()),
        高(矩阵.取高度()) {}
  const std::uint8_t* 行(std::int32_t y) const noexcept { return 格 + static_cast<std::size_t>(y) * 行距; }
};

}  // namespace

std::int32_t 掩码辅助类::罚分规则1(const 字节矩阵类& 矩阵) const {
  return 罚分规则1_单向(矩阵, true) + 罚分规则1_单向(矩阵, false);
}

std::int32_t 掩码辅助类::罚分规则1_单向(const 字节矩阵类& 矩阵, bool 水平) const {
  const 单元视图 v(矩阵);
  // Lines are rows or columns; 线步 moves to the next line, 格步 along one.
  const std::int32_t 线数 = 水平 ? v.高 : v.宽;
  const std::int32_t 线长 = 水平 ? v.宽 : v.高;
  const std::size_t 线步 = 水平 ? v.行距 : 1;
  const std::size_t 格步 = 水平 ? 1 : v.行距;
  std::int32_t 罚分 = 0;
  std::int32_t 前值 = -1;
  for (std::int32_t i = 0; i < 线数; ++i) {
    const std::uint8_t* p = v.格 + static_cast<std::size_t>(i) * 线步;
    std::int32_t 游程 = 0;
    for (std::int32_t j = 0; j < 线长; ++j, p += 格步) {
      if (*p == 前值) {
        ++游程;
        if (游程 == 5) {
          罚分 += 3;
        } else if (游程 > 5) {
          罚分 += 1;
        }
      } else {
        游程 = 1;
        前值 = *p;
      }
    }
  }
  return 罚分;
}

std::int32_t 掩码辅助类::罚分规则2(const 字节矩阵类& 矩阵) const {
  const 单元视图 视图(矩阵);
  std::int32_t 罚分 = 0;
  for (std::int32_t y = 0; y + 1 < 视图.高; ++y) {
    const std::uint8_t* 上 = 视图.行(y);
    const std::uint8_t* 下 = 视图.行(y + 1);
    for (std::int32_t x = 0; x + 1 < 视图.宽; ++x) {
      const std::uint8_t v = 上[x];
      if (v == 上[x + 1] && v == 下[x] && v == 下[x + 1]) 罚分 += 3;
    }
  }
  return 罚分;
}

namespace {

constexpr std::uint8_t 探测样式[7] = {1, 0, 1, 1, 1, 0, 1};

// The seven cells from p on, step apart, read 1,0,1,1,1,0,1.
bool 是探测样式(const std::uint8_t* p, std::size_t 步) noexcept {
  for (const std::uint8_t 值 : 探测样式) {
    if (*p != 值) return false;
    p += 步;
  }
  return true;
}

// The four cells from p on, step apart, are light.
bool 四格皆浅(const std::uint8_t* p, std::size_t 步) noexcept {
  for (int i = 0; i < 4; ++i, p += 步)
    if (*p != 0) return false;
  return true;
}

// One direction at one position: the pattern, then room and light cells
// after it, else before it.
bool 类探测图(const std::uint8_t* p, std::size_t 步, std::int32_t 位置, std::int32_t 长度) noexcept {
  if (位置 + 6 >= 长度 || !是探测样式(p, 步)) return false;
  if (位置 + 10 < 长度 && 四格皆浅(p + 7 * 步, 步)) return true;
  return 位置 >= 4 && 四格皆浅(p - 4 * 步, 步);
}

}  // namespace

std::int32_t 掩码辅助类::罚分规则3(const 字节矩阵类& 矩阵) const {
  const 单元视图 视图(矩阵);
  std::int32_t 罚分 = 0;
  for (std::int32_t y = 0; y < 视图.高; ++y) {
    for (std::int32_t x = 0; x < 视图.宽; ++x) {
      const std::uint8_t* p = 视图.行(y) + x;
      if (类探测图(p, 1, x, 视图.宽)) 罚分 += 40;
      if (类探测图(p, 视图.行距, y, 视图.高)) 罚分 += 40;
    }
  }
  return 罚分;
}

std::int32_t 掩码辅助类::罚分规则4(const 字节矩阵类& 矩阵) const {
  const 单元视图 视图(矩阵);
  const std::int32_t 总数 = 视图.宽 * 视图.高;
  // A matrix without cells has no proportion; 0/0 would not convert.
  if (总数 <= 0) return 0;
  std::int32_t 暗数 = 0;
  for (std::int32_t y = 0; y < 视图.高; ++y) {
    const std::uint8_t* 行 = 视图.行(y);
    for (std::int32_t x = 0; x < 视图.宽; ++x) 暗数 += 行[x] == 1 ? 1 : 0;
  }
  const float 比例 = static_cast<float>(暗数) / static_cast<float>(总数);
  const auto 偏差 = static_cast<std::int32_t>(static_cast<double>(比例) * 100.0 - 50.0);
  return std::abs(偏差) / 50;
}
