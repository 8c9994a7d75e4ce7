#include "bench/workloads.h"

#include <cstddef>
#include <string_view>

#include "platform/encoding.h"
#include "qrcode/request.h"

namespace {

std::string 到GBK(std::string_view utf8) { return platform::utf8_to_gbk(utf8).value_or(std::string()); }

// Shop addresses with mixed-case words: byte mode, as real long texts are.
std::string 字节文本(std::size_t 长度) {
  constexpr std::string_view 片段 =
      "http://m.example.com/search_result.html?search_key=Winter+Coat&gid=10293847;"
      "note=Sizes S M L, colours red/blue/black. ";
  std::string s;
  while (s.size() < 长度) s += 片段;
  s.resize(长度);
  return s;
}

std::string 数字文本(std::size_t 长度) {
  std::string s;
  for (std::size_t i = 0; i < 长度; ++i) s += static_cast<char>('0' + (i * 7 + i / 10) % 10);
  return s;
}

工作负载 字节负载(std::string 名称, std::string 内容, std::string 级别, int 序号) {
  std::string 对等 = platform::gbk_to_utf8(内容).value_or(std::string());
  return {std::move(名称), std::move(内容), std::move(级别), 序号, std::move(对等), 对等模式::八位};
}

}  // namespace

std::vector<工作负载> 全部工作负载() {
  const std::string 请求 = 组装请求内容(搜索前缀(), 到GBK("这里填关键词"), 宝贝ID键, 到GBK("这里输入宝贝ID"));
  std::vector<工作负载> 负载;
  负载.push_back(字节负载("request_L", 请求, "L", 0));
  负载.push_back(字节负载("bytes2900_L", 字节文本(2900), "L", 0));
  负载.push_back(字节负载("bytes1270_H", 字节文本(1270), "H", 3));
  const std::string 数字 = 数字文本(7000);
  负载.push_back({"digits7000_L", 数字, "L", 0, 数字, 对等模式::数字});
  const std::string 字母数字 = "HTTPS://M.EXAMPLE.COM/ITEM/00012345:ABC-X";
  负载.push_back({"alnum40_M", 字母数字.substr(0, 40), "M", 1, 字母数字.substr(0, 40), 对等模式::字母数字});
  return 负载;
}
