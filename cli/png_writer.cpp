#include "cli/png_writer.h"

#include <png.h>

#include <algorithm>
#include <vector>

#include "cli/module_failure.h"

namespace cli {

namespace {

bool black_and_white(const bmp_view& image) {
  for (std::int32_t y = 0; y < image.height(); ++y) {
    const std::uint8_t* p = image.row(y);
    for (std::int32_t x = 0; x < image.width() * 3; x += 3) {
      const bool black = p[x] == 0 && p[x + 1] == 0 && p[x + 2] == 0;
      const bool white = p[x] == 255 && p[x + 1] == 255 && p[x + 2] == 255;
      if (!black && !white) return false;
    }
  }
  return true;
}

// One output row from one BMP row: 1-bit grey (set bit = white) or RGB.
void pack_row(const std::uint8_t* bgr, std::int32_t width, bool one_bit, std::vector<png_byte>& out) {
  if (one_bit) {
    std::fill(out.begin(), out.end(), png_byte{0});
    for (std::int32_t x = 0; x < width; ++x) {
      if (bgr[3 * x] != 0) out[static_cast<std::size_t>(x / 8)] |= static_cast<png_byte>(0x80 >> (x % 8));
    }
  } else {
    for (std::int32_t x = 0; x < width; ++x) {
      out[3 * static_cast<std::size_t>(x)] = bgr[3 * x + 2];
      out[3 * static_cast<std::size_t>(x) + 1] = bgr[3 * x + 1];
      out[3 * static_cast<std::size_t>(x) + 2] = bgr[3 * x];
    }
  }
}

extern "C" void append_to_string(png_structp png, png_bytep data, png_size_t length) {
  // No exception may cross libpng's C frames; its own error path unwinds.
  bool appended = true;
  try {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
  } catch (...) {
    appended = false;
  }
  if (!appended) png_error(png, "out of memory");
}

extern "C" void flush_nothing(png_structp) {}

// libpng reports errors by longjmp, so this frame holds nothing that needs
// a destructor; the caller owns the buffers.
bool write_png(png_structp png, png_infop info, const bmp_view& image, bool one_bit, std::vector<png_byte>& row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()),
               one_bit ? 1 : 8, one_bit ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (std::int32_t y = 0; y < image.height(); ++y) {
    pack_row(image.row(y), image.width(), one_bit, row);
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  return true;
}

class png_writer {
 public:
  png_writer() {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (png_ == nullptr || info_ == nullptr) throw error("cannot start the PNG encoder");
  }
  ~png_writer() { png_destroy_write_struct(&png_, &info_); }
  png_writer(const png_writer&) = delete;
  png_writer& operator=(const png_writer&) = delete;

  png_structp png() const noexcept { return png_; }
  png_infop info() const noexcept { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

}  // namespace

std::string png_from_bmp(const bmp_view& image) {
  const bool one_bit = black_and_white(image);
  std::vector<png_byte> row(one_bit ? (static_cast<std::size_t>(image.width()) + 7) / 8
                                    : static_cast<std::size_t>(image.width()) * 3);
  std::string bytes;
  const png_writer writer;
  png_set_write_fn(writer.png(), &bytes, append_to_string, flush_nothing);
  if (!write_png(writer.png(), writer.info(), image, one_bit, row)) throw error("the PNG encoder failed");
  return bytes;
}

}  // namespace cli
