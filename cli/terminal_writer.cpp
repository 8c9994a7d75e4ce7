#include "cli/terminal_writer.h"

#include "cli/symbol_geometry.h"

namespace cli {

namespace {

constexpr const char* upper_half = "\u2580";
constexpr const char* lower_half = "\u2584";
constexpr const char* full_block = "\u2588";
// Black on white; 107 is bright white where the terminal knows it, 47 the
// plain white before it for those that do not.
constexpr const char* black_on_white = "\x1b[30;47;107m";
constexpr const char* reset = "\x1b[0m";

bool dark(const 字节矩阵类& symbol, std::int32_t x, std::int32_t y) {
  return x >= 0 && y >= 0 && x < symbol.取宽度() && y < symbol.取高度() && symbol.取单元值(x, y) == 1;
}

}  // namespace

int terminal_columns_for(const 字节矩阵类& symbol) noexcept { return symbol.取宽度() + 2 * quiet_zone; }

std::string terminal_from_symbol(const 字节矩阵类& symbol, bool colour) {
  std::string out;
  const std::int32_t first = -quiet_zone;
  const std::int32_t end = symbol.取高度() + quiet_zone;  // one past the last row
  for (std::int32_t y = first; y < end; y += 2) {
    if (colour) out += black_on_white;
    for (std::int32_t x = -quiet_zone; x < symbol.取宽度() + quiet_zone; ++x) {
      const bool top = dark(symbol, x, y);
      const bool bottom = y + 1 < end && dark(symbol, x, y + 1);
      out += top ? (bottom ? full_block : upper_half) : (bottom ? lower_half : " ");
    }
    if (colour) out += reset;
    out += '\n';
  }
  return out;
}

}  // namespace cli
