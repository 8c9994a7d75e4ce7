#pragma once
// A group of equal Reed-Solomon blocks: how many, and the data codewords
// in each.

#include <cstdint>

class 块组类 {
 public:
  void 置值(std::int32_t 数量, std::int32_t 数据字节数) noexcept;
  std::int32_t 取数量() const noexcept { return 数量_; }
  std::int32_t 取数据字节数() const noexcept { return 数据字节数_; }

  friend bool operator==(const 块组类&, const 块组类&) = default;

 private:
  std::int32_t 数量_ = 0;
  std::int32_t 数据字节数_ = 0;
};
