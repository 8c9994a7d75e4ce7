#include "cli/bmp_view.h"

#include "cli/module_failure.h"

namespace cli {

namespace {

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

bmp_view::bmp_view(std::span<const std::uint8_t> file) : file_(file) {
  constexpr std::size_t header = 54;
  if (file.size() < header || file[0] != 'B' || file[1] != 'M' || u16(file, 28) != 24 || u32(file, 30) != 0)
    throw error("the image from the encoder is not a 24-bit BMP");
  const auto width = static_cast<std::int32_t>(u32(file, 18));
  const auto height = static_cast<std::int32_t>(u32(file, 22));
  if (width <= 0 || height == 0) throw error("the image from the encoder has no pixels");
  width_ = width;
  bottom_up_ = height > 0;
  height_ = bottom_up_ ? height : -height;
  offset_ = u32(file, 10);
  stride_ = (static_cast<std::size_t>(width_) * 24 + 31) / 32 * 4;
  if (offset_ < header || file.size() < offset_ + stride_ * static_cast<std::size_t>(height_))
    throw error("the image from the encoder is cut short");
}

}  // namespace cli
