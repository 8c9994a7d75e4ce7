#pragma once
// The pinned symbols: how each case's text is made, and what the encoder
// produced for it when the set was pinned. Matrices are compared by an
// FNV-1a hash of their cells, row by row, so the data stays small.

#include <cstdint>
#include <string>
#include <vector>

#include "containers/byte_array.h"
#include "containers/byte_matrix.h"

// What the symbol record held after 编码.
struct 编码结果 {
  std::int32_t 版本号;
  std::int32_t 模式位;
  std::int32_t 掩码;
  std::int32_t 总字节数;
  std::int32_t 数据字节数;
  std::int32_t 块数;
  std::uint64_t 矩阵散列;
};

// Kinds of text: 'N' digits, 'A' alphanumeric, 'B' printable ASCII
// (byte mode), 'C' Chinese GBK text (byte mode, UTF-8 in the symbol),
// 'R' the window's default request.
struct 金样例 {
  char 种类;
  std::int32_t 长度;
  std::int32_t 级别;  // 0..3 for L, M, Q, H
  编码结果 期望;
};

// One symbol of the set built with a given mask, and its total penalty.
struct 金掩码样例 {
  std::int32_t 样例;  // index into the symbol set
  std::int32_t 掩码;
  std::int32_t 惩罚;
  std::uint64_t 矩阵散列;
};

// 创建二维码 of one case at one size: the hash of the BMP bytes.
struct 金位图样例 {
  std::int32_t 样例;
  std::int32_t 宽度;
  std::int32_t 高度;
  std::uint64_t 字节数;
  std::uint64_t 位图散列;
};

// The GBK text of a case (deterministic in kind and length).
std::string 样例文本(char 种类, std::int32_t 长度);

std::uint64_t 散列(const 字节矩阵类& 矩阵);
std::uint64_t 散列(const 字节集& 字节);

// Runs a new, set-up 编码类 on the text into a fresh record.
编码结果 编码样例(char 种类, std::int32_t 长度, std::int32_t 级别);

// The final codewords of a case and its symbol built with one mask.
struct 掩码结果 {
  std::int32_t 惩罚;
  std::uint64_t 矩阵散列;
};
std::vector<掩码结果> 逐掩码构建(char 种类, std::int32_t 长度, std::int32_t 级别);

// 创建二维码 at a size, level given by its letter.
字节集 样例位图(char 种类, std::int32_t 长度, std::int32_t 级别, std::int32_t 宽度, std::int32_t 高度);
