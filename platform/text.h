#pragma once
// Text operations on GBK byte strings. A byte 0x81..0xFE starts a
// double-byte character; its trail byte is never read as a character
// of its own.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// True when the byte at i starts a double-byte character.
bool starts_double_byte(std::string_view text, std::size_t i) noexcept;

// Removes the space 0x20 and the ideographic space 0xA1 0xA1.
std::string remove_spaces(std::string_view text);

// Upper-cases a..z; double-byte characters stay as they are.
std::string to_upper(std::string_view text);

// The first byte as a text (empty for an empty text).
std::string first_byte(std::string_view text);

// Pieces between separators, in order; a separator at the very end adds
// no piece, and an empty text has none.
std::vector<std::string> split(std::string_view text, std::string_view separator);

// Decimal with an optional leading "-"; reading stops at the first byte
// that is not a digit, and values beyond 32 bits saturate.
std::int32_t to_integer(std::string_view text) noexcept;

std::string to_decimal(std::int64_t value);

}  // namespace platform
