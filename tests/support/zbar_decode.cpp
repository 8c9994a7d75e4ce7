#include "support/zbar_decode.h"

#include <zbar.h>

#include <fstream>
#include <iterator>
#include <memory>

using namespace zbar;  // zbar.h puts its C API in this namespace under C++

namespace {

struct scanner_deleter {
  void operator()(zbar_image_scanner_t* s) const noexcept { zbar_image_scanner_destroy(s); }
};
struct image_deleter {
  void operator()(zbar_image_t* i) const noexcept { zbar_image_destroy(i); }
};

std::uint32_t read_u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

std::uint16_t read_u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

std::vector<std::string> zbar_decode_gray(const std::vector<std::uint8_t>& pixels, int width, int height) {
  std::vector<std::string> found;
  if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    return found;
  std::unique_ptr<zbar_image_scanner_t, scanner_deleter> scanner(zbar_image_scanner_create());
  zbar_image_scanner_set_config(scanner.get(), ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
  zbar_image_scanner_set_config(scanner.get(), ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
  // Raw bytes: without this zbar guesses a charset and may re-encode UTF-8.
  zbar_image_scanner_set_config(scanner.get(), ZBAR_QRCODE, ZBAR_CFG_BINARY, 1);

  std::unique_ptr<zbar_image_t, image_deleter> image(zbar_image_create());
  zbar_image_set_format(image.get(), zbar_fourcc('Y', '8', '0', '0'));
  zbar_image_set_size(image.get(), static_cast<unsigned>(width), static_cast<unsigned>(height));
  zbar_image_set_data(image.get(), pixels.data(), static_cast<unsigned long>(width) * static_cast<unsigned long>(height),
                      nullptr);
  if (zbar_scan_image(scanner.get(), image.get()) <= 0) return found;
  for (const zbar_symbol_t* s = zbar_image_first_symbol(image.get()); s != nullptr; s = zbar_symbol_next(s)) {
    if (zbar_symbol_get_type(s) != ZBAR_QRCODE) continue;
    found.emplace_back(zbar_symbol_get_data(s), zbar_symbol_get_data_length(s));
  }
  return found;
}

std::vector<std::string> zbar_decode_bmp(const std::vector<std::uint8_t>& bmp) {
  if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M') return {};
  const std::uint32_t offset = read_u32(bmp, 10);
  const auto width = static_cast<std::int32_t>(read_u32(bmp, 18));
  const auto stored_height = static_cast<std::int32_t>(read_u32(bmp, 22));
  if (read_u16(bmp, 28) != 24 || read_u32(bmp, 30) != 0 || width <= 0 || stored_height == 0) return {};
  const bool bottom_up = stored_height > 0;
  const std::int32_t height = bottom_up ? stored_height : -stored_height;
  const std::size_t row = (static_cast<std::size_t>(width) * 24 + 31) / 32 * 4;
  if (bmp.size() < offset + row * static_cast<std::size_t>(height)) return {};

  std::vector<std::uint8_t> gray(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::int32_t y = 0; y < height; ++y) {
    const std::size_t file_row = bottom_up ? static_cast<std::size_t>(height - 1 - y) : static_cast<std::size_t>(y);
    const std::uint8_t* p = bmp.data() + offset + file_row * row;
    for (std::int32_t x = 0; x < width; ++x, p += 3) {
      gray[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          static_cast<std::uint8_t>((p[0] * 29 + p[1] * 150 + p[2] * 77) >> 8);
    }
  }
  return zbar_decode_gray(gray, width, height);
}

std::vector<std::string> zbar_decode_bmp_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return zbar_decode_bmp(bytes);
}
