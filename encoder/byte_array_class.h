#pragma once
// A byte array with a length, as the Reed-Solomon blocks hold their
// codewords. Positions are 1-based; callers keep them within 1..长度.

#include <cstdint>

#include "containers/byte_array.h"

class 字节数组类 {
 public:
  bool 是否为空() const noexcept { return 长度_ == 0; }
  // n zero bytes.
  void 置长度(std::int32_t n);
  void 置字节集(const 字节集& 字节);
  std::int32_t 取字节(std::int32_t 位置) const noexcept { return 字节_[static_cast<std::size_t>(位置 - 1)]; }
  std::int32_t 取长度() const noexcept { return 长度_; }
  void 置字节(std::int32_t 位置, std::int32_t 值) noexcept {
    字节_[static_cast<std::size_t>(位置 - 1)] = static_cast<std::uint8_t>(值 & 0xFF);
  }
  // c bytes of 源 from the 0-based offset o on.
  void 截取字节(const 字节集& 源, std::int32_t o, std::int32_t c);
  void 添加字节(std::int32_t 值);
  // Room for n more bytes; the bytes held stay.
  void 预留(std::int32_t n);
  字节集 取字节集() const { return 字节_; }

  // Read-only view of the bytes in use.
  const 字节集& 字节() const noexcept { return 字节_; }

 private:
  字节集 字节_;
  std::int32_t 长度_ = 0;
};
