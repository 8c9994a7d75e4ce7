#include "tables/block_group.h"

void 块组类::置值(std::int32_t 数量, std::int32_t 数据字节数) noexcept {
  数量_ = 数量;
  数据字节数_ = 数据字节数;
}
