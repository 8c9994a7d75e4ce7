#include "cli/symbol_geometry.h"

namespace cli {

symbol_geometry place_symbol(std::int32_t modules, std::int32_t width, std::int32_t height) noexcept {
  const std::int32_t with_zone = modules + 2 * quiet_zone;
  // The same floating-point choice as the module's scaling, tolerance and all.
  const double rw = static_cast<double>(width) / with_zone;
  const double rh = static_cast<double>(height) / with_zone;
  symbol_geometry g;
  g.scale = static_cast<std::int32_t>(rw - rh < -1e-7 ? rw : rh);
  g.left = (width - modules * g.scale) / 2;
  g.top = (height - modules * g.scale) / 2;
  return g;
}

}  // namespace cli
