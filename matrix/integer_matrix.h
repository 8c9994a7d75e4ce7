#pragma once
// A small table of 32-bit integers [row][column], as the builder's fixed
// patterns are written: rows separated by one text, cells by another.

#include <cstdint>
#include <string_view>
#include <vector>

struct 整数矩阵 {
  std::int32_t 列数 = 0;
  std::vector<std::vector<std::int32_t>> 行;

  std::int32_t 行数() const noexcept { return static_cast<std::int32_t>(行.size()); }
  // [row][column], 0-based.
  std::int32_t operator()(std::int32_t 行号, std::int32_t 列号) const noexcept {
    return 行[static_cast<std::size_t>(行号)][static_cast<std::size_t>(列号)];
  }
  friend bool operator==(const 整数矩阵&, const 整数矩阵&) = default;
};

// A row with fewer cells than the widest one is padded with 0.
整数矩阵 文本到整数矩阵(std::string_view 文本, std::string_view 行分隔符, std::string_view 单元分隔符);

// Row r (1-based) as a list, or an empty list when there is no such row.
std::vector<std::int32_t> 取矩阵行(const 整数矩阵& 矩阵, std::int32_t 行号);
