#include "matrix/integer_matrix.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/text.h"

整数矩阵 文本到整数矩阵(std::string_view 文本, std::string_view 行分隔符, std::string_view 单元分隔符) {
  整数矩阵 矩阵;
  const std::vector<std::string> 行文本 = platform::split(文本, 行分隔符);
  矩阵.行.reserve(行文本.size());
  for (const std::string& 一行 : 行文本) {
    const std::vector<std::string> 单元 = platform::split(一行, 单元分隔符);
    std::vector<std::int32_t> 值;
    值.reserve(单元.size());
    for (const std::string& 格 : 单元) 值.push_back(platform::to_integer(格));
    矩阵.行.push_back(std::move(值));
    矩阵.列数 = std::max(矩阵.列数, static_cast<std::int32_t>(单元.size()));
  }
  for (auto& 值 : 矩阵.行) 值.resize(static_cast<std::size_t>(矩阵.列数), 0);
  return 矩阵;
}

std::vector<std::int32_t> 取矩阵行(const 整数矩阵& 矩阵, std::int32_t 行号) {
  if (行号 < 1 || 行号 > 矩阵.行数()) return {};
  return 矩阵.行[static_cast<std::size_t>(行号 - 1)];
}
