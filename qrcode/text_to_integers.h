#pragma once
// Every fixed table of the module is written as a comma-separated text
// and turned into integers when the table is built.

#include <cstdint>
#include <string_view>
#include <vector>

std::vector<std::int32_t> 文本到整数数组(std::string_view 文本, std::string_view 分隔符 = ",");
