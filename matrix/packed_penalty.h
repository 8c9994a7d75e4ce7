#pragma once
// Penalty rules 1 to 3 on the cells packed into bit rows and bit columns,
// a whole line at a time. Gives the same sums as 掩码辅助类's rules.

#include <cstdint>
#include <optional>

#include "containers/byte_matrix.h"

// Rules 1 + 2 + 3, or nothing when a cell is neither 0 nor 1 or a side is
// longer than 192 (the rules' own walk handles those).
std::optional<std::int32_t> 位压缩罚分1至3(const 字节矩阵类& 矩阵);
