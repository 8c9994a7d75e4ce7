#include "matrix/mask_selection.h"

#include <limits>

#include "matrix/mask_helper.h"
#include "matrix/matrix_builder.h"
#include "matrix/packed_penalty.h"

std::int32_t 计算掩码惩罚(const 字节矩阵类& 矩阵) {
  const 掩码辅助类 辅助;
  // Scored eight times per symbol: the packed form reads each line once.
  if (const auto 前三 = 位压缩罚分1至3(矩阵)) return *前三 + 辅助.罚分规则4(矩阵);
  return 辅助.罚分规则1(矩阵) + 辅助.罚分规则2(矩阵) + 辅助.罚分规则3(矩阵) + 辅助.罚分规则4(矩阵);
}

std::int32_t 选择掩码(const 位向量类& 数据位, const 容错级别类& 级别, std::int32_t 版本号, 字节矩阵类& 工作矩阵) {
  const 矩阵应用类 构建器;
  std::int32_t 最低罚分 = std::numeric_limits<std::int32_t>::max();
  std::int32_t 选中 = -1;
  for (std::int32_t 掩码 = 0; 掩码 < 8; ++掩码) {
    构建器.构建矩阵(数据位, 级别, 版本号, 掩码, 工作矩阵);
    const std::int32_t 罚分 = 计算掩码惩罚(工作矩阵);
    // Only a strictly lower score replaces the choice: ties keep the lower mask.
    if (罚分 < 最低罚分) {
      最低罚分 = 罚分;
      选中 = 掩码;
    }
  }
  return 选中;
}
