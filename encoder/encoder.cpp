#include "encoder/encoder.h"

#include <algorithm>
#include <utility>

#include "encoder/character_split.h"
#include "encoder/data_block.h"
#include "matrix/mask_selection.h"
#include "matrix/matrix_builder.h"
#include "platform/encoding.h"
#include "qrcode/exception_report.h"
#include "qrcode/field_global.h"
#include "qrcode/table_globals.h"
#include "reedsolomon/rs_encoder.h"
#include "tables/qr_code.h"

namespace {

constexpr std::int32_t 余量字节数 = 3;  // header (at most 20 bits) and a full terminator
constexpr std::int32_t 终止位数 = 4;
constexpr std::int32_t 填充字节1 = 0xEC;
constexpr std::int32_t 填充字节2 = 0x11;

const 模式类& 数字模式() { return 模式表[0]; }
const 模式类& 字母数字模式() { return 模式表[1]; }
const 模式类& 字节模式() { return 模式表[2]; }

}  // namespace

void 编码类::编码(std::string_view 内容, const 容错级别类& 级别, 二维码类& 目标) {
  // The symbol is built in a record of its own and handed over whole at the
  // end: the character walk lets the window run events, and a request
  // started from one of them writes the shared record in the meantime.
  二维码类 记录;
  记录.重置();
  位向量类 数据位;
  位向量类 头部位;
  位向量类 最终位;
  位向量子类 连接;
  字节矩阵类 矩阵;
  矩阵应用类 应用;

  const 模式类 模式 = 选择模式(内容);
  追加数据字节(内容, 模式, 数据位);
  初始化二维码(数据位.取字节长度(), 级别, 模式, 记录);
  追加模式信息(模式, 头部位);

  std::int32_t 数目 = 0;
  if (模式.名称() == 字节模式().名称()) {
    数目 = 数据位.取字节长度();  // UTF-8 bytes
  } else {
    逐个字符(内容, [&](std::string_view) { ++数目; });
  }
  追加长度信息(数目, 记录.取版本号(), 模式, 头部位);

  连接.置位向量(头部位);
  连接.追加位向量(数据位);
  头部位 = 连接.交出位向量();

  结束数据位(记录.取数据字节数(), 头部位);
  交错容错字节(头部位, 记录.取总字节数(), 记录.取数据字节数(), 记录.取块数(), 最终位);

  const std::int32_t 维长度 = 记录.取维长度();
  矩阵.置尺寸(维长度, 维长度);
  const 容错级别类& 记录级别 = 记录.容错级别();
  记录.置掩码(选择掩码(最终位, 记录级别, 记录.取版本号(), 矩阵));
  应用.构建矩阵(最终位, 记录级别, 记录.取版本号(), 记录.取掩码(), 矩阵);
  记录.置矩阵(std::move(矩阵));

  if (!记录.是否有效()) 引发异常(类名, "编码", "无效的二维码");
  目标 = std::move(记录);
}

void 编码类::初始化二维码(std::int32_t n, const 容错级别类& 级别, const 模式类& 模式, 二维码类& 记录) {
  记录.置容错级别(级别);
  记录.置模式(模式);
  for (const 版本类& 版本 : 版本表) {
    const 容错块类& 块 = 版本.容错块(级别);
    const std::int32_t 总数 = 版本.取总字节数();
    const std::int32_t 容错 = 块.取容错字节总数();
    const std::int32_t 数据 = 总数 - 容错;
    if (数据 >= n + 余量字节数) {
      记录.置版本号(版本.取版本号());
      记录.置总字节数(总数);
      记录.置数据字节数(数据);
      记录.置块数(块.取块数());
      记录.置容错字节数(容错);
      记录.置维长度(版本.取维长度());
      return;
    }
  }
  引发异常(类名, "初始化二维码", "");
}

void 编码类::追加数据字节(std::string_view 文本, const 模式类& 模式, 位向量类& 位) {
  if (模式.名称() == 数字模式().名称()) {
    追加数字字节(文本, 位);
  } else if (模式.名称() == 字母数字模式().名称()) {
    追加字母数字字节(文本, 位);
  } else {
    追加八位字节(文本, 位);
  }
}

