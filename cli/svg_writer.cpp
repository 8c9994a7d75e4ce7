#include "cli/svg_writer.h"

#include "cli/symbol_geometry.h"

namespace cli {

std::string svg_from_symbol(const 字节矩阵类& symbol, std::int32_t width, std::int32_t height) {
  const std::int32_t modules = symbol.取宽度();
  const symbol_geometry g = place_symbol(modules, width, height);
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  const std::string m = std::to_string(g.scale);

  std::string path;
  for (std::int32_t y = 0; y < symbol.取高度(); ++y) {
    for (std::int32_t x = 0; x < modules;) {
      if (symbol.取单元值(x, y) != 1) {
        ++x;
        continue;
      }
      std::int32_t end = x;
      while (end < modules && symbol.取单元值(end, y) == 1) ++end;
      const std::string run = std::to_string((end - x) * g.scale);
      if (!path.empty()) path += ' ';
      path += 'M' + std::to_string(g.left + x * g.scale) + ' ' + std::to_string(g.top + y * g.scale) + 'h' + run +
              'v' + m + "h-" + run + 'z';
      x = end;
    }
  }

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + ' ' + h + "\" shape-rendering=\"crispEdges\">\n";
  svg += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
  if (!path.empty()) svg += "<path fill=\"#000000\" d=\"" + path + "\"/>\n";
  svg += "</svg>\n";
  return svg;
}

}  // namespace cli
