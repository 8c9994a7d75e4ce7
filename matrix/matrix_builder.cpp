#include "matrix/matrix_builder.h"

#include <string_view>
#include <utility>
#include <vector>

#include "containers/bit_vector.h"
#include "matrix/mask_helper.h"
#include "matrix/unsigned_shift.h"
#include "platform/text.h"
#include "qrcode/exception_report.h"
#include "tables/qr_code.h"

namespace {

constexpr std::string_view 位置探测图文本 =
    "1,1,1,1,1,1,1\r\n1,0,0,0,0,0,1\r\n1,0,1,1,1,0,1\r\n1,0,1,1,1,0,1\r\n1,0,1,1,1,0,1\r\n1,0,0,0,0,0,1\r\n"
    "1,1,1,1,1,1,1";
constexpr std::string_view 水平分割图文本 = "0,0,0,0,0,0,0,0";
constexpr std::string_view 垂直分割图文本 = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0";
constexpr std::string_view 方位调整标识文本 = "1,1,1,1,1\r\n1,0,0,0,1\r\n1,0,1,0,1\r\n1,0,0,0,1\r\n1,1,1,1,1";
// Alignment pattern centres by version (row v - 1), padded with -1.
constexpr std::string_view 方位调整中心表文本 =
    "-1,-1,-1,-1,-1,-1,-1\r\n"
    "6,18,-1,-1,-1,-1,-1\r\n"
    "6,22,-1,-1,-1,-1,-1\r\n"
    "6,26,-1,-1,-1,-1,-1\r\n"
    "6,30,-1,-1,-1,-1,-1\r\n"
    "6,34,-1,-1,-1,-1,-1\r\n"
    "6,22,38,-1,-1,-1,-1\r\n"
    "6,24,42,-1,-1,-1,-1\r\n"
    "6,26,46,-1,-1,-1,-1\r\n"
    "6,28,50,-1,-1,-1,-1\r\n"
    "6,30,54,-1,-1,-1,-1\r\n"
    "6,32,58,-1,-1,-1,-1\r\n"
    "6,34,62,-1,-1,-1,-1\r\n"
    "6,26,46,66,-1,-1,-1\r\n"
    "6,26,48,70,-1,-1,-1\r\n"
    "6,26,50,74,-1,-1,-1\r\n"
    "6,30,54,78,-1,-1,-1\r\n"
    "6,30,56,82,-1,-1,-1\r\n"
    "6,30,58,86,-1,-1,-1\r\n"
    "6,34,62,90,-1,-1,-1\r\n"
    "6,28,50,72,94,-1,-1\r\n"
    "6,26,50,74,98,-1,-1\r\n"
    "6,30,54,78,102,-1,-1\r\n"
    "6,28,54,80,106,-1,-1\r\n"
    "6,32,58,84,110,-1,-1\r\n"
    "6,30,58,86,114,-1,-1\r\n"
    "6,34,62,90,118,-1,-1\r\n"
    "6,26,50,74,98,122,-1\r\n"
    "6,30,54,78,102,126,-1\r\n"
    "6,26,52,78,104,130,-1\r\n"
    "6,30,56,82,108,134,-1\r\n"
    "6,34,60,86,112,138,-1\r\n"
    "6,30,58,86,114,142,-1\r\n"
    "6,34,62,90,118,146,-1\r\n"
    "6,30,54,78,102,126,150\r\n"
    "6,24,50,76,102,128,154\r\n"
    "6,28,54,80,106,132,158\r\n"
    "6,32,58,84,110,136,162\r\n"
    "6,26,54,82,110,138,166\r\n"
    "6,30,58,86,114,142,170";
// Cells (x, y) of the first copy of the format information, least
// significant bit first.
constexpr std::string_view 类型信息坐标文本 =
    "8,0\r\n8,1\r\n8,2\r\n8,3\r\n8,4\r\n8,5\r\n8,7\r\n8,8\r\n7,8\r\n5,8\r\n4,8\r\n3,8\r\n2,8\r\n1,8\r\n0,8";

constexpr std::int32_t 类型信息生成多项式 = 0x537;
constexpr std::int32_t 类型信息掩码 = 0x5412;
constexpr std::int32_t 版本信息生成多项式 = 0x1F25;
constexpr std::int32_t 最大版本号 = 40;

bool 形状为(const 整数矩阵& 表, std::int32_t 行数, std::int32_t 列数) noexcept {
  return 表.行数() == 行数 && 表.列数 == 列数;
}

// Names the start of the separator, not the taken cell.
std::string 分割图占用信息(std::int32_t i, std::int32_t x0, std::int32_t y0) {
  std::string 信息 = "矩阵当前操作位数据不为空。i：";
  信息 += platform::to_decimal(i);
  信息 += "；x：";
  信息 += platform::to_decimal(x0);
  信息 += "；y：";
  信息 += platform::to_decimal(y0);
  return 信息;
}

}  // namespace

