#pragma once
// The eight data mask conditions and the four penalty rules by which a
// finished symbol is scored. Stateless apart from its name.

#include <cstdint>
#include <string>

#include "containers/byte_matrix.h"
#include "matrix/unsigned_shift.h"

class 掩码辅助类 {
 public:
  掩码辅助类();

  // 1 when the mask inverts the module in column x, row y.
  std::int32_t 取数据掩码位(std::int32_t 掩码, std::int32_t x, std::int32_t y) const;
  // The same for a mask already known to be 0..7, for the per-cell loop.
  static constexpr std::int32_t 掩码位(std::int32_t 掩码, std::int32_t x, std::int32_t y) noexcept {
    std::int32_t v = 0;
    switch (掩码) {
      case 0: v = (x + y) % 2; break;
      case 1: v = y % 2; break;
      case 2: v = x % 3; break;
      case 3: v = (x + y) % 3; break;
      case 4: v = (无符号右移(y, 1) + x / 3) % 2; break;
      case 5: v = (x * y) % 2 + (x * y) % 3; break;
      case 6: v = ((x * y) % 2 + (x * y) % 3) % 2; break;
      case 7: v = ((x * y) % 3 + (x + y) % 2) % 2; break;
      default: break;
    }
    return v == 0 ? 1 : 0;
  }
  // Runs of five or more equal cells in rows and columns.
  std::int32_t 罚分规则1(const 字节矩阵类& 矩阵) const;
  // 2 x 2 blocks of one colour.
  std::int32_t 罚分规则2(const 字节矩阵类& 矩阵) const;
  // 1:1:3:1:1 finder-like runs with four light cells on one side.
  std::int32_t 罚分规则3(const 字节矩阵类& 矩阵) const;
  // The proportion of dark cells.
  std::int32_t 罚分规则4(const 字节矩阵类& 矩阵) const;
  std::int32_t 罚分规则1_单向(const 字节矩阵类& 矩阵, bool 水平) const;

 private:
  std::string 类名;
};
