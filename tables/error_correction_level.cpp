#include "tables/error_correction_level.h"

#include <utility>

void 容错级别类::置值(std::int32_t 序号, std::int32_t 格式位, std::string 名称) {
  序号_ = 序号;
  格式位_ = 格式位;
  名称_ = std::move(名称);
}
