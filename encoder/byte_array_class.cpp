#include "encoder/byte_array_class.h"

void 字节数组类::置长度(std::int32_t n) {
  字节_.assign(static_cast<std::size_t>(n), 0);
  长度_ = n;
}

void 字节数组类::置字节集(const 字节集& 字节) {
  字节_ = 字节;
  长度_ = static_cast<std::int32_t>(字节.size());
}

void 字节数组类::截取字节(const 字节集& 源, std::int32_t o, std::int32_t c) {
  const auto 起点 = 源.begin() + o;
  字节_.assign(起点, 起点 + c);
  长度_ = c;
}

void 字节数组类::添加字节(std::int32_t 值) {
  字节_.push_back(static_cast<std::uint8_t>(值 & 0xFF));
  ++长度_;
}

void 字节数组类::预留(std::int32_t n) {
  if (n > 0) 字节_.reserve(字节_.size() + static_cast<std::size_t>(n));
}
