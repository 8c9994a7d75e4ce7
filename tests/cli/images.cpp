#include "images.h"

#include <png.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "support/zbar_decode.h"

namespace {

std::uint32_t u32(const std::string& b, std::size_t at) {
  const auto u = [&](std::size_t i) { return std::uint32_t{static_cast<unsigned char>(b[at + i])}; };
  return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}

std::string attribute(std::string_view tag, std::string_view name) {
  const std::string key = " " + std::string(name) + "=\"";
  const std::size_t at = tag.find(key);
  if (at == std::string_view::npos) return {};
  const std::size_t start = at + key.size();
  return std::string(tag.substr(start, tag.find('"', start) - start));
}

std::string_view element(std::string_view svg, std::string_view name, std::size_t& count) {
  count = 0;
  std::string_view first;
  const std::string open = "<" + std::string(name) + " ";
  for (std::size_t at = svg.find(open); at != std::string_view::npos; at = svg.find(open, at + 1)) {
    if (count++ == 0) first = svg.substr(at, svg.find('>', at) - at);
  }
  return first;
}

// UTF-8 of U+2580, U+2584 and U+2588, written as bytes: narrow literals
// here are GBK.
constexpr std::string_view upper_half = "\xE2\x96\x80";
constexpr std::string_view lower_half = "\xE2\x96\x84";
constexpr std::string_view full_block = "\xE2\x96\x88";

}  // namespace

gray_image gray_from_bmp(const std::string& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || (u32(b, 28) & 0xFFFF) != 24) return {};
  gray_image g;
  g.width = static_cast<int>(u32(b, 18));
  g.height = static_cast<int>(u32(b, 22));
  const std::size_t stride = (static_cast<std::size_t>(g.width) * 3 + 3) / 4 * 4;
  if (b.size() != 54 + stride * g.height) return {};
  g.pixels.resize(static_cast<std::size_t>(g.width) * g.height);
  for (int y = 0; y < g.height; ++y) {
    const char* row = b.data() + 54 + stride * (g.height - 1 - y);
    for (int x = 0; x < g.width; ++x) {
      const auto c = [&](int i) { return static_cast<unsigned char>(row[3 * x + i]); };
      if (c(0) != c(1) || c(1) != c(2)) return {};  // the module writes black and white only
      g.pixels[static_cast<std::size_t>(y) * g.width + x] = c(0);
    }
  }
  return g;
}

gray_image gray_from_png(const std::string& bytes) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
  image.format = PNG_FORMAT_GRAY;
  gray_image g;
  g.width = static_cast<int>(image.width);
  g.height = static_cast<int>(image.height);
  g.pixels.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, g.pixels.data(), 0, nullptr)) return {};
  return g;
}

gray_image gray_from_svg(const std::string& svg) {
  std::size_t svgs = 0, rects = 0, paths = 0;
  const std::string_view root = element(svg, "svg", svgs);
  const std::string_view rect = element(svg, "rect", rects);
  const std::string_view path = element(svg, "path", paths);
  if (svgs != 1 || rects != 1 || paths > 1 || attribute(root, "shape-rendering") != "crispEdges") return {};
  gray_image g;
  g.width = std::atoi(attribute(root, "width").c_str());
  g.height = std::atoi(attribute(root, "height").c_str());
  if (attribute(root, "viewBox") != "0 0 " + std::to_string(g.width) + " " + std::to_string(g.height)) return {};
  if (attribute(rect, "fill") != "#ffffff" || attribute(rect, "width") != std::to_string(g.width) ||
      attribute(rect, "height") != std::to_string(g.height))
    return {};
  g.pixels.assign(static_cast<std::size_t>(g.width) * g.height, 255);
  if (paths == 0) return g;
  if (attribute(path, "fill") != "#000000") return {};

  const std::string d = attribute(path, "d");
  const char* p = d.c_str();
  char* end = nullptr;
  auto number = [&] {
    const long v = std::strtol(p, &end, 10);
    const bool ok = end != p;
    p = end;
    return ok ? v : -999999;
  };
  while (*p != '\0') {
    while (*p == ' ') ++p;
    if (*p == '\0') break;
    if (*p++ != 'M') return {};
    const long x = number();
    while (*p == ' ') ++p;
    const long y = number();
    if (*p++ != 'h') return {};
    const long w = number();
    if (*p++ != 'v') return {};
    const long h = number();
    if (*p++ != 'h') return {};
    const long back = number();
    if (*p++ != 'z' || back != -w || w <= 0 || h <= 0 || x < 0 || y < 0 || x + w > g.width || y + h > g.height)
      return {};
    for (long yy = y; yy < y + h; ++yy)
      for (long xx = x; xx < x + w; ++xx) g.pixels[static_cast<std::size_t>(yy) * g.width + xx] = 0;
  }
  return g;
}

gray_image gray_from_terminal(const std::string& text, int scale) {
  std::vector<std::vector<int>> rows;  // modules, 1 dark
  std::size_t line_start = 0;
  while (line_start < text.size()) {
    std::size_t line_end = text.find('\n', line_start);
    if (line_end == std::string::npos) line_end = text.size();
    std::vector<int> top, bottom;
    for (std::size_t i = line_start; i < line_end;) {
      if (text[i] == '\x1b') {  // CSI ... m
        i = text.find('m', i) + 1;
        continue;
      }
      const std::string_view rest(text.data() + i, line_end - i);
      int t = 0, b = 0;
      std::size_t length = 3;
      if (rest.starts_with(" ")) length = 1;
      else if (rest.starts_with(upper_half)) t = 1;
      else if (rest.starts_with(lower_half)) b = 1;
      else if (rest.starts_with(full_block)) t = b = 1;
      else return {};
      top.push_back(t);
      bottom.push_back(b);
      i += length;
    }
    rows.push_back(top);
    rows.push_back(bottom);
    line_start = line_end + 1;
  }
  if (rows.empty()) return {};
  gray_image g;
  g.width = static_cast<int>(rows.front().size()) * scale;
  g.height = static_cast<int>(rows.size()) * scale;
  g.pixels.assign(static_cast<std::size_t>(g.width) * g.height, 255);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].size() != rows.front().size()) return {};
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      if (!rows[r][c]) continue;
      for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx)
          g.pixels[(r * scale + dy) * g.width + c * scale + dx] = 0;
    }
  }
  return g;
}

std::vector<std::string> decode(const gray_image& image) {
  return zbar_decode_gray(image.pixels, image.width, image.height);
}
