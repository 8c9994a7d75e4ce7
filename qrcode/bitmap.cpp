#include "qrcode/bitmap.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t 头部大小 = 54;

std::int64_t 行字节数(std::int64_t 宽度) noexcept { return (宽度 * 24 + 31) / 32 * 4; }

void 写16位(std::uint8_t* p, std::uint32_t 值) noexcept {
  p[0] = static_cast<std::uint8_t>(值);
  p[1] = static_cast<std::uint8_t>(值 >> 8);
}

void 写32位(std::uint8_t* p, std::uint32_t 值) noexcept {
  写16位(p, 值);
  写16位(p + 2, 值 >> 16);
}

}  // namespace

std::int64_t 位图文件大小(std::int64_t 宽度, std::int64_t 高度) noexcept {
  return static_cast<std::int64_t>(头部大小) + 行字节数(宽度) * 高度;
}

字节集 矩阵到位图(const 字节网格& 单元, std::int32_t 宽度, std::int32_t 高度) {
  const auto 行长 = static_cast<std::size_t>(行字节数(宽度));
  const auto 文件大小 = static_cast<std::size_t>(位图文件大小(宽度, 高度));
  字节集 文件(文件大小, 0);
  std::uint8_t* 头 = 文件.data();
  头[0] = 'B';
  头[1] = 'M';
  写32位(头 + 2, static_cast<std::uint32_t>(文件大小));
  写32位(头 + 10, 头部大小);
  写32位(头 + 14, 40);
  写32位(头 + 18, static_cast<std::uint32_t>(宽度));
  写32位(头 + 22, static_cast<std::uint32_t>(高度));
  写16位(头 + 26, 1);
  写16位(头 + 28, 24);

  const std::int32_t 可读列数 = std::max(0, std::min(宽度, 单元.列数));
  const std::uint8_t* 上一行 = nullptr;
  const std::uint8_t* 上一像素 = nullptr;
  for (std::int32_t y = 0; y < 高度; ++y) {
    // The bottom row comes first in the file.
    std::uint8_t* 像素 = 文件.data() + 头部大小 + static_cast<std::size_t>(高度 - 1 - y) * 行长;
    const std::uint8_t* 行 =
        y < 单元.行数 ? 单元.单元.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(单元.列数) : nullptr;
    // A scaled symbol repeats each row many times; a repeated row is copied whole.
    if (上一像素 != nullptr && (行 == 上一行 || (行 != nullptr && 上一行 != nullptr &&
                                                std::memcmp(行, 上一行, static_cast<std::size_t>(可读列数)) == 0))) {
      std::memcpy(像素, 上一像素, static_cast<std::size_t>(宽度) * 3);
    } else {
      std::int32_t x = 0;
      for (; 行 != nullptr && x < 可读列数; ++x) {
        const std::uint8_t 值 = 行[x] == 1 ? 0 : 255;
        像素[3 * x] = 值;
        像素[3 * x + 1] = 值;
        像素[3 * x + 2] = 值;
      }
      std::memset(像素 + static_cast<std::size_t>(x) * 3, 255, static_cast<std::size_t>(宽度 - x) * 3);
    }
    上一行 = 行;
    上一像素 = 像素;
  }
  return 文件;
}
