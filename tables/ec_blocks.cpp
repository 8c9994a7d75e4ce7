#include "tables/ec_blocks.h"

void 容错块类::置块组(std::int32_t 每块容错字节数, const 块组类& 组) {
  块组_.assign({组});
  每块容错字节数_ = 每块容错字节数;
}

void 容错块类::置两个块组(std::int32_t 每块容错字节数, const 块组类& 组1, const 块组类& 组2) {
  块组_.assign({组1, 组2});
  每块容错字节数_ = 每块容错字节数;
}

std::int32_t 容错块类::取块数() const noexcept {
  std::int32_t 块数 = 0;
  for (const auto& 组 : 块组_) 块数 += 组.取数量();
  return 块数;
}
