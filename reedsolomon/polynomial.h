#pragma once
// A polynomial over GF(256): a field and its coefficients, highest degree
// first, with no leading zeros (the zero polynomial is exactly [0]).

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "reedsolomon/gf256.h"

class 多项式类 {
 public:
  // Unset: no coefficients and an unbuilt field, until 置域和系数.
  多项式类() = default;
  多项式类(const GF256& 域, std::vector<std::int32_t> 系数) { 置域和系数(域, std::move(系数)); }

  GF256 取域() const { return 域_; }
  std::vector<std::int32_t> 取系数() const { return 系数_; }
  std::int32_t 取次数() const noexcept { return static_cast<std::int32_t>(系数_.size()) - 1; }
  bool 是否为零() const noexcept { return !系数_.empty() && 系数_[0] == 0; }
  // The coefficient of x^次数, 0 <= 次数 <= 取次数().
  std::int32_t 取系数_按次数(std::int32_t 次数) const;
  void 置域和系数(const GF256& 域, std::vector<std::int32_t> 系数);
  std::int32_t 求值(std::int32_t a) const;
  std::string 到文本() const;

  // No-copy views.
  const std::vector<std::int32_t>& 系数() const noexcept { return 系数_; }
  const GF256& 域() const noexcept { return 域_; }
  bool 已设置() const noexcept { return !系数_.empty(); }

 private:
  std::vector<std::int32_t> 系数_;
  GF256 域_;
};
