// Without -o the code is drawn in the terminal: the drawing is the module's
// symbol with its quiet zone, and a phone (here zbar) reads it.

#include <gtest/gtest.h>

#include "cli_run.h"
#include "images.h"
#include "module_fixture.h"
#include "platform/encoding.h"
#include "qrcode/create_qr_code.h"
#include "qrcode/shared_record.h"

namespace {

class Terminal : public with_module {
 protected:
  // Expects the drawing to hold exactly the module's symbol for the text.
  void expect_symbol(const std::string& drawing, const std::string& text) {
    const gray_image modules = gray_from_terminal(drawing);
    创建二维码(*platform::utf8_to_gbk(text));
    const 字节矩阵类& symbol = 共享二维码.矩阵();
    const int n = symbol.取宽度();
    ASSERT_EQ(modules.width, n + 4);
    ASSERT_EQ(modules.height, n + 5) << "two-module quiet zone, and half a line to close the last";
    for (int y = 0; y < modules.height; ++y) {
      for (int x = 0; x < modules.width; ++x) {
        const bool inside = x >= 2 && y >= 2 && x < n + 2 && y < n + 2;
        const bool dark = inside && symbol.取单元值(x - 2, y - 2) == 1;
        ASSERT_EQ(modules.at(x, y), dark ? 0 : 255) << "module " << x << "," << y;
      }
    }
    EXPECT_EQ(decode(gray_from_terminal(drawing, 6)), std::vector<std::string>{text});
  }
};

TEST_F(Terminal, ColouredDrawingIsDarkOnLightOnEveryLine) {
  const std::string text = utf8(u8"http://m.example.com/?k=雨靴");
  const cli_result r = run_cli({"--text", text});
  ASSERT_EQ(r.status, 0) << r.err;
  expect_symbol(r.out, text);
  const std::string black_on_white = "\x1b[30;47;107m";
  const std::string reset = "\x1b[0m";
  std::size_t lines = 0;
  for (std::size_t at = 0; at < r.out.size(); at = r.out.find('\n', at) + 1, ++lines) {
    EXPECT_EQ(r.out.compare(at, black_on_white.size(), black_on_white), 0) << "line " << lines;
    EXPECT_EQ(r.out.compare(r.out.find('\n', at) - reset.size(), reset.size(), reset), 0) << "line " << lines;
  }
  EXPECT_EQ(lines, 共享二维码.取维长度() / 2 + 3);
}

TEST_F(Terminal, NoColorDrawsPlainBlocks) {
  for (const auto& [args, env] :
       std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>>{
           {{"--text", "PLAIN 42", "--no-color"}, {}}, {{"--text", "PLAIN 42"}, {"NO_COLOR=1"}}}) {
    const cli_result r = run_cli(args, "", env);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
    expect_symbol(r.out, "PLAIN 42");
  }
}

}  // namespace
