#pragma once
// GF(2^8) arithmetic done bit by bit, without the field's tables, so the
// tests check the tables and the encoder against the arithmetic itself.

#include <cstdint>
#include <vector>

namespace 参考 {

inline std::int32_t 乘(std::int32_t a, std::int32_t b, std::int32_t 本原 = 285) {
  std::int32_t 积 = 0;
  for (; b != 0; b >>= 1) {
    if (b & 1) 积 ^= a;
    a <<= 1;
    if (a & 0x100) a ^= 本原;
  }
  return 积;
}

inline std::int32_t alpha幂(std::int32_t 次数) {
  std::int32_t x = 1;
  for (std::int32_t i = 0; i < 次数; ++i) x = 乘(x, 2);
  return x;
}

// Horner over coefficients given highest degree first.
inline std::int32_t 求值(const std::vector<std::int32_t>& 系数, std::int32_t x) {
  std::int32_t r = 0;
  for (const std::int32_t c : 系数) r = 乘(r, x) ^ c;
  return r;
}

}  // namespace 参考
