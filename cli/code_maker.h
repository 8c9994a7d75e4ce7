#pragma once
// One code, from the user's texts to the bytes of a file. The encoding is
// the module's: the BMP comes from 创建二维码, and the other forms are
// drawn from the symbol it leaves in 共享二维码.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "containers/byte_array.h"

class 二维码类;

namespace cli {

// A UTF-8 text as the module's GBK text; cli::error naming what it is when
// it is not valid UTF-8.
std::string module_text(std::string_view utf8, std::string_view what);

struct code_request {
  std::string content;               // GBK
  std::optional<std::string> level;  // GBK, passed on as given
  std::int32_t width = default_size;
  std::int32_t height = default_size;
};

// Encodes the request. A size smaller than the symbol with its quiet zone
// is refused with cli::error naming the smallest size that fits (the
// module would crop the symbol). Module reports arrive as module_failure.
// Afterwards 共享二维码 holds the symbol.
字节集 make_code(const code_request& request);

// The bytes of the file in a format: the BMP itself (not copied), the PNG
// with its pixels, or the SVG drawn from the record's symbol at the same size.
class image_file {
 public:
  image_file(image_format format, const 字节集& bmp, const 二维码类& record, std::int32_t width,
             std::int32_t height);
  image_file(const image_file&) = delete;
  image_file& operator=(const image_file&) = delete;

  std::string_view bytes() const noexcept;

 private:
  const 字节集* bmp_ = nullptr;  // set for the BMP format
  std::string made_;
};

}  // namespace cli
