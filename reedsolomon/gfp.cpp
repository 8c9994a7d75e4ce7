#include "reedsolomon/gfp.h"

#include <span>

#include "qrcode/exception_report.h"

namespace {

[[noreturn]] void 无记录报告() { 报告异常(异常记录{}, false); }

const 多项式类& 已设置的(const 多项式类& 多项式) {
  if (!多项式.已设置()) 无记录报告();
  return 多项式;
}

多项式类 零多项式(const GF256& 域) { return 多项式类(域, 域.取零系数()); }

}  // namespace

const 多项式类& GFP::操作数() const { return 已设置的(多项式_); }

多项式类 GFP::加或减(const 多项式类& 其他) const {
  const 多项式类& p = 操作数();
  已设置的(其他);
  if (!p.域().同域(其他.域())) 引发异常(类名, "加或减", "GF256信息不相同");
  if (p.是否为零()) return 其他;
  if (其他.是否为零()) return p;
  const std::vector<std::int32_t>* 较短 = &p.系数();
  const std::vector<std::int32_t>* 较长 = &其他.系数();
  if (较短->size() > 较长->size()) std::swap(较短, 较长);
  const std::size_t 差 = 较长->size() - 较短->size();
  std::vector<std::int32_t> 和(*较长);
  for (std::size_t i = 差; i < 和.size(); ++i) 和[i] = GF256::元素加减((*较短)[i - 差], 和[i]);
  return 多项式类(p.域(), std::move(和));
}

多项式类 GFP::多项式相乘(const 多项式类& 其他) const {
  const 多项式类& p = 操作数();
  已设置的(其他);
  if (!p.域().同域(其他.域())) 引发异常(类名, "多项式相乘", "GF256信息不相同");
  if (p.是否为零() || 其他.是否为零()) return 零多项式(p.域());
  const auto& a = p.系数();
  const auto& b = 其他.系数();
  const GF256& 域 = p.域();
  std::vector<std::int32_t> 积(a.size() + b.size() - 1, 0);
  // Row by row: 积[i + j] ^= a[i]·b[j]; the order of the sums does not matter.
  for (std::size_t i = 0; i < a.size(); ++i) 域.乘后累加(std::span(积).subspan(i, b.size()), b, a[i]);
  return 多项式类(域, std::move(积));
}

多项式类 GFP::数乘(std::int32_t 标量) const {
  const 多项式类& p = 操作数();
  if (标量 == 0) return 零多项式(p.域());
  if (标量 == 1) return p;
  std::vector<std::int32_t> 积(p.系数());
  for (std::int32_t& c : 积) c = p.域().相乘(c, 标量);
  return 多项式类(p.域(), std::move(积));
}

多项式类 GFP::叠加单项式(std::int32_t 次数, std::int32_t 系数) const {
  if (次数 < 0) 引发异常(类名, "叠加单项式", "维度小于0");
  const 多项式类& p = 操作数();
  if (系数 == 0) return 零多项式(p.域());
  const auto& a = p.系数();
  std::vector<std::int32_t> 积(a.size() + static_cast<std::size_t>(次数), 0);
  for (std::size_t i = 0; i < a.size(); ++i) 积[i] = p.域().相乘(a[i], 系数);
  return 多项式类(p.域(), std::move(积));
}

多项式类 GFP::构造单项式(std::int32_t 次数, std::int32_t 系数) const {
  if (次数 < 0) 引发异常(类名, "构造单项式", "度小于0");
  const 多项式类& p = 操作数();
  if (系数 == 0) return 零多项式(p.域());
  std::vector<std::int32_t> 单项(static_cast<std::size_t>(次数) + 1, 0);
  单项[0] = 系数;
  return 多项式类(p.域(), std::move(单项));
}