void 编码类::追加数字字节(std::string_view 文本, 位向量类& 位) {
  const auto 数字 = [&](std::size_t i) { return static_cast<unsigned char>(文本[i]) - 48; };
  const std::size_t 长度 = 文本.size();
  for (std::size_t p = 0; p < 长度;) {
    if (p + 3 <= 长度) {
      位.追加位组(100 * 数字(p) + 10 * 数字(p + 1) + 数字(p + 2), 10);
      p += 3;
    } else if (p + 2 <= 长度) {
      位.追加位组(10 * 数字(p) + 数字(p + 1), 7);
      p += 2;
    } else {
      位.追加位组(数字(p), 4);
      p += 1;
    }
  }
}

void 编码类::追加字母数字字节(std::string_view 文本, 位向量类& 位) {
  const auto 代码 = [&](std::size_t i) {
    const std::int32_t c = 取字母数字代码(static_cast<unsigned char>(文本[i]));
    if (c == -1) 引发异常(类名, "追加字母数字字节", "无效值");
    return c;
  };
  const std::size_t 长度 = 文本.size();
  for (std::size_t p = 0; p < 长度;) {
    const std::int32_t a = 代码(p);
    if (p + 1 >= 长度) {
      位.追加位组(a, 6);
      p += 1;
    } else {
      位.追加位组(45 * a + 代码(p + 1), 11);
      p += 2;
    }
  }
}

void 编码类::追加八位字节(std::string_view 文本, 位向量类& 位) {
  // A text that is not valid GBK must not become a symbol that scans as
  // empty: that would report success for a code that carries nothing.
  const std::optional<std::string> utf8 = platform::convert(文本, "GB2312", "UTF-8");
  if (!utf8) 引发异常(类名, "追加八位字节", "文本无法转换为UTF-8");
  for (const char 字节 : *utf8) 位.追加位组(static_cast<unsigned char>(字节), 8);
}

模式类 编码类::选择模式(std::string_view 文本) {
  bool 有数字 = false;
  bool 有字母数字 = false;
  bool 是字节 = false;
  逐个字符(文本, [&](std::string_view 字符) {
    if (是字节) return;
    const auto b = static_cast<std::int32_t>(static_cast<signed char>(字符[0]));
    if (b >= 48 && b <= 57) {
      有数字 = true;
    } else if (取字母数字代码(b) == -1) {
      是字节 = true;
    } else {
      有字母数字 = true;
    }
  });
  if (是字节) return 字节模式();
  if (有字母数字) return 字母数字模式();
  if (有数字) return 数字模式();
  return 字节模式();
}

std::int32_t 编码类::取字母数字代码(std::int32_t 代码) const noexcept {
  if (代码 < 0 || 代码 >= static_cast<std::int32_t>(字母数字表.size())) return -1;
  return 字母数字表[static_cast<std::size_t>(代码)];
}

void 编码类::追加模式信息(const 模式类& 模式, 位向量类& 位) { 位.追加位组(模式.取模式位(), 4); }

void 编码类::追加长度信息(std::int32_t 数目, std::int32_t 版本号, const 模式类& 模式, 位向量类& 位) {
  const std::int32_t 位数 = 模式.取字符计数位数(版本表[static_cast<std::size_t>(版本号 - 1)]);
  if (static_cast<std::int64_t>(数目) > (std::int64_t{1} << 位数) - 1) 引发异常(类名, "追加长度信息", "要添加信息过多");
  位.追加位组(数目, 位数);
}

void 编码类::结束数据位(std::int32_t 数据字节数, 位向量类& 位) {
  const std::int32_t 容量 = 数据字节数 << 3;
  if (位.取长度() > 容量) 引发异常(类名, "结束数据位", "数据无法填充");
  for (std::int32_t i = 0; i < 终止位数 && 位.取长度() < 容量; ++i) 位.追加位(0);
  const std::int32_t 余 = 位.取长度() % 8;
  if (余 > 0) 位.追加位组(0, 8 - 余);
  if (位.取长度() % 8 != 0) 引发异常(类名, "结束数据位", "位数不是8的倍数");
  const std::int32_t 填充数 = 数据字节数 - 位.取字节长度();
  for (std::int32_t i = 1; i <= 填充数; ++i) 位.追加位组(i % 2 == 1 ? 填充字节1 : 填充字节2, 8);
  if (位.取长度() != 容量) 引发异常(类名, "结束数据位", "位长度不等于容量");
}

