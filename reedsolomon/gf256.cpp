#include "reedsolomon/gf256.h"

#include "platform/text.h"
#include "qrcode/exception_report.h"

namespace {

// The field reports its failures without a record.
[[noreturn]] void 无记录报告() { 报告异常(异常记录{}, false); }

constexpr bool 是元素(std::int32_t a) noexcept { return static_cast<std::uint32_t>(a) <= 255u; }

}  // namespace

void GF256::置本原多项式(std::int32_t 多项式) {
  // Any other value lets the shift run past the 8 bits the tables index.
  if (多项式 < 256 || 多项式 > 511) 无记录报告();
  auto 表 = std::make_shared<表组>();
  表->标识 = "GF256:" + platform::to_decimal(多项式);
  std::int32_t x = 1;
  for (std::size_t i = 0; i < 256; ++i) {
    表->指数表[i] = x;
    x <<= 1;
    if (x >= 256) x ^= 多项式;
  }
  // Entry 255 repeats entry 0, so the logarithm of 1 stays 0.
  for (std::int32_t i = 0; i < 255; ++i) 表->对数表[static_cast<std::size_t>(表->指数表[static_cast<std::size_t>(i)])] = i;
  表_ = std::move(表);
}

std::int32_t GF256::指数(std::int32_t a) const {
  if (!表_ || !是元素(a)) 无记录报告();
  return 表_->指数表[static_cast<std::size_t>(a)];
}

std::int32_t GF256::对数(std::int32_t a) const {
  if (!表_ || a == 0 || !是元素(a)) 无记录报告();
  return 表_->对数表[static_cast<std::size_t>(a)];
}

std::int32_t GF256::求逆(std::int32_t a) const {
  if (!表_ || a == 0 || !是元素(a)) 无记录报告();
  return 表_->指数表[static_cast<std::size_t>(255 - 表_->对数表[static_cast<std::size_t>(a)])];
}

std::int32_t GF256::相乘(std::int32_t a, std::int32_t b) const {
  if (a == 0 || b == 0) return 0;
  // Both shortcuts come before any table is read.
  if (a == 1) return b;
  if (b == 1) return a;
  if (!表_ || !是元素(a) || !是元素(b)) 无记录报告();
  const auto& 表 = *表_;
  return 表.指数表[static_cast<std::size_t>(
      (表.对数表[static_cast<std::size_t>(a)] + 表.对数表[static_cast<std::size_t>(b)]) % 255)];
}

std::vector<std::int32_t> GF256::取指数表() const {
  if (!表_) return {};
  return {表_->指数表.begin(), 表_->指数表.end()};
}

std::vector<std::int32_t> GF256::取对数表() const {
  if (!表_) return {};
  return {表_->对数表.begin(), 表_->对数表.end()};
}
