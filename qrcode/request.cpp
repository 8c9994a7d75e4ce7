#include "qrcode/request.h"

std::string 搜索前缀(std::string_view 主机) {
  std::string 前缀 = "http://";
  前缀 += 主机;
  前缀 += "/search_result.html?search_key=";
  return 前缀;
}

std::string 组装请求内容(std::string_view 前缀, std::string_view 关键词, std::string_view 键,
                         std::string_view 宝贝ID) {
  std::string 内容;
  内容.reserve(前缀.size() + 关键词.size() + 键.size() + 宝贝ID.size());
  内容 += 前缀;
  内容 += 关键词;
  内容 += 键;
  内容 += 宝贝ID;
  return 内容;
}
