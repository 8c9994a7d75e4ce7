#pragma once
// The record of one built symbol. Its seven integer fields use -1 for
// "not set".

#include <cstdint>
#include <string>

#include "containers/byte_matrix.h"
#include "tables/error_correction_level.h"

class 二维码类 {
 public:
  // A data mask pattern is one of 0..7.
  static constexpr bool 是否有效掩码(std::int32_t 掩码) noexcept { return 掩码 >= 0 && 掩码 < 8; }
};
