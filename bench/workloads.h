#pragma once
// The benchmark's workloads: the texts the issue names, each with its
// level, and the bytes and mode the peer library is given for the same
// symbol.

#include <string>
#include <vector>

enum class 对等模式 { 八位, 数字, 字母数字 };

struct 工作负载 {
  std::string 名称;     // ASCII, for the report
  std::string 内容;     // GBK, as 创建二维码 takes it
  std::string 级别;     // "L", "M", "Q" or "H"
  int 级别序号;         // 0..3 in the same order
  std::string 对等字节; // what the symbol carries: UTF-8 in byte mode
  对等模式 模式;
};

// The window's default request at L; 2900 bytes at L and 1270 at H (both
// version 40); 7000 digits at L; 40 alphanumeric characters at M.
std::vector<工作负载> 全部工作负载();
