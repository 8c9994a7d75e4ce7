#pragma once
// Text encoding conversion at the edges of the module. The module's texts
// are GBK; every GBK name is decoded as GB18030, its superset, so that any
// character a user can type converts.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Converts bytes from one encoding to another; nothing when the bytes are
// not valid text in the source encoding or cannot be written in the target.
std::optional<std::string> convert(std::string_view bytes, std::string_view from, std::string_view to);

// The same, but an invalid input gives an empty text.
std::string convert_or_empty(std::string_view bytes, std::string_view from, std::string_view to);

std::optional<std::string> gbk_to_utf8(std::string_view gbk);
std::optional<std::string> utf8_to_gbk(std::string_view utf8);

}  // namespace platform
