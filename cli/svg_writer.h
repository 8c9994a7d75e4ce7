#pragma once
// SVG files of a symbol with the geometry of the module's BMP.

#include <cstdint>
#include <string>

#include "containers/byte_matrix.h"

namespace cli {

// A width by height picture: a white background and every dark module as
// part of one black path (rows of modules as runs), drawn with crisp edges
// so a rasteriser leaves no hairline gaps.
std::string svg_from_symbol(const 字节矩阵类& symbol, std::int32_t width, std::int32_t height);

}  // namespace cli
