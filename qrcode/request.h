#pragma once
// The text a request encodes: the shop's mobile search address, the
// keyword, the item-ID key and the item ID, joined as typed. The window
// and the command-line tool build it the same way.

#include <string>
#include <string_view>

inline constexpr std::string_view 默认主机 = "m.example.com";
inline constexpr std::string_view 宝贝ID键 = "&gid=";

// "http://<host>/search_result.html?search_key="
std::string 搜索前缀(std::string_view 主机 = 默认主机);

// Nothing is escaped or trimmed: "&", "#", spaces and Chinese text go in as typed.
std::string 组装请求内容(std::string_view 前缀, std::string_view 关键词, std::string_view 键,
                         std::string_view 宝贝ID);
