#include "bench/allocation_counter.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace {

bool 计数中 = false;
std::size_t 当前字节数 = 0;
std::size_t 峰值 = 0;

void* 分配(std::size_t 大小) {
  void* p = std::malloc(大小 == 0 ? 1 : 大小);
  if (p == nullptr) throw std::bad_alloc();
  if (计数中) {
    当前字节数 += malloc_usable_size(p);
    if (当前字节数 > 峰值) 峰值 = 当前字节数;
  }
  return p;
}

void 释放(void* p) noexcept {
  if (p == nullptr) return;
  // Blocks from before the interval may be freed inside it; the count is
  // of the interval's own growth, so it may dip below zero and is clamped.
  if (计数中) {
    const std::size_t n = malloc_usable_size(p);
    当前字节数 = n > 当前字节数 ? 0 : 当前字节数 - n;
  }
  std::free(p);
}

}  // namespace

计数区间::计数区间() {
  当前字节数 = 0;
  峰值 = 0;
  计数中 = true;
}

计数区间::~计数区间() { 计数中 = false; }

std::size_t 计数区间::峰值字节数() const noexcept { return 峰值; }

void* operator new(std::size_t 大小) { return 分配(大小); }
void* operator new[](std::size_t 大小) { return 分配(大小); }
void* operator new(std::size_t 大小, const std::nothrow_t&) noexcept {
  try {
    return 分配(大小);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t 大小, const std::nothrow_t&) noexcept {
  try {
    return 分配(大小);
  } catch (...) {
    return nullptr;
  }
}
void operator delete(void* p) noexcept { 释放(p); }
void operator delete[](void* p) noexcept { 释放(p); }
void operator delete(void* p, std::size_t) noexcept { 释放(p); }
void operator delete[](void* p, std::size_t) noexcept { 释放(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { 释放(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { 释放(p); }
