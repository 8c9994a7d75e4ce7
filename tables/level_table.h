#pragma once
// The four levels: one named slot each, and copies of the same four in a
// list in the order L, M, Q, H.

#include <array>

#include "tables/error_correction_level.h"

struct 容错级别表类 {
  容错级别类 L;
  容错级别类 M;
  容错级别类 Q;
  容错级别类 H;
  std::array<容错级别类, 4> 列表;

  friend bool operator==(const 容错级别表类&, const 容错级别表类&) = default;
};
