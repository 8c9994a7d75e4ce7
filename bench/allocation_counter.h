#pragma once
// Counts the heap bytes the program holds through operator new, so the
// benchmark can report the peak of one request. Counting is off unless a
// 计数区间 is alive, so the timed runs pay only a flag test.

#include <cstddef>

class 计数区间 {
 public:
  计数区间();
  ~计数区间();
  计数区间(const 计数区间&) = delete;
  计数区间& operator=(const 计数区间&) = delete;

  // The most bytes held at once since the interval began, counting only
  // what was allocated inside it.
  std::size_t 峰值字节数() const noexcept;
};
