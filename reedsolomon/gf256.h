#pragma once
// GF(2^8): elements 0..255, addition is XOR, multiplication goes through
// the exponent and logarithm tables of alpha = 2.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class GF256 {
 public:
  static constexpr std::string_view 类名 = "GF256";

  // Unbuilt: empty 标识 and tables; usable after 置本原多项式.
  constexpr GF256() noexcept = default;

  std::string 取标识() const { return std::string(标识()); }
  std::vector<std::int32_t> 取零系数() const { return {0}; }
  // Builds the tables anew; copies made before keep the tables they had.
  // The polynomial must have degree 8 (256..511); no other check.
  void 置本原多项式(std::int32_t 多项式);

  static constexpr std::int32_t 元素加减(std::int32_t a, std::int32_t b) noexcept { return a ^ b; }
  std::int32_t 指数(std::int32_t a) const;
  std::int32_t 对数(std::int32_t a) const;
  std::int32_t 求逆(std::int32_t a) const;
  // Inline: every coefficient operation of the encoder comes through here.
  std::int32_t 相乘(std::int32_t a, std::int32_t b) const {
    if (a == 0 || b == 0) return 0;
    // Both shortcuts come before any table is read.
    if (a == 1) return b;
    if (b == 1) return a;
    if (!表_ || static_cast<std::uint32_t>(a) > 255u || static_cast<std::uint32_t>(b) > 255u) 无记录报告();
    const 表组& 表 = *表_;
    return 表.指数表[static_cast<std::size_t>(
        (表.对数表[static_cast<std::size_t>(a)] + 表.对数表[static_cast<std::size_t>(b)]) % 255)];
  }
  std::vector<std::int32_t> 取指数表() const;
  std::vector<std::int32_t> 取对数表() const;

  // 目标[j] ^= 相乘(系数[j], 标量) for every j (the spans have one length;
  // a value that is no element is refused), in the logarithm domain: the
  // bulk step of products and division.
  void 乘后累加(std::span<std::int32_t> 目标, std::span<const std::int32_t> 系数, std::int32_t 标量) const;

  // No-copy forms for the hot paths.
  std::string_view 标识() const noexcept { return 表_ ? std::string_view(表_->标识) : std::string_view(); }
  // Same field: equal 标识 (sharing the tables settles it at once).
  bool 同域(const GF256& 其他) const noexcept { return 表_ == 其他.表_ || 标识() == 其他.标识(); }
  bool 已建立() const noexcept { return 表_ != nullptr; }

 private:
  struct 表组 {
    std::string 标识;
    std::array<std::int32_t, 256> 指数表{};
    std::array<std::int32_t, 256> 对数表{};
    // alpha^i for i = 0..509, so a sum of two logarithms needs no mod 255.
    std::array<std::int32_t, 510> 倍指数表{};
  };

  // The field reports its failures without a record.
  [[noreturn]] static void 无记录报告();

  // Read-only once built, so every copy of a field shares it.
  std::shared_ptr<const 表组> 表_;
};
