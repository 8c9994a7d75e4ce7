// Pins the symbols the encoder makes: version, mode, mask, counts and the
// whole matrix of 50-odd texts across versions 1 to 40, the four levels and
// the three modes, every mask's build and penalty for some of them, and the
// BMP bytes of some. Speed work must leave every one of them unchanged.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "tests/golden/golden_cases.h"

namespace {

#include "tests/golden/golden_expected.inc"

TEST(Golden, SymbolsAreUnchanged) {
  std::set<std::int32_t> 版本;
  std::set<std::int32_t> 掩码;
  for (const 金样例& e : 金样例表) {
    SCOPED_TRACE(testing::Message() << e.种类 << " length " << e.长度 << " level " << e.级别);
    const 编码结果 r = 编码样例(e.种类, e.长度, e.级别);
    EXPECT_EQ(r.版本号, e.期望.版本号);
    EXPECT_EQ(r.模式位, e.期望.模式位);
    EXPECT_EQ(r.掩码, e.期望.掩码);
    EXPECT_EQ(r.总字节数, e.期望.总字节数);
    EXPECT_EQ(r.数据字节数, e.期望.数据字节数);
    EXPECT_EQ(r.块数, e.期望.块数);
    EXPECT_EQ(r.矩阵散列, e.期望.矩阵散列);
    版本.insert(e.期望.版本号);
    掩码.insert(e.期望.掩码);
  }
  // The set itself must keep covering every version and every mask.
  EXPECT_EQ(版本.size(), 40U);
  EXPECT_EQ(掩码.size(), 8U);
}

TEST(Golden, EveryMaskBuildsTheSameMatrixAndPenalty) {
  std::map<std::int32_t, std::vector<掩码结果>> 已建;
  for (const 金掩码样例& e : 金掩码样例表) {
    const 金样例& s = 金样例表[e.样例];
    SCOPED_TRACE(testing::Message() << s.种类 << " length " << s.长度 << " level " << s.级别 << " mask " << e.掩码);
    auto [位置, 新建] = 已建.try_emplace(e.样例);
    if (新建) 位置->second = 逐掩码构建(s.种类, s.长度, s.级别);
    const auto& 结果 = 位置->second;
    ASSERT_EQ(结果.size(), 8U);
    EXPECT_EQ(结果[static_cast<std::size_t>(e.掩码)].惩罚, e.惩罚);
    EXPECT_EQ(结果[static_cast<std::size_t>(e.掩码)].矩阵散列, e.矩阵散列);
  }
}

TEST(Golden, ImagesAreUnchanged) {
  for (const 金位图样例& e : 金位图样例表) {
    const 金样例& s = 金样例表[e.样例];
    SCOPED_TRACE(testing::Message() << s.种类 << " length " << s.长度 << " at " << e.宽度 << "x" << e.高度);
    const 字节集 位图 = 样例位图(s.种类, s.长度, s.级别, e.宽度, e.高度);
    EXPECT_EQ(位图.size(), e.字节数);
    EXPECT_EQ(散列(位图), e.位图散列);
  }
}

}  // namespace
