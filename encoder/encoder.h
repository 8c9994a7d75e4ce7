#pragma once
// The encoder: from one text and one error-correction level to a finished
// symbol record. One segment per symbol (numeric, alphanumeric or byte),
// no ECI header. A new object serves one request; 初始化编码器 sets it up.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "containers/bit_vector.h"
#include "containers/byte_matrix.h"
#include "encoder/byte_array_class.h"

class 容错级别类;
class 模式类;
class 二维码类;

class 编码类 {
 public:
  // Runs the whole pipeline and leaves the symbol in 记录, which is written
  // only once the symbol is complete and valid.
  void 编码(std::string_view 内容, const 容错级别类& 级别, 二维码类& 记录);

  // Stores level and mode and the smallest version whose data capacity is
  // at least n + 3 codewords, with its counts.
  void 初始化二维码(std::int32_t n, const 容错级别类& 级别, const 模式类& 模式, 二维码类& 记录);

  void 追加数据字节(std::string_view 文本, const 模式类& 模式, 位向量类& 位);
  void 追加数字字节(std::string_view 文本, 位向量类& 位);
  void 追加字母数字字节(std::string_view 文本, 位向量类& 位);
  // The UTF-8 form of the GBK text, a byte at a time.
  void 追加八位字节(std::string_view 文本, 位向量类& 位);
  模式类 选择模式(std::string_view 文本);
  std::int32_t 取字母数字代码(std::int32_t 代码) const noexcept;
  void 追加模式信息(const 模式类& 模式, 位向量类& 位);
  void 追加长度信息(std::int32_t 数目, std::int32_t 版本号, const 模式类& 模式, 位向量类& 位);
  // Terminator, byte alignment and pad bytes up to 数据字节数 codewords.
  void 结束数据位(std::int32_t 数据字节数, 位向量类& 位);

  // Cuts the D data codewords into B blocks, adds each block's EC
  // codewords and appends the interleaved T codewords to 结果.
  void 交错容错字节(const 位向量类& 数据位, std::int32_t 总字节数, std::int32_t 数据字节数, std::int32_t 块数,
                    位向量类& 结果);
  void 根据块ID取数据字节数和容错字节数(std::int32_t 总字节数, std::int32_t 数据字节数, std::int32_t 块数,
                                        std::int32_t 块ID, std::int32_t& 块数据字节数, std::int32_t& 块容错字节数);
  字节数组类 生成容错字节(const 字节数组类& 数据字节, std::int32_t 容错字节数);

  std::int32_t 计算掩码惩罚(const 字节矩阵类& 矩阵);
  std::int32_t 选择掩码(const 位向量类& 数据位, const 容错级别类& 级别, std::int32_t 版本号, 字节矩阵类& 矩阵);

 private:
  friend void 初始化编码器(编码类& 编码器);

  std::string 类名;
  std::vector<std::int32_t> 字母数字表;
};
