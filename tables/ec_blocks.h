#pragma once
// The blocks of one version at one level: the EC codewords of every block
// and one or two groups, the group with fewer data codewords first.

#include <cstdint>
#include <vector>

#include "tables/block_group.h"

class 容错块类 {
 public:
  void 置块组(std::int32_t 每块容错字节数, const 块组类& 组);
  void 置两个块组(std::int32_t 每块容错字节数, const 块组类& 组1, const 块组类& 组2);
  std::int32_t 取每块容错字节数() const noexcept { return 每块容错字节数_; }
  std::int32_t 取块数() const noexcept;
  std::int32_t 取容错字节总数() const noexcept { return 每块容错字节数_ * 取块数(); }
  std::vector<块组类> 取块组() const { return 块组_; }

  // Read-only view of the groups, for callers that only read them.
  const std::vector<块组类>& 块组() const noexcept { return 块组_; }

  friend bool operator==(const 容错块类&, const 容错块类&) = default;

 private:
  std::int32_t 每块容错字节数_ = 0;
  std::vector<块组类> 块组_;
};
