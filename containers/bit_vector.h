#pragma once
// A growable bit sequence, packed most significant bit first.

#include <cstdint>
#include <string>

#include "containers/byte_array.h"

class 位向量类 {
 public:
  位向量类();

  // The whole storage, bytes past the length included.
  字节集 取字节数组() const;
  // Replaces the storage; the length stays.
  void 置字节数组(字节集 字节);
  std::int32_t 取长度() const noexcept { return 长度_; }
  std::int32_t 取字节长度() const noexcept { return (长度_ + 7) >> 3; }
  std::int32_t 取位值(std::int32_t 索引) const;
  void 追加位(std::int32_t 位);
  void 追加字节(std::int32_t 值);
  void 追加位组(std::int32_t 值, std::int32_t 位数);
  void 清空();
  std::string 到字符串() const;

  // Read-only view of the storage, for callers that only read it.
  const 字节集& 存储() const noexcept { return 存储_; }

 protected:
  std::string 类名;

 private:
  static constexpr std::size_t 初始字节数 = 32;
  字节集 存储_;
  std::int32_t 长度_ = 0;
};

// A bit vector that owns an inner vector; its own operations fill and
// combine that inner vector, the inherited ones act on itself.
class 位向量子类 : public 位向量类 {
 public:
  位向量子类();

  void 置位向量(const 位向量类& 向量);
  位向量类 取位向量() const;
  void 追加位向量(const 位向量类& 向量);
  位向量类 异或(const 位向量类& 向量);

  // Hands the inner vector out without a copy; the inner vector is left empty.
  位向量类 交出位向量() noexcept;

 private:
  std::string 子类名;
  位向量类 内部向量_;
};
