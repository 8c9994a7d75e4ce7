#include "qrcode/qr_matrix.h"

#include <vector>

#include "encoder/encoder.h"
#include "qrcode/scaling.h"
#include "qrcode/shared_record.h"
#include "qrcode/text_to_integers.h"

namespace {

// The alphanumeric codes of the bytes 0..95: digits 0-9, A-Z 10-35, then
// space $ % * + - . / : as 36-44; every other byte -1.
constexpr const char* 字母数字表文本 =
    "-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,36,-1,-1,-1,37,"
    "38,-1,-1,-1,-1,39,40,-1,41,42,43,0,1,2,3,4,5,6,7,8,9,44,-1,-1,-1,-1,-1,-1,10,11,12,13,14,15,16,17,18,19,20,21,22,"
    "23,24,25,26,27,28,29,30,31,32,33,34,35,-1,-1,-1,-1,-1";

}  // namespace

void 初始化编码器(编码类& 编码器) {
  // Every request makes a new encoder; the table text is parsed once.
  static const std::vector<std::int32_t> 表 = 文本到整数数组(字母数字表文本, ",");
  编码器.类名 = "编码类";
  编码器.字母数字表 = 表;
}

字节矩阵类 生成二维码矩阵(std::string_view 内容, const 容错级别类& 级别, std::int32_t 宽度, std::int32_t 高度) {
  编码类 编码器;
  初始化编码器(编码器);
  编码器.编码(内容, 级别, 共享二维码);
  return 缩放矩阵(共享二维码, 宽度, 高度);
}
