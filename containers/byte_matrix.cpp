#include "containers/byte_matrix.h"

#include <algorithm>

#include "qrcode/exception_report.h"

字节矩阵类::字节矩阵类() : 类名("字节矩阵类"), 单元_(1, 1, 0) {}

void 字节矩阵类::置字节矩阵(const 字节网格& 数组) {
  if (数组.行数 < 1 || 数组.列数 < 1) 引发异常(类名, "置字节矩阵", "不是矩阵");
  for (std::int32_t y = 0; y < 数组.行数; ++y) {
    for (std::int32_t x = 0; x < 数组.列数; ++x) 单元_(y, x) = 数组(y, x);
  }
}

void 字节矩阵类::置尺寸(std::int32_t 宽度, std::int32_t 高度) {
  单元_ = 字节网格(高度, 宽度, 0);
  宽度_ = 宽度;
  高度_ = 高度;
}

void 字节矩阵类::清除(std::uint8_t 值) {
  // A matrix not yet sized has no cells to clear.
  if (宽度_ > 0 && 高度_ > 0) std::fill(单元_.单元.begin(), 单元_.单元.end(), 值);
}

std::string 字节矩阵类::到文本() const {
  std::string 文本;
  for (std::int32_t y = 0; y < 高度_; ++y) {
    if (y > 0) 文本 += "\r\n";
    for (std::int32_t x = 0; x < 宽度_; ++x) {
      if (x > 0) 文本 += ',';
      文本 += std::to_string(单元_(y, x));
    }
  }
  return 文本;
}
