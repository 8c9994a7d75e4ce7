#pragma once
// A two-dimensional byte array [rows][columns], stored row-major.

#include <cstdint>
#include <vector>

struct 字节网格 {
  std::int32_t 行数 = 0;
  std::int32_t 列数 = 0;
  std::vector<std::uint8_t> 单元;

  字节网格() = default;
  字节网格(std::int32_t 行, std::int32_t 列, std::uint8_t 值 = 0)
      : 行数(行), 列数(列), 单元(static_cast<std::size_t>(行) * static_cast<std::size_t>(列), 值) {}

  std::uint8_t& operator()(std::int32_t 行, std::int32_t 列) noexcept {
    return 单元[static_cast<std::size_t>(行) * static_cast<std::size_t>(列数) + static_cast<std::size_t>(列)];
  }
  std::uint8_t operator()(std::int32_t 行, std::int32_t 列) const noexcept {
    return 单元[static_cast<std::size_t>(行) * static_cast<std::size_t>(列数) + static_cast<std::size_t>(列)];
  }
  friend bool operator==(const 字节网格&, const 字节网格&) = default;
};
