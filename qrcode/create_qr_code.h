#pragma once
// The module's public routine: a GBK text in, the bytes of a 24-bit BMP
// file of the symbol out. After it returns, 共享二维码 holds the symbol.

#include <cstdint>
#include <optional>
#include <string_view>

#include "containers/byte_array.h"

// 级别 is one of L, M, Q, H in either case (L when not given); a width or
// height that is not given, or not positive, is 100. Calls must not
// overlap: they share the one symbol record.
字节集 创建二维码(std::string_view 内容, std::optional<std::string_view> 级别 = std::nullopt,
                  std::optional<std::int64_t> 宽度 = std::nullopt, std::optional<std::int32_t> 高度 = std::nullopt);