void 编码类::根据块ID取数据字节数和容错字节数(std::int32_t 总字节数, std::int32_t 数据字节数, std::int32_t 块数,
                                              std::int32_t 块ID, std::int32_t& 块数据字节数,
                                              std::int32_t& 块容错字节数) {
  if (块ID >= 块数) 引发异常(类名, "根据块ID取数据字节数和容错字节数", "无效值");
  const std::int32_t 长块数 = 总字节数 % 块数;
  const std::int32_t 短块数 = 块数 - 长块数;
  const std::int32_t 短块总数 = 总字节数 / 块数;
  const std::int32_t 短块数据 = 数据字节数 / 块数;
  if (块ID < 短块数) {
    块数据字节数 = 短块数据;
    块容错字节数 = 短块总数 - 短块数据;
  } else {
    块数据字节数 = 短块数据 + 1;
    块容错字节数 = (短块总数 + 1) - (短块数据 + 1);
  }
}

void 编码类::交错容错字节(const 位向量类& 数据位, std::int32_t 总字节数, std::int32_t 数据字节数, std::int32_t 块数,
                          位向量类& 结果) {
  if (数据位.取字节长度() != 数据字节数) 引发异常(类名, "交错容错字节", "位数和数据字节数不匹配");

  std::vector<数据块类> 块组;
  块组.reserve(static_cast<std::size_t>(std::max(块数, 0)));
  std::int32_t 偏移 = 0;
  std::int32_t 最大数据 = 0;
  std::int32_t 最大容错 = 0;
  for (std::int32_t id = 0; id < 块数; ++id) {
    std::int32_t d = 0;
    std::int32_t e = 0;
    根据块ID取数据字节数和容错字节数(总字节数, 数据字节数, 块数, id, d, e);
    字节数组类 数据;
    数据.截取字节(数据位.存储(), 偏移, d);
    字节数组类 容错 = 生成容错字节(数据, e);
    最大数据 = std::max(最大数据, 数据.取长度());
    最大容错 = std::max(最大容错, 容错.取长度());
    块组.emplace_back().置值(std::move(数据), std::move(容错));
    偏移 += d;
  }
  if (偏移 != 数据字节数) 引发异常(类名, "交错容错字节", "数据字节数写偏移量不匹配");

  for (std::int32_t i = 1; i <= 最大数据; ++i) {
    for (const 数据块类& 块 : 块组) {
      if (i <= 块.数据字节().取长度()) 结果.追加位组(块.数据字节().取字节(i), 8);
    }
  }
  for (std::int32_t i = 1; i <= 最大容错; ++i) {
    for (const 数据块类& 块 : 块组) {
      if (i <= 块.容错字节().取长度()) 结果.追加位组(块.容错字节().取字节(i), 8);
    }
  }
  if (结果.取字节长度() != 总字节数) 引发异常(类名, "交错容错字节", "交错出错");
}

字节数组类 编码类::生成容错字节(const 字节数组类& 数据字节, std::int32_t 容错字节数) {
  const std::int32_t nd = 数据字节.取长度();
  std::vector<std::int32_t> 工作(static_cast<std::size_t>(nd + 容错字节数), 0);
  std::copy(数据字节.字节().begin(), 数据字节.字节().begin() + nd, 工作.begin());
  RS编码器类 编码器;
  编码器.RS编码器(二维码域);
  编码器.编码(工作, 容错字节数);
  字节数组类 结果;
  结果.置长度(容错字节数);
  for (std::int32_t j = 1; j <= 容错字节数; ++j) 结果.置字节(j, 工作[static_cast<std::size_t>(nd + j - 1)]);
  return 结果;
}

std::int32_t 编码类::计算掩码惩罚(const 字节矩阵类& 矩阵) { return ::计算掩码惩罚(矩阵); }

std::int32_t 编码类::选择掩码(const 位向量类& 数据位, const 容错级别类& 级别, std::int32_t 版本号, 字节矩阵类& 矩阵) {
  return ::选择掩码(数据位, 级别, 版本号, 矩阵);
}
