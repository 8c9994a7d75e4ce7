#include "qrcode/create_qr_code.h"

#include <array>
#include <limits>
#include <string>

#include "platform/text.h"
#include "qrcode/bitmap.h"
#include "qrcode/exception_report.h"
#include "qrcode/module_name.h"
#include "qrcode/qr_matrix.h"
#include "qrcode/table_globals.h"
#include "tables/error_correction_level.h"

namespace {

constexpr std::int32_t 默认尺寸 = 100;
// The file size is a 32-bit field of the header; readers take it as signed.
constexpr std::int64_t 最大文件大小 = std::numeric_limits<std::int32_t>::max();

const 容错级别类& 选择级别(std::optional<std::string_view> 级别) {
  if (!级别) return 容错级别表.L;
  const std::string 字母 = platform::to_upper(*级别);
  if (字母 == "L") return 容错级别表.L;
  if (字母 == "M") return 容错级别表.M;
  if (字母 == "Q") return 容错级别表.Q;
  if (字母 == "H") return 容错级别表.H;
  引发异常(模块名称, "创建二维码", "容错等级必须为L、M、Q、H四个之一。");
}

}  // namespace

字节集 创建二维码(std::string_view 内容, std::optional<std::string_view> 级别, std::optional<std::int64_t> 宽度,
                  std::optional<std::int32_t> 高度) {
  if (platform::remove_spaces(内容).empty()) 引发异常(模块名称, "编码", "没有编码内容");
  const 容错级别类 所选级别 = 选择级别(级别);

  const std::int64_t 宽 = 宽度 && *宽度 > 0 ? *宽度 : 默认尺寸;
  const std::int32_t 高 = 高度 && *高度 > 0 ? *高度 : 默认尺寸;
  // A width past 32 bits or a file past 2 GiB cannot be written as a BMP;
  // refuse it before any work instead of wrapping the number.
  if (宽 > std::numeric_limits<std::int32_t>::max() || 位图文件大小(宽, 高) > 最大文件大小)
    引发异常(模块名称, "创建二维码", "图像尺寸过大");

  const 字节矩阵类 矩阵 = 生成二维码矩阵(内容, 所选级别, static_cast<std::int32_t>(宽), 高);
  return 矩阵到位图(矩阵.单元(), static_cast<std::int32_t>(宽), 高);
}
