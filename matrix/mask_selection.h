#pragma once
// Scoring a finished symbol and choosing the data mask with the lowest
// score. The encoder's methods of the same names call these.

#include <cstdint>

#include "containers/bit_vector.h"
#include "containers/byte_matrix.h"
#include "tables/error_correction_level.h"

// The sum of the four penalty rules.
std::int32_t 计算掩码惩罚(const 字节矩阵类& 矩阵);

// Builds the symbol into 工作矩阵 (sized by the caller) with each mask 0..7
// and returns the one with the lowest penalty, the lowest mask on a tie.
// The working matrix is left holding the build with mask 7.
std::int32_t 选择掩码(const 位向量类& 数据位, const 容错级别类& 级别, std::int32_t 版本号, 字节矩阵类& 工作矩阵);