矩阵应用类::矩阵应用类() : 类名("矩阵应用类") { 载入图形表(); }

void 矩阵应用类::构建矩阵(const 位向量类& 数据位, const 容错级别类& 级别, std::int32_t 版本号, std::int32_t 掩码,
                          字节矩阵类& 矩阵) const {
  // Every pattern is placed relative to the width, so a matrix of another
  // size would be written outside its cells.
  const std::int32_t 维长度 = 17 + 4 * 版本号;
  if (版本号 < 1 || 版本号 > 最大版本号 || 矩阵.取宽度() != 维长度 || 矩阵.取高度() != 维长度) {
    std::string 信息 = "矩阵尺寸与版本号不符。版本号：";
    信息 += platform::to_decimal(版本号);
    信息 += "；宽度：";
    信息 += platform::to_decimal(矩阵.取宽度());
    信息 += "；高度：";
    信息 += platform::to_decimal(矩阵.取高度());
    引发异常(类名, "构建矩阵", 信息);
  }
  清空矩阵(矩阵);
  插入基本图形(版本号, 矩阵);
  插入类型信息(级别, 掩码, 矩阵);
  插入版本信息(版本号, 矩阵);
  插入数据信息位(数据位, 掩码, 矩阵);
}

void 矩阵应用类::清空矩阵(字节矩阵类& 矩阵) const { 矩阵.清除(空值); }

void 矩阵应用类::插入基本图形(std::int32_t 版本号, 字节矩阵类& 矩阵) const {
  插入位置探测图和分割图(矩阵);
  左下角插入黑点(矩阵);
  插入全部方位调整标识(版本号, 矩阵);
  插入定位基线(矩阵);
}

void 矩阵应用类::插入位置探测图和分割图(字节矩阵类& 矩阵) const {
  const std::int32_t 宽 = 矩阵.取宽度();
  const std::int32_t 高 = 矩阵.取高度();
  const std::int32_t 探测宽 = 位置探测图.列数;
  插入位置探测图(0, 0, 矩阵);
  插入位置探测图(宽 - 探测宽, 0, 矩阵);
  插入位置探测图(0, 宽 - 探测宽, 矩阵);

  const std::int32_t 水平宽 = 水平分割图.列数;
  插入水平分割图(0, 水平宽 - 1, 矩阵);
  插入水平分割图(宽 - 水平宽, 水平宽 - 1, 矩阵);
  插入水平分割图(0, 宽 - 水平宽, 矩阵);

  const std::int32_t 垂直高 = 垂直分割图.行数();
  插入垂直分割图(垂直高, 0, 矩阵);
  插入垂直分割图(高 - 垂直高 - 1, 0, 矩阵);
  插入垂直分割图(垂直高, 高 - 垂直高, 矩阵);
}

