#pragma once
// One symbol version with its block layouts for the levels L, M, Q, H
// (entry i-1 belongs to the level whose ordinal is i) and its total
// codewords.

#include <array>
#include <cstdint>
#include <string>

#include "tables/ec_blocks.h"
#include "tables/error_correction_level.h"

class 版本类 {
 public:
  void 置值(std::int32_t 版本号, const 容错块类& L, const 容错块类& M, const 容错块类& Q, const 容错块类& H);
  std::int32_t 取版本号() const noexcept { return 版本号_; }
  std::int32_t 取总字节数() const noexcept { return 总字节数_; }
  std::int32_t 取维长度() const noexcept { return 17 + 4 * 版本号_; }
  容错块类 取容错块(const 容错级别类& 级别) const { return 容错块(级别); }
  std::string 到字符串() const;

  // Read-only view of the blocks at a level, for callers that only read them.
  const 容错块类& 容错块(const 容错级别类& 级别) const;

  friend bool operator==(const 版本类&, const 版本类&) = default;

 private:
  std::int32_t 版本号_ = 0;
  std::array<容错块类, 4> 容错块组_;
  std::int32_t 总字节数_ = 0;
};
