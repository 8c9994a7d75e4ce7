#include "reedsolomon/polynomial.h"

#include <algorithm>

#include "platform/text.h"
#include "qrcode/exception_report.h"

namespace {
[[noreturn]] void 无记录报告() { 报告异常(异常记录{}, false); }
}  // namespace

std::int32_t 多项式类::取系数_按次数(std::int32_t 次数) const {
  if (次数 < 0 || 次数 > 取次数()) 无记录报告();
  return 系数_[系数_.size() - 1 - static_cast<std::size_t>(次数)];
}

void 多项式类::置域和系数(const GF256& 域, std::vector<std::int32_t> 系数) {
  if (系数.empty()) 无记录报告();
  域_ = 域;
  if (系数.size() > 1 && 系数[0] == 0) {
    const auto 首个非零 = std::find_if(系数.begin() + 1, 系数.end(), [](std::int32_t c) { return c != 0; });
    if (首个非零 == 系数.end()) {
      系数 = 域.取零系数();
    } else {
      系数.erase(系数.begin(), 首个非零);
    }
  }
  系数_ = std::move(系数);
}

std::int32_t 多项式类::求值(std::int32_t a) const {
  if (系数_.empty()) 无记录报告();
  if (a == 0) return 系数_.back();
  if (a == 1) {
    std::int32_t 和 = 0;
    for (const std::int32_t c : 系数_) 和 = GF256::元素加减(和, c);
    return 和;
  }
  std::int32_t r = 系数_[0];
  for (std::size_t i = 1; i < 系数_.size(); ++i) r = GF256::元素加减(域_.相乘(a, r), 系数_[i]);
  return r;
}

std::string 多项式类::到文本() const {
  std::string 文本;
  for (std::int32_t 次数 = 取次数(); 次数 >= 0; --次数) {
    const std::int32_t c = 取系数_按次数(次数);
    if (c == 0) continue;
    if (!文本.empty()) 文本 += " + ";
    if (次数 == 0 || c != 1) {
      const std::int32_t k = 域_.对数(c);
      if (k == 0) {
        文本 += '1';
      } else if (k == 1) {
        文本 += 'a';
      } else {
        文本 += "a^" + platform::to_decimal(k);
      }
    }
    if (次数 == 1) {
      文本 += 'x';
    } else if (次数 > 1) {
      文本 += "x^" + platform::to_decimal(次数);
    }
  }
  return 文本;
}
