#pragma once
// A symbol drawn with Unicode half blocks: one module per column, two module
// rows per line, with the same two-module quiet zone as the images.

#include <string>

#include "containers/byte_matrix.h"

namespace cli {

// With colour every line sets black on white itself, so the code is dark on
// light whatever the terminal's own colours; without, dark modules are
// drawn as the glyphs and light ones as spaces.
std::string terminal_from_symbol(const 字节矩阵类& symbol, bool colour);

// Columns the drawing takes.
int terminal_columns_for(const 字节矩阵类& symbol) noexcept;

}  // namespace cli
