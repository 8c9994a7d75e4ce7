#pragma once
// The tool's images read back as 8-bit grey pixels, each by its own means,
// so the tests can compare them pixel for pixel and hand them to zbar.

#include <cstdint>
#include <string>
#include <vector>

struct gray_image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // row-major from the top left, 0 black, 255 white
  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  friend bool operator==(const gray_image&, const gray_image&) = default;
};

// Nothing (an empty image) when the bytes are not what the tool writes.
gray_image gray_from_bmp(const std::string& bytes);
gray_image gray_from_png(const std::string& bytes);
// Draws the SVG: a white rectangle over the whole picture and one path of
// axis-aligned rectangles (M x y h w v h h -w z).
gray_image gray_from_svg(const std::string& svg);

// The modules drawn by the terminal output (ANSI sequences ignored), one
// pixel per module, blown up by scale so zbar can read it.
gray_image gray_from_terminal(const std::string& text, int scale = 1);

std::vector<std::string> decode(const gray_image& image);
