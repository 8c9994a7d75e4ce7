#pragma once
// One error-correction level: its ordinal (1-based position in a
// version's block list), its two format bits and its letter.

#include <cstdint>
#include <string>

class 容错级别类 {
 public:
  void 置值(std::int32_t 序号, std::int32_t 格式位, std::string 名称);
  std::int32_t 取序号() const noexcept { return 序号_; }
  std::int32_t 取格式位() const noexcept { return 格式位_; }
  std::string 取名称() const { return 名称_; }

  // Read-only view of the letter, for callers that only compare it.
  const std::string& 名称() const noexcept { return 名称_; }

  friend bool operator==(const 容错级别类&, const 容错级别类&) = default;

 private:
  std::int32_t 序号_ = 0;
  std::int32_t 格式位_ = 0;
  std::string 名称_;
};
