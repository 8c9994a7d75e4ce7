#include "reedsolomon/rs_encoder.h"

#include <algorithm>

#include "qrcode/exception_report.h"
#include "qrcode/field_global.h"
#include "reedsolomon/gfp.h"
#include "reedsolomon/gfpp.h"

namespace {
[[noreturn]] void 无记录报告() { 报告异常(异常记录{}, false); }
}  // namespace

RS编码器类::RS编码器类() : 类名("RS编码器类") {}

void RS编码器类::RS编码器(const GF256& 域) {
  if (域.标识() != 二维码域.标识()) 引发异常(类名, "RS编码器", "GF标识不相同");
  域_ = 域;
  // Started afresh: a second call must not leave [1] at degree 1, which
  // would shift every later generator down by one degree.
  生成多项式表_.clear();
  生成多项式表_.emplace_back(域_, std::vector<std::int32_t>{1});
}

const 多项式类& RS编码器类::生成多项式(std::int32_t 次数) {
  if (生成多项式表_.empty() || 次数 < 0) 无记录报告();
  const auto 目标 = static_cast<std::size_t>(次数);
  if (目标 >= 生成多项式表_.size()) 生成多项式表_.reserve(目标 + 1);
  while (目标 >= 生成多项式表_.size()) {
    const auto d = static_cast<std::int32_t>(生成多项式表_.size());
    // The last generator times (x + alpha^(d-1)), worked in one new list.
    const auto& 上一个 = 生成多项式表_.back().系数();
    std::vector<std::int32_t> 系数;
    系数.reserve(上一个.size() + 1);
    系数.assign(上一个.begin(), 上一个.end());
    系数.push_back(0);
    const std::int32_t 根 = 域_.指数(d - 1);
    for (std::size_t i = 系数.size() - 1; i > 0; --i) 系数[i] ^= 域_.相乘(系数[i - 1], 根);
    生成多项式表_.emplace_back(域_, std::move(系数));
  }
  return 生成多项式表_[目标];
}

多项式类 RS编码器类::建立生成多项式(std::int32_t 次数) { return 生成多项式(次数); }

void RS编码器类::编码(std::vector<std::int32_t>& 码字, std::int32_t 容错字节数) {
  // A negative count has no EC codewords either.
  if (容错字节数 <= 0) 引发异常(类名, "编码", "没有容错字节");
  const auto 容错数 = static_cast<std::size_t>(容错字节数);
  if (码字.size() <= 容错数) 引发异常(类名, "编码", "未提供数据字节");
  const std::size_t 数据数 = 码字.size() - 容错数;

  const 多项式类& 生成 = 生成多项式(容错字节数);
  // Only field elements have logarithms; anything else would read past the tables.
  for (std::size_t i = 0; i < 数据数; ++i) {
    if (static_cast<std::uint32_t>(码字[i]) > 255u) 无记录报告();
  }

  // Leading zero data codewords are stripped here; the remainder is the same.
  const 多项式类 信息(域_, std::vector<std::int32_t>(码字.begin(), 码字.begin() + static_cast<std::ptrdiff_t>(数据数)));
  GFPP 除法;
  除法.置被除式(GFP(GFP(信息).叠加单项式(容错字节数, 1)));
  std::vector<多项式类> 商和余;
  除法.分离(生成, 商和余);

  const std::vector<std::int32_t>& 余 = 商和余[1].系数();
  const std::size_t 前导零 = 容错数 - 余.size();
  std::fill(码字.begin() + static_cast<std::ptrdiff_t>(数据数),
            码字.begin() + static_cast<std::ptrdiff_t>(数据数 + 前导零), 0);
  std::copy(余.begin(), 余.end(), 码字.begin() + static_cast<std::ptrdiff_t>(数据数 + 前导零));
}
