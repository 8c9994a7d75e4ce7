#include "cli/code_maker.h"

#include "cli/bmp_view.h"
#include "cli/module_failure.h"
#include "cli/png_writer.h"
#include "cli/svg_writer.h"
#include "cli/symbol_geometry.h"
#include "platform/encoding.h"
#include "qrcode/create_qr_code.h"
#include "qrcode/shared_record.h"

namespace cli {

std::string module_text(std::string_view utf8, std::string_view what) {
  auto gbk = platform::utf8_to_gbk(utf8);
  if (!gbk) throw error(std::string(what) + " is not valid UTF-8");
  return std::move(*gbk);
}

字节集 make_code(const code_request& request) {
  const std::optional<std::string_view> level =
      request.level ? std::optional<std::string_view>(*request.level) : std::nullopt;
  字节集 bmp = 创建二维码(request.content, level, request.width, request.height);
  const std::int32_t modules = 共享二维码.取维长度();
  const std::int32_t needed = modules + 2 * quiet_zone;
  if (request.width < needed || request.height < needed) {
    const std::string fits = std::to_string(needed) + "x" + std::to_string(needed);
    throw error("the size " + std::to_string(request.width) + "x" + std::to_string(request.height) +
                " is too small for this code (version " + std::to_string(共享二维码.取版本号()) + ", " +
                std::to_string(modules) + " modules and a quiet zone of " + std::to_string(quiet_zone) +
                " on each side); the smallest size that fits is " + fits);
  }
  return bmp;
}

image_file::image_file(image_format format, const 字节集& bmp, const 二维码类& record, std::int32_t width,
                       std::int32_t height) {
  switch (format) {
    case image_format::bmp: bmp_ = &bmp; break;
    case image_format::png: made_ = png_from_bmp(bmp_view(bmp)); break;
    case image_format::svg: made_ = svg_from_symbol(record.矩阵(), width, height); break;
  }
}

std::string_view image_file::bytes() const noexcept {
  if (bmp_ != nullptr) return {reinterpret_cast<const char*>(bmp_->data()), bmp_->size()};
  return made_;
}

}  // namespace cli
