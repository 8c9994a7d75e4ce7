#pragma once
// The error-correction codewords of one block: the remainder of
// data·x^e divided by the generator (x + alpha^0)...(x + alpha^(e-1)).

#include <cstdint>
#include <string>
#include <vector>

#include "reedsolomon/gf256.h"
#include "reedsolomon/polynomial.h"

class RS编码器类 {
 public:
  RS编码器类();

  // Takes the field (it must be the module field) and starts the
  // generator list at [1].
  void RS编码器(const GF256& 域);
  // The generator of degree 次数, built on from the longest one so far.
  多项式类 建立生成多项式(std::int32_t 次数);
  // 码字 holds the data codewords, then room for 容错字节数 EC codewords,
  // which are written there; the data part is left as it is.
  void 编码(std::vector<std::int32_t>& 码字, std::int32_t 容错字节数);

 private:
  const 多项式类& 生成多项式(std::int32_t 次数);

  std::string 类名;
  GF256 域_;
  std::vector<多项式类> 生成多项式表_;
};
