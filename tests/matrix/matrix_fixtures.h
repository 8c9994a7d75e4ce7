#pragma once
// Small helpers shared by the matrix tests: levels, sized matrices and
// hand-made grids.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "containers/bit_vector.h"
#include "containers/byte_matrix.h"
#include "tables/error_correction_level.h"

inline 容错级别类 级别(char 字母) {
  容错级别类 l;
  switch (字母) {
    case 'L': l.置值(1, 1, "L"); break;
    case 'M': l.置值(2, 0, "M"); break;
    case 'Q': l.置值(3, 3, "Q"); break;
    default: l.置值(4, 2, "H"); break;
  }
  return l;
}

inline std::int32_t 维长度(std::int32_t 版本号) { return 17 + 4 * 版本号; }

// A W x W matrix for the version, every cell empty.
inline 字节矩阵类 空矩阵(std::int32_t 版本号) {
  字节矩阵类 m;
  m.置尺寸(维长度(版本号), 维长度(版本号));
  m.清除(255);
  return m;
}

// Rows top to bottom, as written in the test.
inline 字节矩阵类 矩阵自(std::initializer_list<std::initializer_list<int>> 行) {
  字节矩阵类 m;
  const auto 高 = static_cast<std::int32_t>(行.size());
  const auto 宽 = static_cast<std::int32_t>(行.begin()->size());
  m.置尺寸(宽, 高);
  std::int32_t y = 0;
  for (const auto& r : 行) {
    std::int32_t x = 0;
    for (const int v : r) m.置单元值(x++, y, v);
    ++y;
  }
  return m;
}

inline 字节矩阵类 填满(std::int32_t 宽, std::int32_t 高, std::uint8_t 值) {
  字节矩阵类 m;
  m.置尺寸(宽, 高);
  m.清除(值);
  return m;
}

inline std::int32_t 计数(const 字节矩阵类& m, std::uint8_t 值) {
  std::int32_t n = 0;
  for (std::int32_t y = 0; y < m.取高度(); ++y)
    for (std::int32_t x = 0; x < m.取宽度(); ++x) n += m.取单元值(x, y) == 值 ? 1 : 0;
  return n;
}

inline 位向量类 位流(const std::vector<int>& 位) {
  位向量类 v;
  for (const int b : 位) v.追加位(b);
  return v;
}

// n bits, all of value b.
inline 位向量类 同值位流(std::int32_t n, int b) {
  位向量类 v;
  for (std::int32_t i = 0; i < n; ++i) v.追加位(b);
  return v;
}
