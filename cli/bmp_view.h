#pragma once
// Reads the pixels of the 24-bit BMP files the module writes, without
// copying them.

#include <cstddef>
#include <cstdint>
#include <span>

namespace cli {

class bmp_view {
 public:
  // cli::error when the bytes are not an uncompressed 24-bit BMP whose
  // pixels are all there.
  explicit bmp_view(std::span<const std::uint8_t> file);

  std::int32_t width() const noexcept { return width_; }
  std::int32_t height() const noexcept { return height_; }

  // Blue, green and red of the pixels of row y, counted from the top.
  const std::uint8_t* row(std::int32_t y) const noexcept {
    const std::size_t stored = bottom_up_ ? static_cast<std::size_t>(height_ - 1 - y) : static_cast<std::size_t>(y);
    return file_.data() + offset_ + stored * stride_;
  }

 private:
  std::span<const std::uint8_t> file_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  bool bottom_up_ = true;
  std::size_t offset_ = 0;
  std::size_t stride_ = 0;
};

}  // namespace cli
