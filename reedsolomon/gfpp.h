#pragma once
// Division of polynomials: the held GFP's operand is the dividend.

#include <string>
#include <utility>
#include <vector>

#include "reedsolomon/gfp.h"

class GFPP : public GFP {
 public:
  GFPP() = default;

  void 置被除式(GFP 被除式) { 被除式_ = std::move(被除式); }
  GFP 取被除式() const { return 被除式_; }
  const GFP& 被除式() const noexcept { return 被除式_; }

  // Appends the quotient, then the remainder; the list is not emptied first.
  void 分离(const 多项式类& 除式, std::vector<多项式类>& 结果) const;

 private:
  std::string 类名 = "GFPP";
  GFP 被除式_;
};
