#include "tests/golden/golden_cases.h"

#include <string_view>

#include "containers/bit_vector.h"
#include "encoder/encoder.h"
#include "matrix/matrix_builder.h"
#include "qrcode/create_qr_code.h"
#include "qrcode/qr_matrix.h"
#include "qrcode/request.h"
#include "qrcode/table_globals.h"
#include "tables/qr_code.h"

namespace {

constexpr std::string_view 字母数字字符 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";
constexpr std::string_view 汉字 = "这里填关键词宝贝编号二维码";  // GBK, two bytes each

constexpr std::uint64_t 初值 = 14695981039346656037ULL;
constexpr std::uint64_t 乘数 = 1099511628211ULL;

std::uint64_t 混入(std::uint64_t h, std::uint8_t b) { return (h ^ b) * 乘数; }

}  // namespace

std::string 样例文本(char 种类, std::int32_t 长度) {
  std::string s;
  const auto n = static_cast<std::size_t>(长度);
  switch (种类) {
    case 'N':
      for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('0' + (i * 7 + i / 10) % 10);
      break;
    case 'A':
      for (std::size_t i = 0; i < n; ++i) s += 字母数字字符[(i * 13 + i / 45) % 字母数字字符.size()];
      break;
    case 'B':
      // Printable ASCII with lower-case letters, so neither numeric nor alphanumeric.
      for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('a' + (i * 11 + i / 26) % 26);
      if (!s.empty()) s[0] = 'h';
      for (std::size_t i = 5; i < n; i += 17) s[i] = "&=?/:. #"[i % 8];
      break;
    case 'C':
      // 长度 characters of two GBK bytes each.
      for (std::size_t i = 0; i < n; ++i) s += 汉字.substr(((i * 5) % (汉字.size() / 2)) * 2, 2);
      break;
    case 'R':
      s = 组装请求内容(搜索前缀(), "这里填关键词", 宝贝ID键, "这里输入宝贝ID");
      break;
    default:
      break;
  }
  return s;
}

std::uint64_t 散列(const 字节矩阵类& 矩阵) {
  std::uint64_t h = 初值;
  for (std::int32_t y = 0; y < 矩阵.取高度(); ++y)
    for (std::int32_t x = 0; x < 矩阵.取宽度(); ++x) h = 混入(h, 矩阵.取单元值(x, y));
  return 混入(混入(h, static_cast<std::uint8_t>(矩阵.取宽度())), static_cast<std::uint8_t>(矩阵.取高度()));
}

std::uint64_t 散列(const 字节集& 字节) {
  std::uint64_t h = 初值;
  for (const std::uint8_t b : 字节) h = 混入(h, b);
  return h;
}

编码结果 编码样例(char 种类, std::int32_t 长度, std::int32_t 级别) {
  编码类 编码器;
  初始化编码器(编码器);
  二维码类 记录;
  编码器.编码(样例文本(种类, 长度), 容错级别表.列表[static_cast<std::size_t>(级别)], 记录);
  return {记录.取版本号(), 记录.模式().取模式位(), 记录.取掩码(), 记录.取总字节数(), 记录.取数据字节数(), 记录.取块数(),
          散列(记录.矩阵())};
}

std::vector<掩码结果> 逐掩码构建(char 种类, std::int32_t 长度, std::int32_t 级别) {
  // The encoder's own steps, up to the final codewords.
  编码类 编码器;
  初始化编码器(编码器);
  二维码类 记录;
  const std::string 文本 = 样例文本(种类, 长度);
  const 容错级别类& 级 = 容错级别表.列表[static_cast<std::size_t>(级别)];
  const 模式类 模式 = 编码器.选择模式(文本);
  位向量类 数据位;
  编码器.追加数据字节(文本, 模式, 数据位);
  编码器.初始化二维码(数据位.取字节长度(), 级, 模式, 记录);
  位向量类 头部位;
  编码器.追加模式信息(模式, 头部位);
  // Every kind but 'C' and 'R' is one byte per character; those two are byte mode.
  const bool 字节模式 = 模式.名称() == 模式表[2].名称();
  编码器.追加长度信息(字节模式 ? 数据位.取字节长度() : static_cast<std::int32_t>(文本.size()), 记录.取版本号(), 模式,
                      头部位);
  位向量子类 连接;
  连接.置位向量(头部位);
  连接.追加位向量(数据位);
  位向量类 码字位 = 连接.取位向量();
  编码器.结束数据位(记录.取数据字节数(), 码字位);
  位向量类 最终位;
  编码器.交错容错字节(码字位, 记录.取总字节数(), 记录.取数据字节数(), 记录.取块数(), 最终位);

  std::vector<掩码结果> 结果;
  const 矩阵应用类 应用;
  for (std::int32_t 掩码 = 0; 掩码 < 8; ++掩码) {
    字节矩阵类 矩阵;
    矩阵.置尺寸(记录.取维长度(), 记录.取维长度());
    应用.构建矩阵(最终位, 级, 记录.取版本号(), 掩码, 矩阵);
    结果.push_back({编码器.计算掩码惩罚(矩阵), 散列(矩阵)});
  }
  return 结果;
}

字节集 样例位图(char 种类, std::int32_t 长度, std::int32_t 级别, std::int32_t 宽度, std::int32_t 高度) {
  const std::string 字母 = 容错级别表.列表[static_cast<std::size_t>(级别)].取名称();
  return 创建二维码(样例文本(种类, 长度), 字母, 宽度, 高度);
}