void 矩阵应用类::载入图形表() {
  // Two builders are made per request; the table texts are parsed once.
  static const 整数矩阵 位置探测图表 = 文本到整数矩阵(位置探测图文本, "\r\n", ",");
  static const 整数矩阵 水平分割图表 = 文本到整数矩阵(水平分割图文本, "\r\n", ",");
  static const 整数矩阵 垂直分割图表 = 文本到整数矩阵(垂直分割图文本, "\r\n", ",");
  static const 整数矩阵 方位调整标识表 = 文本到整数矩阵(方位调整标识文本, "\r\n", ",");
  static const 整数矩阵 方位调整中心表表 = 文本到整数矩阵(方位调整中心表文本, "\r\n", ",");
  static const 整数矩阵 类型信息坐标表 = 文本到整数矩阵(类型信息坐标文本, "\r\n", ",");
  位置探测图 = 位置探测图表;
  水平分割图 = 水平分割图表;
  垂直分割图 = 垂直分割图表;
  方位调整标识 = 方位调整标识表;
  方位调整中心表 = 方位调整中心表表;
  类型信息坐标 = 类型信息坐标表;
}

void 矩阵应用类::插入位置探测图(std::int32_t x0, std::int32_t y0, 字节矩阵类& 矩阵) const {
  if (!形状为(位置探测图, 7, 7)) 引发异常(类名, "插入位置探测图", "方位检测标识异常，不是7*7矩阵。");
  for (std::int32_t i = 1; i <= 7; ++i) {
    for (std::int32_t j = 1; j <= 7; ++j) {
      const std::int32_t x = x0 + j - 1;
      const std::int32_t y = y0 + i - 1;
      if (!是否为空(矩阵.取单元值(x, y))) {
        std::string 信息 = "方位检测标识异常，当前位置有空值。当前行索引：";
        信息 += platform::to_decimal(x0 + j);
        信息 += "；列索引：";
        信息 += platform::to_decimal(y0 + i);
        引发异常(类名, "插入位置探测图", 信息);
      }
      矩阵.置单元值(x, y, 位置探测图(i - 1, j - 1));
    }
  }
}

void 矩阵应用类::左下角插入黑点(字节矩阵类& 矩阵) const {
  const std::int32_t y = 矩阵.取高度() - 8;
  if (矩阵.取单元值(8, y) == 0) 引发异常(类名, "左下角插入黑点", "空值");
  矩阵.置单元值(8, y, 1);
}

void 矩阵应用类::插入全部方位调整标识(std::int32_t 版本号, 字节矩阵类& 矩阵) const {
  if (版本号 < 2) return;
  const std::vector<std::int32_t> 中心 = 取矩阵行(方位调整中心表, 版本号);
  for (const std::int32_t y : 中心) {
    if (y == -1) continue;
    for (const std::int32_t x : 中心) {
      // Centres on a finder pattern find their cell taken and get none.
      if (x != -1 && 是否为空(矩阵.取单元值(x, y))) 插入方位调整标识(x - 2, y - 2, 矩阵);
    }
  }
}

void 矩阵应用类::插入方位调整标识(std::int32_t x0, std::int32_t y0, 字节矩阵类& 矩阵) const {
  if (!形状为(方位调整标识, 5, 5)) 引发异常(类名, "插入方位调整标识", "定位探测图矩阵维度不正确");
  for (std::int32_t i = 1; i <= 5; ++i) {
    for (std::int32_t j = 1; j <= 5; ++j) {
      const std::int32_t x = x0 + j - 1;
      const std::int32_t y = y0 + i - 1;
      if (!是否为空(矩阵.取单元值(x, y))) 引发异常(类名, "插入方位调整标识", "值为空");
      矩阵.置单元值(x, y, 方位调整标识(i - 1, j - 1));
    }
  }
}

void 矩阵应用类::插入定位基线(字节矩阵类& 矩阵) const {
  const std::int32_t 宽 = 矩阵.取宽度();
  for (std::int32_t i = 1; i <= 宽 - 16; ++i) {
    const std::int32_t p = i + 7;
    const std::int32_t b = (i + 8) % 2;
    // Cells an alignment pattern already holds keep their value.
    const auto 置基线 = [&](std::int32_t x, std::int32_t y) {
      const std::int32_t 值 = 矩阵.取单元值(x, y);
      if (!是否有效值(值)) 引发异常(类名, "插入定位基线", "无效值");
      if (是否为空(值)) 矩阵.置单元值(x, y, b);
    };
    置基线(p, 6);
    置基线(6, p);
  }
}

