#include "containers/bit_vector.h"

#include <utility>

#include "qrcode/exception_report.h"

// Class names are set here, not in the header: narrow literals are GBK only
// in the module's own translation units.
位向量类::位向量类() : 类名("位向量类"), 存储_(初始字节数, 0) {}

位向量子类::位向量子类() : 子类名("位向量子类") {}

字节集 位向量类::取字节数组() const { return 存储_; }

void 位向量类::置字节数组(字节集 字节) { 存储_ = std::move(字节); }

std::int32_t 位向量类::取位值(std::int32_t 索引) const {
  if (索引 < 0 || 索引 >= 长度_) 引发异常(类名, "取位值", "索引超限");
  return (存储_[static_cast<std::size_t>(索引 >> 3)] >> (7 - (索引 & 7))) & 1;
}

void 位向量类::追加字节(std::int32_t 值) {
  const auto 位置 = static_cast<std::size_t>(长度_ >> 3);
  if (存储_.size() == 位置) 存储_.resize(存储_.size() * 2, 0);
  存储_[位置] = static_cast<std::uint8_t>(值 & 0xFF);
  长度_ += 8;
}

void 位向量类::追加位(std::int32_t 位) {
  if (位 != 0 && 位 != 1) 引发异常(类名, "追加位", "位数据只能是0或1");
  const std::int32_t 余 = 长度_ & 7;
  if (余 == 0) {
    追加字节(0);
    长度_ -= 8;
  }
  存储_[static_cast<std::size_t>(长度_ >> 3)] |= static_cast<std::uint8_t>(位 << (7 - 余));
  ++长度_;
}

void 位向量类::追加位组(std::int32_t 值, std::int32_t 位数) {
  if (位数 < 0 || 位数 > 32) return;
  const auto 无符号值 = static_cast<std::uint32_t>(值);
  for (std::int32_t n = 位数; n > 0;) {
    if ((长度_ & 7) == 0 && n >= 8) {
      追加字节(static_cast<std::int32_t>((无符号值 >> (n - 8)) & 0xFF));
      n -= 8;
    } else {
      追加位(static_cast<std::int32_t>((无符号值 >> (n - 1)) & 1));
      n -= 1;
    }
  }
}

void 位向量类::清空() {
  存储_.assign(初始字节数, 0);
  长度_ = 0;
}

std::string 位向量类::到字符串() const {
  std::string 文本;
  文本.reserve(static_cast<std::size_t>(长度_) * 2);
  for (std::int32_t i = 0; i < 长度_; ++i) {
    if (i > 0) 文本 += ',';
    文本 += 取位值(i) != 0 ? '1' : '0';
  }
  return 文本;
}

void 位向量子类::置位向量(const 位向量类& 向量) { 内部向量_ = 向量; }

位向量类 位向量子类::取位向量() const { return 内部向量_; }

位向量类 位向量子类::交出位向量() noexcept { return std::exchange(内部向量_, 位向量类()); }

void 位向量子类::追加位向量(const 位向量类& 向量) {
  const 字节集& 字节 = 向量.存储();
  const std::int32_t 长度 = 向量.取长度();
  std::int32_t i = 0;
  // Whole bytes go in one step while the inner end sits on a byte boundary.
  if ((内部向量_.取长度() & 7) == 0) {
    for (; i + 8 <= 长度; i += 8) 内部向量_.追加字节(字节[static_cast<std::size_t>(i >> 3)]);
  }
  for (; i < 长度; ++i) 内部向量_.追加位((字节[static_cast<std::size_t>(i >> 3)] >> (7 - (i & 7))) & 1);
}

位向量类 位向量子类::异或(const 位向量类& 向量) {
  if (内部向量_.取长度() != 向量.取长度()) 引发异常(子类名, "异或", "两个位向量长度不同，不能做异或运算。");
  字节集 字节 = 内部向量_.取字节数组();
  const 字节集& 另一 = 向量.存储();
  const auto n = static_cast<std::size_t>(内部向量_.取字节长度());
  for (std::size_t i = 0; i < n; ++i) 字节[i] ^= 另一[i];
  内部向量_.置字节数组(std::move(字节));
  return 内部向量_;
}
