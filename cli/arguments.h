#pragma once
// The command line, parsed and checked before any code is made. Texts are
// kept as the user gave them (UTF-8); they are converted where they enter
// the module.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class image_format { bmp, png, svg };

// The file extension of a format, with its dot.
std::string_view extension_of(image_format format) noexcept;

// ".bmp", ".png" or ".svg" in any case; nothing for anything else.
std::optional<image_format> format_from_path(std::string_view path);

// "bmp", "png" or "svg" in any case.
std::optional<image_format> format_from_name(std::string_view name);

inline constexpr std::int32_t default_size = 500;
inline constexpr std::int32_t largest_size = 16384;

struct arguments {
  enum class action { make, batch, help, version };
  action what = action::make;

  std::optional<std::string> keyword;
  std::optional<std::string> gid;
  std::optional<std::string> host;
  std::optional<std::string> text;  // "-" reads standard input
  std::optional<std::string> level;
  bool size_given = false;
  std::int32_t width = default_size;
  std::int32_t height = default_size;
  std::optional<std::string> output;  // "-" writes the BMP to standard output
  bool no_color = false;
  bool info = false;

  std::optional<std::string> batch;
  std::optional<std::string> out_dir;
  image_format format = image_format::png;
  bool format_given = false;
};

// A command line that cannot be carried out as written; exits with 2.
class usage_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

arguments parse_arguments(const std::vector<std::string_view>& args);

}  // namespace cli
