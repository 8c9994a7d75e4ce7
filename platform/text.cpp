#include "platform/text.h"

#include <limits>

namespace platform {

namespace {
constexpr unsigned char ideographic_space = 0xA1;
}

bool starts_double_byte(std::string_view text, std::size_t i) noexcept {
  const auto b = static_cast<unsigned char>(text[i]);
  return b >= 0x81 && b <= 0xFE && i + 1 < text.size();
}

std::string remove_spaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (starts_double_byte(text, i)) {
      const bool space = static_cast<unsigned char>(text[i]) == ideographic_space &&
                         static_cast<unsigned char>(text[i + 1]) == ideographic_space;
      if (!space) out.append(text.substr(i, 2));
      i += 2;
    } else {
      if (text[i] != ' ') out.push_back(text[i]);
      ++i;
    }
  }
  return out;
}

std::string to_upper(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    if (starts_double_byte(out, i)) {
      i += 2;
      continue;
    }
    if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    ++i;
  }
  return out;
}

std::string first_byte(std::string_view text) { return std::string(text.substr(0, 1)); }

std::vector<std::string> split(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (separator.empty()) {
    if (!text.empty()) pieces.emplace_back(text);
    return pieces;
  }
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, separator.size(), separator) == 0) {
      pieces.emplace_back(text.substr(start, i - start));
      i += separator.size();
      start = i;
    } else {
      i += starts_double_byte(text, i) ? 2 : 1;
    }
  }
  if (start < text.size()) pieces.emplace_back(text.substr(start));
  return pieces;
}

std::int32_t to_integer(std::string_view text) noexcept {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  std::int64_t value = 0;
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) value = limit;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::string to_decimal(std::int64_t value) { return std::to_string(value); }

}  // namespace platform
