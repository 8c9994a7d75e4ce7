#pragma once
// A grid of byte cells; x is the column, y the row, from the top left.
// Cells hold 0 (light), 1 (dark) or 255 (not yet written).

#include <cstdint>
#include <string>

#include "containers/byte_grid.h"

class 字节矩阵类 {
 public:
  字节矩阵类();

  std::int32_t 取高度() const noexcept { return 高度_; }
  std::int32_t 取宽度() const noexcept { return 宽度_; }
  字节网格 取数组() const { return 单元_; }
  void 置字节矩阵(const 字节网格& 数组);
  void 置尺寸(std::int32_t 宽度, std::int32_t 高度);
  std::uint8_t 取单元值(std::int32_t x, std::int32_t y) const noexcept { return 单元_(y, x); }
  void 置单元值(std::int32_t x, std::int32_t y, std::int32_t 值) noexcept {
    单元_(y, x) = static_cast<std::uint8_t>(值 & 0xFF);
  }
  void 清除(std::uint8_t 值 = 0);
  std::string 到文本() const;

  // Read-only view of the cells, for callers that only read them.
  const 字节网格& 单元() const noexcept { return 单元_; }

  friend bool operator==(const 字节矩阵类& a, const 字节矩阵类& b) noexcept {
    return a.宽度_ == b.宽度_ && a.高度_ == b.高度_ && a.单元_ == b.单元_;
  }

 private:
  std::string 类名;
  字节网格 单元_;
  std::int32_t 宽度_ = 0;
  std::int32_t 高度_ = 0;
};
