#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>

namespace cli {

namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return out;
}

// "WxH" with whole numbers from 1 to largest_size.
std::pair<std::int32_t, std::int32_t> parse_size(std::string_view text) {
  const std::string message = "--size wants WxH in pixels, each from 1 to " + std::to_string(largest_size) +
                              ", e.g. 500x500; got \"" + std::string(text) + "\"";
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) throw usage_error(message);
  auto number = [&](std::string_view part) {
    std::int64_t value = 0;
    if (part.empty() || part.size() > 9 || !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
      throw usage_error(message);
    std::from_chars(part.data(), part.data() + part.size(), value);
    if (value < 1 || value > largest_size) throw usage_error(message);
    return static_cast<std::int32_t>(value);
  };
  return {number(text.substr(0, x)), number(text.substr(x + 1))};
}

void check_combination(const arguments& a) {
  const bool request = a.keyword || a.gid;
  if (a.what == arguments::action::batch) {
    if (!a.out_dir) throw usage_error("--batch needs --out-dir");
    if (request || a.text) throw usage_error("--batch takes its keywords and IDs from the file, not from --keyword, --gid or --text");
    if (a.output) throw usage_error("--batch writes into --out-dir; -o does not apply");
    if (a.info) throw usage_error("--info describes one code; it does not apply to --batch");
    if (a.no_color) throw usage_error("--no-color is for drawing in the terminal; it does not apply to --batch");
    return;
  }
  if (a.out_dir) throw usage_error("--out-dir belongs to --batch");
  if (a.format_given) throw usage_error("--format belongs to --batch; with -o the extension names the format");
  if (a.text && request) throw usage_error("use either --text or --keyword with --gid, not both");
  if (!a.text && !request) throw usage_error("nothing to encode: give --keyword and --gid, --text, or --batch");
  if (request && !a.keyword) throw usage_error("--gid needs --keyword");
  if (request && !a.gid) throw usage_error("--keyword needs --gid");
  if (a.host && !request) throw usage_error("--host belongs to --keyword and --gid");
  if (a.output && *a.output != "-" && !format_from_path(*a.output))
    throw usage_error("cannot tell the format of \"" + *a.output + "\": name it .bmp, .png or .svg");
  if (a.output && a.no_color) throw usage_error("--no-color is for drawing in the terminal; it does not apply to -o");
}

}  // namespace

std::string_view extension_of(image_format format) noexcept {
  switch (format) {
    case image_format::bmp: return ".bmp";
    case image_format::png: return ".png";
    case image_format::svg: return ".svg";
  }
  return "";
}

std::optional<image_format> format_from_name(std::string_view name) {
  const std::string n = lower(name);
  if (n == "bmp") return image_format::bmp;
  if (n == "png") return image_format::png;
  if (n == "svg") return image_format::svg;
  return std::nullopt;
}

std::optional<image_format> format_from_path(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return std::nullopt;
  return format_from_name(path.substr(dot + 1));
}

arguments parse_arguments(const std::vector<std::string_view>& args) {
  // Help and version win over everything else on the line.
  arguments result;
  for (const std::string_view a : args) {
    if (a == "--help" || a == "-h" || a == "--version") {
      result.what = a == "--version" ? arguments::action::version : arguments::action::help;
      return result;
    }
  }

  bool format_given = false;
  auto once = [](std::optional<std::string>& slot, std::string_view name, std::string_view value) {
    if (slot) throw usage_error(std::string(name) + " is given twice");
    slot = std::string(value);
  };
  std::optional<std::string> size, format;
  const std::map<std::string_view, std::function<void(std::string_view, std::string_view)>> valued{
      {"--keyword", [&](auto n, auto v) { once(result.keyword, n, v); }},
      {"--gid", [&](auto n, auto v) { once(result.gid, n, v); }},
      {"--host", [&](auto n, auto v) { once(result.host, n, v); }},
      {"--text", [&](auto n, auto v) { once(result.text, n, v); }},
      {"--level", [&](auto n, auto v) { once(result.level, n, v); }},
      {"--size", [&](auto n, auto v) { once(size, n, v); }},
      {"-o", [&](auto, auto v) { once(result.output, "-o", v); }},
      {"--output", [&](auto, auto v) { once(result.output, "-o", v); }},
      {"--batch", [&](auto n, auto v) { once(result.batch, n, v); }},
      {"--out-dir", [&](auto n, auto v) { once(result.out_dir, n, v); }},
      {"--format", [&](auto n, auto v) { once(format, n, v); }},
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view name = args[i];
    std::optional<std::string_view> value;
    if (name.starts_with("--")) {
      if (const std::size_t eq = name.find('='); eq != std::string_view::npos) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
      }
    }
    if (name == "--no-color" || name == "--info") {
      if (value) throw usage_error(std::string(name) + " takes no value");
      bool& flag = name == "--info" ? result.info : result.no_color;
      if (flag) throw usage_error(std::string(name) + " is given twice");
      flag = true;
      continue;
    }
    const auto it = valued.find(name);
    if (it == valued.end()) {
      if (name.starts_with("-") && name != "-") throw usage_error("unknown option \"" + std::string(name) + "\"");
      throw usage_error("unexpected argument \"" + std::string(args[i]) + "\"");
    }
    if (!value) {
      if (i + 1 >= args.size()) throw usage_error(std::string(name) + " needs a value");
      value = args[++i];
    }
    it->second(name, *value);
  }

  if (size) {
    std::tie(result.width, result.height) = parse_size(*size);
    result.size_given = true;
  }
  if (format) {
    const auto f = format_from_name(*format);
    if (!f) throw usage_error("--format wants png, bmp or svg; got \"" + *format + "\"");
    result.format = *f;
    format_given = true;
  }
  if (result.batch) result.what = arguments::action::batch;
  result.format_given = format_given;
  check_combination(result);
  return result;
}

}  // namespace cli
