#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "matrix/mask_selection.h"
#include "matrix/matrix_builder.h"
#include "matrix_fixtures.h"
#include "support/zbar_decode.h"

namespace {

// Just enough of the codeword side, written here from the standard, to
// give the builder real symbols that a decoder can read back.
class 参考码字 {
 public:
  参考码字() {
    int x = 1;
    for (int i = 0; i < 255; ++i) {
      指数_[static_cast<std::size_t>(i)] = x;
      对数_[static_cast<std::size_t>(x)] = i;
      x <<= 1;
      if (x & 0x100) x ^= 0x11D;
    }
  }

  int 乘(int a, int b) const {
    if (a == 0 || b == 0) return 0;
    return 指数_[static_cast<std::size_t>((对数_[static_cast<std::size_t>(a)] + 对数_[static_cast<std::size_t>(b)]) % 255)];
  }

  // Remainder of data x^n by the product of (x - a^i), i = 0 .. n - 1.
  std::vector<int> 纠错码(const std::vector<int>& 数据, int n) const {
    std::vector<int> g = {1};
    for (int i = 0; i < n; ++i) {
      std::vector<int> 积(g.size() + 1, 0);
      for (std::size_t j = 0; j < g.size(); ++j) {
        积[j] ^= g[j];
        积[j + 1] ^= 乘(g[j], 指数_[static_cast<std::size_t>(i)]);
      }
      g = 积;
    }
    std::vector<int> r(static_cast<std::size_t>(n), 0);
    for (const int d : 数据) {
      const int f = d ^ r[0];
      r.erase(r.begin());
      r.push_back(0);
      for (std::size_t j = 0; j < r.size(); ++j) r[j] ^= 乘(g[j + 1], f);
    }
    return r;
  }

 private:
  std::array<int, 256> 指数_{};
  std::array<int, 256> 对数_{};
};

// A byte-mode segment for versions 1 to 9, cut into equal blocks and
// interleaved as the standard lays them out.
位向量类 码字流(const std::string& 文本, int 块数, int 每块数据, int 每块纠错) {
  位向量类 v;
  v.追加位组(4, 4);
  v.追加位组(static_cast<int>(文本.size()), 8);
  for (const char c : 文本) v.追加位组(static_cast<unsigned char>(c), 8);
  const int 容量 = 块数 * 每块数据 * 8;
  for (int i = 0; i < 4 && v.取长度() < 容量; ++i) v.追加位(0);
  while (v.取长度() % 8 != 0) v.追加位(0);
  for (int 填充 = 0xEC; v.取长度() < 容量; 填充 ^= 0xEC ^ 0x11) v.追加位组(填充, 8);

  std::vector<std::vector<int>> 数据(static_cast<std::size_t>(块数));
  for (int i = 0; i < 块数 * 每块数据; ++i) {
    int b = 0;
    for (int k = 0; k < 8; ++k) b = (b << 1) | v.取位值(i * 8 + k);
    数据[static_cast<std::size_t>(i / 每块数据)].push_back(b);
  }
  const 参考码字 rs;
  std::vector<std::vector<int>> 纠错;
  for (const auto& 块 : 数据) 纠错.push_back(rs.纠错码(块, 每块纠错));
  位向量类 流;
  for (int i = 0; i < 每块数据; ++i)
    for (const auto& 块 : 数据) 流.追加位组(块[static_cast<std::size_t>(i)], 8);
  for (int i = 0; i < 每块纠错; ++i)
    for (const auto& 块 : 纠错) 流.追加位组(块[static_cast<std::size_t>(i)], 8);
  return 流;
}

std::vector<std::string> 解码(const 字节矩阵类& m) {
  constexpr int 放大 = 4;
  constexpr int 静区 = 4;
  const int 边长 = (m.取宽度() + 2 * 静区) * 放大;
  std::vector<std::uint8_t> 像素(static_cast<std::size_t>(边长 * 边长), 255);
  for (int y = 0; y < m.取高度(); ++y)
    for (int x = 0; x < m.取宽度(); ++x)
      if (m.取单元值(x, y) == 1)
        for (int dy = 0; dy < 放大; ++dy)
          for (int dx = 0; dx < 放大; ++dx)
            像素[static_cast<std::size_t>(((y + 静区) * 放大 + dy) * 边长 + (x + 静区) * 放大 + dx)] = 0;
  return zbar_decode_gray(像素, 边长, 边长);
}

struct 例子 {
  int 版本号;
  char 级别字母;
  int 块数;
  int 每块数据;
  int 每块纠错;
  std::string 文本;
};

// Every mask must give a symbol a real decoder reads: format words,
// version words, placement and masks all agree with the standard.
TEST(Decoding, EveryMaskOfVersions1And7ReadsBack) {
  const std::vector<例子> 例 = {
      {1, 'L', 1, 19, 7, "m.example.com"},
      {7, 'L', 2, 78, 20,
       "http://m.example.com/search_result.html?search_key=keyword&gid=1234567890-and-some-more-text-to-fill"}};
  const 矩阵应用类 b;
  for (const auto& e : 例) {
    const 位向量类 位 = 码字流(e.文本, e.块数, e.每块数据, e.每块纠错);
    for (int 掩码 = 0; 掩码 < 8; ++掩码) {
      字节矩阵类 m;
      m.置尺寸(维长度(e.版本号), 维长度(e.版本号));
      b.构建矩阵(位, 级别(e.级别字母), e.版本号, 掩码, m);
      EXPECT_EQ(解码(m), std::vector<std::string>{e.文本}) << "version " << e.版本号 << " mask " << 掩码;
    }
    字节矩阵类 工作;
    工作.置尺寸(维长度(e.版本号), 维长度(e.版本号));
    const std::int32_t 选中 = 选择掩码(位, 级别(e.级别字母), e.版本号, 工作);
    b.构建矩阵(位, 级别(e.级别字母), e.版本号, 选中, 工作);
    EXPECT_EQ(解码(工作), std::vector<std::string>{e.文本});
  }
}

}  // namespace
