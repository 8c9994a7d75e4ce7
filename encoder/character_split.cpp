#include "encoder/character_split.h"

std::vector<std::string> 分割字符(std::string_view 文本) {
  std::vector<std::string> 字符;
  字符.reserve(文本.size());
  逐个字符(文本, [&](std::string_view 一个) { 字符.emplace_back(一个); });
  return 字符;
}