std::int32_t 矩阵应用类::取有效位数(std::int32_t 值) noexcept {
  std::int32_t 位数 = 0;
  for (; 值 != 0; 值 = 无符号右移(值, 1)) ++位数;
  return 位数;
}

std::int32_t 矩阵应用类::计算BCH码(std::int32_t 值, std::int32_t 多项式) noexcept {
  // Shifts on the unsigned pattern, so that a high bit never overflows.
  const std::int32_t m = 取有效位数(多项式);
  // Nothing divides by the zero polynomial; reducing by it would never end.
  if (m == 0) return 0;
  auto 余式 = static_cast<std::uint32_t>(值) << static_cast<std::uint32_t>((m - 1) & 31);
  for (std::int32_t n = 取有效位数(static_cast<std::int32_t>(余式)); n >= m;
       n = 取有效位数(static_cast<std::int32_t>(余式))) {
    余式 ^= static_cast<std::uint32_t>(多项式) << static_cast<std::uint32_t>(n - m);
  }
  return static_cast<std::int32_t>(余式);
}

void 矩阵应用类::标记类型信息位(const 容错级别类& 级别, std::int32_t 掩码, 位向量类& 位) const {
  if (!二维码类::是否有效掩码(掩码)) 引发异常(类名, "标记类型信息位", "掩图无效");
  const std::int32_t 类型信息 = (级别.取格式位() << 3) | 掩码;
  位.追加位组(类型信息, 5);
  位.追加位组(计算BCH码(类型信息, 类型信息生成多项式), 10);
  位向量类 掩码位;
  掩码位.追加位组(类型信息掩码, 15);
  位向量子类 异或器;
  异或器.置位向量(位);
  位 = 异或器.异或(掩码位);
  if (位.取长度() != 15) 引发异常(类名, "标记类型信息位", "位向量长度不对。");
}

void 矩阵应用类::插入类型信息(const 容错级别类& 级别, std::int32_t 掩码, 字节矩阵类& 矩阵) const {
  位向量类 位;
  标记类型信息位(级别, 掩码, 位);
  const std::int32_t n = 位.取长度();
  const std::int32_t 宽 = 矩阵.取宽度();
  const std::int32_t 高 = 矩阵.取高度();
  for (std::int32_t i = 1; i <= n; ++i) {
    const std::int32_t b = 位.取位值(n - i);
    矩阵.置单元值(类型信息坐标(i - 1, 0), 类型信息坐标(i - 1, 1), b);
    if (i <= 8) {
      矩阵.置单元值(宽 - i, 8, b);
    } else {
      矩阵.置单元值(8, 高 - 7 + (i - 9), b);
    }
  }
}

void 矩阵应用类::标记版本信息位(std::int32_t 版本号, 位向量类& 位) const {
  位.追加位组(版本号, 6);
  位.追加位组(计算BCH码(版本号, 版本信息生成多项式), 12);
  if (位.取长度() != 18) 引发异常(类名, "标记版本信息位", "版本信息不为18位");
}

void 矩阵应用类::插入版本信息(std::int32_t 版本号, 字节矩阵类& 矩阵) const {
  if (版本号 < 7) return;
  位向量类 位;
  标记版本信息位(版本号, 位);
  const std::int32_t 高 = 矩阵.取高度();
  std::int32_t k = 17;
  for (std::int32_t i = 0; i <= 5; ++i) {
    for (std::int32_t j = 0; j <= 2; ++j) {
      const std::int32_t b = 位.取位值(k);
      --k;
      矩阵.置单元值(i, 高 - 11 + j, b);
      矩阵.置单元值(高 - 11 + j, i, b);
    }
  }
}

