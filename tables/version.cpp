#include "tables/version.h"

#include "platform/text.h"
#include "qrcode/exception_report.h"

void 版本类::置值(std::int32_t 版本号, const 容错块类& L, const 容错块类& M, const 容错块类& Q,
                  const 容错块类& H) {
  版本号_ = 版本号;
  容错块组_ = {L, M, Q, H};
  // Every level fills the same symbol, so L alone gives the total.
  总字节数_ = 0;
  for (const auto& 组 : L.块组()) 总字节数_ += 组.取数量() * (组.取数据字节数() + L.取每块容错字节数());
}

const 容错块类& 版本类::容错块(const 容错级别类& 级别) const {
  const std::int32_t 序号 = 级别.取序号();
  // Only the four table levels have an entry; any other ordinal would read
  // outside the list.
  if (序号 < 1 || 序号 > static_cast<std::int32_t>(容错块组_.size())) {
    引发异常("版本类", "取容错块", "索引异常。当前索引：" + platform::to_decimal(序号));
  }
  return 容错块组_[static_cast<std::size_t>(序号 - 1)];
}

std::string 版本类::到字符串() const { return platform::to_decimal(版本号_); }
