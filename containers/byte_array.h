#pragma once

#include <cstdint>
#include <vector>

// A plain run of bytes, as the containers hand them out.
using 字节集 = std::vector<std::uint8_t>;