namespace {

// The zig-zag walk over the empty cells; 条件(x, y) is 1 where the mask
// inverts the cell. Returns how many bits were placed.
template <typename 条件类>
std::int32_t 放置数据位(const 字节集& 存储, std::int32_t 位数, 字节矩阵类& 矩阵, 条件类 条件) {
  const std::int32_t 宽 = 矩阵.取宽度();
  const std::int32_t 高 = 矩阵.取高度();
  std::int32_t k = 0;
  std::int32_t d = -1;
  std::int32_t y = 高 - 1;
  const auto 填入 = [&](std::int32_t x) {
    if (!矩阵应用类::是否为空(矩阵.取单元值(x, y))) return;
    std::int32_t b = 0;
    if (k < 位数) {
      b = (存储[static_cast<std::size_t>(k >> 3)] >> (7 - (k & 7))) & 1;
      ++k;
    }
    if (条件(x, y) == 1) b ^= 1;
    矩阵.置单元值(x, y, b);
  };
  for (std::int32_t x = 宽 - 1; x > 0; x -= 2) {
    // The vertical timing column carries no data.
    if (x == 6) x = 5;
    for (; y >= 0 && y < 高; y += d) {
      填入(x);
      填入(x - 1);
    }
    d = -d;
    y += d;
  }
  return k;
}

// One instance per mask, so the condition is not chosen again per cell.
template <std::int32_t 掩码>
std::int32_t 按掩码放置(const 字节集& 存储, std::int32_t 位数, 字节矩阵类& 矩阵) {
  return 放置数据位(存储, 位数, 矩阵, [](std::int32_t x, std::int32_t y) { return 掩码辅助类::掩码位(掩码, x, y); });
}

using 放置函数 = std::int32_t (*)(const 字节集&, std::int32_t, 字节矩阵类&);
constexpr 放置函数 各掩码放置[8] = {按掩码放置<0>, 按掩码放置<1>, 按掩码放置<2>, 按掩码放置<3>,
                                   按掩码放置<4>, 按掩码放置<5>, 按掩码放置<6>, 按掩码放置<7>};

}  // namespace

void 矩阵应用类::插入数据信息位(const 位向量类& 数据位, std::int32_t 掩码, 字节矩阵类& 矩阵) const {
  // Bits are read straight from the storage; k never passes the length.
  const 字节集& 存储 = 数据位.存储();
  const std::int32_t 位数 = 数据位.取长度();
  std::int32_t k = 0;
  if (掩码 == -1) {
    k = 放置数据位(存储, 位数, 矩阵, [](std::int32_t, std::int32_t) { return 0; });
  } else if (二维码类::是否有效掩码(掩码)) {
    k = 各掩码放置[掩码](存储, 位数, 矩阵);
  } else {
    // A bad mask goes through the checked condition, which reports it.
    const 掩码辅助类 掩码辅助;
    k = 放置数据位(存储, 位数, 矩阵,
                   [&](std::int32_t x, std::int32_t y) { return 掩码辅助.取数据掩码位(掩码, x, y); });
  }
  if (k != 位数) {
    std::string 信息 = "数据位未被全部填充，n：";
    信息 += platform::to_decimal(k);
    信息 += "；位向量大小：";
    信息 += platform::to_decimal(位数);
    引发异常(类名, "插入数据信息位", 信息);
  }
}

void 矩阵应用类::插入水平分割图(std::int32_t x0, std::int32_t y0, 字节矩阵类& 矩阵) const {
  if (!形状为(水平分割图, 1, 8)) 引发异常(类名, "插入水平分割图", "无效的水平分割图");
  for (std::int32_t i = 1; i <= 8; ++i) {
    const std::int32_t x = x0 + i - 1;
    if (!是否为空(矩阵.取单元值(x, y0))) 引发异常(类名, "插入水平分割图", 分割图占用信息(i, x0, y0));
    矩阵.置单元值(x, y0, 水平分割图(0, i - 1));
  }
}

void 矩阵应用类::插入垂直分割图(std::int32_t x0, std::int32_t y0, 字节矩阵类& 矩阵) const {
  if (!形状为(垂直分割图, 7, 1)) 引发异常(类名, "插入垂直分割图", "无效的垂直分割图");
  for (std::int32_t i = 1; i <= 7; ++i) {
    const std::int32_t y = y0 + i - 1;
    if (!是否为空(矩阵.取单元值(x0, y))) 引发异常(类名, "插入垂直分割图", 分割图占用信息(i, x0, y0));
    矩阵.置单元值(x0, y, 垂直分割图(i - 1, 0));
  }
}
