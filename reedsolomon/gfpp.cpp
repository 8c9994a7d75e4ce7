#include "reedsolomon/gfpp.h"

#include <span>

#include "qrcode/exception_report.h"

void GFPP::分离(const 多项式类& 除式, std::vector<多项式类>& 结果) const {
  const 多项式类& 被除 = 被除式_.多项式();
  if (!被除.已设置() || !除式.已设置()) 报告异常(异常记录{}, false);
  const GF256& 域 = 被除.域();
  if (!域.同域(除式.域())) 引发异常(类名, "分离", "GF256不同");
  if (除式.是否为零()) 引发异常(类名, "分离", "除数为0");

  多项式类 商(域, 域.取零系数());
  多项式类 余(被除);
  const auto& g = 除式.系数();
  const std::size_t m = g.size();
  if (!被除.是否为零() && 被除.系数().size() >= m) {
    // Long division in one working list: each step cancels the leading
    // term of what is left, exactly as subtracting scale·x^diff·divisor.
    std::vector<std::int32_t> 剩余(被除.系数());
    std::vector<std::int32_t> 商系数(剩余.size() - m + 1, 0);
    const std::int32_t 逆 = 域.求逆(g[0]);
    for (std::size_t i = 0; i < 商系数.size(); ++i) {
      if (剩余[i] == 0) continue;
      const std::int32_t 比例 = 域.相乘(剩余[i], 逆);
      商系数[i] = 比例;
      域.乘后累加(std::span(剩余).subspan(i, m), g, 比例);
    }
    商 = 多项式类(域, std::move(商系数));
    if (m == 1) {
      余 = 多项式类(域, 域.取零系数());
    } else {
      剩余.erase(剩余.begin(), 剩余.end() - static_cast<std::ptrdiff_t>(m - 1));
      余 = 多项式类(域, std::move(剩余));
    }
  }
  结果.reserve(结果.size() + 2);
  结果.push_back(std::move(商));
  结果.push_back(std::move(余));
}
