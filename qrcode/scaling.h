#pragma once
// Enlarges a finished symbol by a whole number into the output size.

#include <cstdint>

#include "containers/byte_matrix.h"

class 二维码类;

// The record's symbol with a two-module quiet zone, scaled by the largest
// whole factor that fits the requested size and centred (an odd pixel goes
// right or down). The result is never smaller than the symbol with its
// quiet zone, so it may be larger than asked for. Cells are 0 and 1 only.
字节矩阵类 缩放矩阵(const 二维码类& 记录, std::int32_t 宽度, std::int32_t 高度);
