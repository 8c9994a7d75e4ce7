#pragma once
// A set-up encoder and small readers of bit vectors for the encoder tests.

#include <gtest/gtest.h>

#include <string>

#include "containers/bit_vector.h"
#include "encoder/encoder.h"
#include "qrcode/qr_matrix.h"

// The bits as a run of '0' and '1'.
inline std::string 位串(const 位向量类& 位) {
  std::string s;
  for (std::int32_t i = 0; i < 位.取长度(); ++i) s += 位.取位值(i) != 0 ? '1' : '0';
  return s;
}

// The codewords (successive 8-bit groups) of the bits.
inline std::vector<int> 码字(const 位向量类& 位) {
  std::vector<int> c;
  for (std::int32_t i = 0; i < 位.取字节长度(); ++i) c.push_back(位.存储()[static_cast<std::size_t>(i)]);
  return c;
}

class 编码器测试 : public testing::Test {
 protected:
  编码器测试() { 初始化编码器(编码器); }
  编码类 编码器;
};
