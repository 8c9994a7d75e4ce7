#include "qrcode/text_to_integers.h"

#include "platform/text.h"

std::vector<std::int32_t> 文本到整数数组(std::string_view 文本, std::string_view 分隔符) {
  const auto 片段 = platform::split(文本, 分隔符);
  std::vector<std::int32_t> 结果;
  结果.reserve(片段.size());
  for (const auto& 片 : 片段) 结果.push_back(platform::to_integer(片));
  return 结果;
}
