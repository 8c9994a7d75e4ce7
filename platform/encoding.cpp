#include "platform/encoding.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>

namespace platform {

namespace {

std::string iconv_name(std::string_view name) {
  if (name == "GB2312" || name == "GBK" || name == "CP936" || name == "GB18030") return "GB18030";
  return std::string(name);
}

struct iconv_closer {
  void operator()(iconv_t cd) const noexcept { iconv_close(cd); }
};
using iconv_handle = std::unique_ptr<std::remove_pointer_t<iconv_t>, iconv_closer>;

iconv_handle open(std::string_view from, std::string_view to) {
  iconv_t cd = iconv_open(iconv_name(to).c_str(), iconv_name(from).c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return iconv_handle(cd);
}

}  // namespace

std::optional<std::string> convert(std::string_view bytes, std::string_view from, std::string_view to) {
  iconv_handle cd = open(from, to);
  if (!cd) return std::nullopt;
  std::string out;
  out.reserve(bytes.size() * 2 + 4);
  char* in = const_cast<char*>(bytes.data());  // iconv's signature; the input is not written
  std::size_t in_left = bytes.size();
  std::array<char, 4096> chunk{};
  auto pass = [&](char** src, std::size_t* src_left) {
    char* dst = chunk.data();
    std::size_t dst_left = chunk.size();
    const std::size_t r = iconv(cd.get(), src, src_left, &dst, &dst_left);
    out.append(chunk.data(), static_cast<std::size_t>(dst - chunk.data()));
    return r != static_cast<std::size_t>(-1) || errno == E2BIG;
  };
  while (in_left > 0) {
    if (!pass(&in, &in_left)) return std::nullopt;  // EILSEQ or EINVAL: not valid text
  }
  if (!pass(nullptr, nullptr)) return std::nullopt;  // flush any shift state
  return out;
}

std::string convert_or_empty(std::string_view bytes, std::string_view from, std::string_view to) {
  return convert(bytes, from, to).value_or(std::string());
}

std::optional<std::string> gbk_to_utf8(std::string_view gbk) { return convert(gbk, "GB18030", "UTF-8"); }

std::optional<std::string> utf8_to_gbk(std::string_view utf8) { return convert(utf8, "UTF-8", "GB18030"); }

}  // namespace platform
