#pragma once
// Where the module's BMP puts the symbol, so that the SVG matches it pixel
// for pixel: a two-module quiet zone, the largest whole scale that fits,
// centred with any odd pixel to the right or bottom.

#include <cstdint>

namespace cli {

inline constexpr std::int32_t quiet_zone = 2;  // modules on each side

struct symbol_geometry {
  std::int32_t scale = 1;  // pixels per module
  std::int32_t left = 0;   // pixels from the left edge to the first module
  std::int32_t top = 0;
};

// For a symbol of modules by modules in an image of at least its size with
// the quiet zone in both directions.
symbol_geometry place_symbol(std::int32_t modules, std::int32_t width, std::int32_t height) noexcept;

}  // namespace cli
