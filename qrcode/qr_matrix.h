#pragma once
// The encode entry of the creation routine: text and level in, the scaled
// symbol with its quiet zone out. The symbol itself is left in 共享二维码.

#include <cstdint>
#include <string_view>

#include "containers/byte_matrix.h"

class 编码类;
class 容错级别类;

// Gives a new encoder its class name and its alphanumeric table.
void 初始化编码器(编码类& 编码器);

字节矩阵类 生成二维码矩阵(std::string_view 内容, const 容错级别类& 级别, std::int32_t 宽度, std::int32_t 高度);
