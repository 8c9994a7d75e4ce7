#include "reedsolomon/gf256.h"

#include "platform/text.h"
#include "qrcode/exception_report.h"

namespace {

constexpr bool 是元素(std::int32_t a) noexcept { return static_cast<std::uint32_t>(a) <= 255u; }

}  // namespace

void GF256::无记录报告() { 报告异常(异常记录{}, false); }

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
  for (std::size_t i = 0; i < 表->倍指数表.size(); ++i) 表->倍指数表[i] = 表->指数表[i % 255];
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

void GF256::乘后累加(std::span<std::int32_t> 目标, std::span<const std::int32_t> 系数, std::int32_t 标量) const {
  if (标量 == 0) return;
  if (标量 == 1) {
    for (std::size_t j = 0; j < 系数.size(); ++j) 目标[j] ^= 系数[j];
    return;
  }
  if (!表_ || !是元素(标量)) 无记录报告();
  const 表组& 表 = *表_;
  const std::int32_t 标量对数 = 表.对数表[static_cast<std::size_t>(标量)];
  for (std::size_t j = 0; j < 系数.size(); ++j) {
    const std::int32_t c = 系数[j];
    if (c == 0) continue;
    if (!是元素(c)) 无记录报告();
    目标[j] ^= 表.倍指数表[static_cast<std::size_t>(表.对数表[static_cast<std::size_t>(c)] + 标量对数)];
  }
}

std::vector<std::int32_t> GF256::取指数表() const {
  if (!表_) return {};
  return {表_->指数表.begin(), 表_->指数表.end()};
}

std::vector<std::int32_t> GF256::取对数表() const {
  if (!表_) return {};
  return {表_->对数表.begin(), 表_->对数表.end()};
}
