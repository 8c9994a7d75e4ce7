#pragma once
// Arithmetic on polynomials: holds one operand and makes new polynomials
// from it; the operand is never changed.

#include <cstdint>
#include <string>
#include <utility>

#include "reedsolomon/polynomial.h"

class GFP : public 多项式类 {
 public:
  GFP() = default;
  explicit GFP(多项式类 多项式) : 多项式_(std::move(多项式)) {}

  void 置多项式(多项式类 多项式) { 多项式_ = std::move(多项式); }
  多项式类 取多项式() const { return 多项式_; }
  const 多项式类& 多项式() const noexcept { return 多项式_; }

  多项式类 加或减(const 多项式类& 其他) const;
  多项式类 多项式相乘(const 多项式类& 其他) const;
  多项式类 数乘(std::int32_t 标量) const;
  // 多项式 × 系数·x^次数.
  多项式类 叠加单项式(std::int32_t 次数, std::int32_t 系数) const;
  // 系数·x^次数 over the field of 多项式.
  多项式类 构造单项式(std::int32_t 次数, std::int32_t 系数) const;

 protected:
  // The held operand; an unset one is a failure without a record.
  const 多项式类& 操作数() const;

 private:
  std::string 类名 = "GFP";
  多项式类 多项式_;
};
