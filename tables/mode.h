#pragma once
// One data mode: the widths of its character count indicator for the
// version ranges 1-9, 10-26 and 27-40, its four-bit indicator and its name.

#include <cstdint>
#include <string>
#include <vector>

class 版本类;

class 模式类 {
 public:
  void 置值(std::vector<std::int32_t> 字符计数位数, std::int32_t 模式位, std::string 名称);
  std::int32_t 取字符计数位数(const 版本类& 版本) const;
  // The same width, for callers that hold only the version number.
  std::int32_t 取字符计数位数(std::int32_t 版本号) const;
  std::int32_t 取模式位() const noexcept { return 模式位_; }
  std::string 取名称() const { return 名称_; }
  std::string 到字符串() const { return 名称_; }

  // Read-only views, for callers that only read.
  const std::string& 名称() const noexcept { return 名称_; }
  const std::vector<std::int32_t>& 字符计数位数() const noexcept { return 字符计数位数_; }

  friend bool operator==(const 模式类&, const 模式类&) = default;

 private:
  std::vector<std::int32_t> 字符计数位数_;
  std::int32_t 模式位_ = 0;
  std::string 名称_;
};
