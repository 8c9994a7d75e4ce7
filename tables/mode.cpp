#include "tables/mode.h"

#include <utility>

#include "platform/text.h"
#include "qrcode/exception_report.h"
#include "tables/version.h"

void 模式类::置值(std::vector<std::int32_t> 字符计数位数, std::int32_t 模式位, std::string 名称) {
  字符计数位数_ = std::move(字符计数位数);
  模式位_ = 模式位;
  名称_ = std::move(名称);
}

std::int32_t 模式类::取字符计数位数(const 版本类& 版本) const { return 取字符计数位数(版本.取版本号()); }

std::int32_t 模式类::取字符计数位数(std::int32_t 版本号) const {
  const std::size_t 索引 = 版本号 <= 9 ? 0 : 版本号 <= 26 ? 1 : 2;
  // An empty mode (an unknown indicator) has no widths; reading past the
  // list would be undefined, so it is reported instead.
  if (索引 >= 字符计数位数_.size()) {
    引发异常("模式类", "取字符计数位数", "索引异常。当前索引：" + platform::to_decimal(static_cast<std::int64_t>(索引)));
  }
  return 字符计数位数_[索引];
}
