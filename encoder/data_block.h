#pragma once
// One Reed-Solomon block: its data codewords and its EC codewords.

#include <utility>

#include "encoder/byte_array_class.h"

class 数据块类 {
 public:
  字节数组类 取数据字节() const { return 数据字节_; }
  字节数组类 取容错字节() const { return 容错字节_; }
  void 置值(字节数组类 数据字节, 字节数组类 容错字节) noexcept {
    数据字节_ = std::move(数据字节);
    容错字节_ = std::move(容错字节);
  }

  // Read-only views, for the interleaving that only reads them.
  const 字节数组类& 数据字节() const noexcept { return 数据字节_; }
  const 字节数组类& 容错字节() const noexcept { return 容错字节_; }

 private:
  字节数组类 数据字节_;
  字节数组类 容错字节_;
};
