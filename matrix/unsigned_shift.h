#pragma once

#include <cstdint>

// Shifts the 32-bit pattern of 值 right with zero fill; the count is taken
// modulo 32, as the machine shift does.
constexpr std::int32_t 无符号右移(std::int32_t 值, std::int32_t n) noexcept {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(值) >> (static_cast<std::uint32_t>(n) & 31U));
}
