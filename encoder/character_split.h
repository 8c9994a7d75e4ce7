#pragma once
// Cuts a GBK text into its characters. The walk lets the window handle
// pending events once per byte and once per character, so a long text
// does not freeze it.

#include <string>
#include <string_view>
#include <vector>

#include "platform/event_pump.h"

// Length of the character that starts at position i: a byte above 122
// starts a two-byte character (one byte when it is the last).
inline std::size_t 字符长度(std::string_view 文本, std::size_t i) noexcept {
  return static_cast<unsigned char>(文本[i]) > 122 && i + 1 < 文本.size() ? 2 : 1;
}

// The walk of 分割字符 without building the list: 访问 gets each character
// as a view into 文本, and the events are pumped just as 分割字符 pumps them.
template <typename 访问函数>
void 逐个字符(std::string_view 文本, 访问函数&& 访问) {
  for (std::size_t i = 0; i < 文本.size(); ++i) platform::pump_events();
  for (std::size_t i = 0; i < 文本.size();) {
    const std::size_t n = 字符长度(文本, i);
    platform::pump_events();
    访问(文本.substr(i, n));
    i += n;
  }
}

// The characters of the text, in order.
std::vector<std::string> 分割字符(std::string_view 文本);
