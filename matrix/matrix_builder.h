#pragma once
// Builds the module matrix of a symbol: function patterns, format and
// version information, then the data bits with their mask. One builder may
// build any number of matrices; it keeps only its pattern tables.

#include <cstdint>
#include <string>

#include "containers/bit_vector.h"
#include "containers/byte_matrix.h"
#include "matrix/integer_matrix.h"
#include "tables/error_correction_level.h"

class 矩阵应用类 {
 public:
  // Sets the name and loads the pattern tables.
  矩阵应用类();

  // Fills every cell of 矩阵, which the caller has sized to 17 + 4 x version.
  void 构建矩阵(const 位向量类& 数据位, const 容错级别类& 级别, std::int32_t 版本号, std::int32_t 掩码,
                字节矩阵类& 矩阵) const;
  void 清空矩阵(字节矩阵类& 矩阵) const;
  void 插入基本图形(std::int32_t 版本号, 字节矩阵类& 矩阵) const;
  void 插入位置探测图和分割图(字节矩阵类& 矩阵) const;
  static constexpr bool 是否为空(std::int32_t 值) noexcept { return 值 == 空值; }
  static constexpr bool 是否有效值(std::int32_t 值) noexcept { return 值 == 空值 || 值 == 0 || 值 == 1; }
  void 载入图形表();
  void 插入位置探测图(std::int32_t x0, std::int32_t y0, 字节矩阵类& 矩阵) const;
  void 左下角插入黑点(字节矩阵类& 矩阵) const;
  void 插入全部方位调整标识(std::int32_t 版本号, 字节矩阵类& 矩阵) const;
  void 插入方位调整标识(std::int32_t x0, std::int32_t y0, 字节矩阵类& 矩阵) const;
  void 插入定位基线(字节矩阵类& 矩阵) const;
  // Significant bits of the 32-bit pattern: 0 for 0, 32 for a negative value.
  static std::int32_t 取有效位数(std::int32_t 值) noexcept;
  // Remainder of 值 x^(degree of 多项式) divided by 多项式 over GF(2); 0 for
  // the zero polynomial.
  static std::int32_t 计算BCH码(std::int32_t 值, std::int32_t 多项式) noexcept;
  // The 15 format bits, most significant first, into the empty vector 位.
  void 标记类型信息位(const 容错级别类& 级别, std::int32_t 掩码, 位向量类& 位) const;
  void 插入类型信息(const 容错级别类& 级别, std::int32_t 掩码, 字节矩阵类& 矩阵) const;
  // The 18 version bits, most significant first, into the empty vector 位.
  void 标记版本信息位(std::int32_t 版本号, 位向量类& 位) const;
  void 插入版本信息(std::int32_t 版本号, 字节矩阵类& 矩阵) const;
  // Writes the bits into the cells still empty; 掩码 -1 leaves them unmasked.
  void 插入数据信息位(const 位向量类& 数据位, std::int32_t 掩码, 字节矩阵类& 矩阵) const;
  void 插入水平分割图(std::int32_t x0, std::int32_t y0, 字节矩阵类& 矩阵) const;
  void 插入垂直分割图(std::int32_t x0, std::int32_t y0, 字节矩阵类& 矩阵) const;

 protected:
  static constexpr std::int32_t 空值 = 255;

  整数矩阵 位置探测图;
  整数矩阵 水平分割图;
  整数矩阵 垂直分割图;
  整数矩阵 方位调整标识;
  整数矩阵 方位调整中心表;
  整数矩阵 类型信息坐标;
  std::string 类名;
};
