#pragma once
// Turns a scaled symbol into the bytes of a 24-bit BMP file.

#include <cstdint>

#include "containers/byte_array.h"
#include "containers/byte_grid.h"

// A width by height image, white where a cell is not 1 and black where it
// is; cells outside the array count as white. Rows are stored bottom-up,
// each padded with zeros to a multiple of four bytes. Callers keep the
// file within 2 GiB (see 位图文件大小).
字节集 矩阵到位图(const 字节网格& 单元, std::int32_t 宽度, std::int32_t 高度);

// Size in bytes of the file 矩阵到位图 writes for a width by height image.
std::int64_t 位图文件大小(std::int64_t 宽度, std::int64_t 高度) noexcept;
