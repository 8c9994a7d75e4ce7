// One code at a time: every output form decodes to the content, the forms
// agree pixel for pixel, and --info tells what the module built.

#include <gtest/gtest.h>

#include <map>

#include "cli_run.h"
#include "images.h"
#include "module_fixture.h"
#include "platform/encoding.h"
#include "qrcode/create_qr_code.h"
#include "qrcode/shared_record.h"

namespace {

const std::string search = "http://m.example.com/search_result.html?search_key=";

std::map<std::string, std::string> info_fields(const std::string& line) {
  std::map<std::string, std::string> f;
  const std::size_t content = line.find(" content=");
  if (content == std::string::npos || line.empty() || line.back() != '\n') return f;
  f["content"] = line.substr(content + 9, line.size() - content - 10);
  std::size_t at = 0;
  while (at < content) {
    const std::size_t space = std::min(line.find(' ', at), content);
    const std::string pair = line.substr(at, space - at);
    const std::size_t eq = pair.find('=');
    if (eq != std::string::npos) f[pair.substr(0, eq)] = pair.substr(eq + 1);
    at = space + 1;
  }
  return f;
}

TEST(SingleCode, EveryFormatDecodesToTheContentWithTheSamePixels) {
  const scratch_folder dir;
  const std::string keyword = utf8(u8"雨靴 red&size=42#x");
  const std::string content = search + keyword + "&gid=" + "A-12345";
  // An oblong size whose margins are odd both ways (version 5, 7 pixels a
  // module), so the odd pixel must go where the BMP puts it.
  const std::vector<std::string> common{"--keyword", keyword, "--gid", "A-12345", "--level", "M", "--size", "332x300"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> args = common;
    args.insert(args.end(), more.begin(), more.end());
    return run_cli(args);
  };

  for (const std::string name : {"code.bmp", "code.png", "code.svg", "CODE.PNG"}) {
    const cli_result r = with({"-o", dir / name});
    EXPECT_EQ(r.status, 0) << name << r.err;
    EXPECT_EQ(r.out, "") << name;
    EXPECT_EQ(r.err, "") << name;
  }
  const cli_result piped = with({"-o", "-"});
  ASSERT_EQ(piped.status, 0) << piped.err;

  const std::string bmp = read_bytes(dir / "code.bmp");
  EXPECT_EQ(piped.out, bmp) << "-o - writes the same BMP";
  const gray_image from_bmp = gray_from_bmp(bmp);
  ASSERT_EQ(from_bmp.width, 332);
  ASSERT_EQ(from_bmp.height, 300);
  const gray_image from_png = gray_from_png(read_bytes(dir / "code.png"));
  const gray_image from_svg = gray_from_svg(read_bytes(dir / "code.svg"));
  EXPECT_TRUE(from_png == from_bmp) << "the PNG has the BMP's pixels";
  EXPECT_TRUE(from_svg == from_bmp) << "the SVG has the BMP's geometry";
  EXPECT_TRUE(gray_from_png(read_bytes(dir / "CODE.PNG")) == from_bmp);

  for (const gray_image* image : {&from_bmp, &from_png, &from_svg}) {
    EXPECT_EQ(decode(*image), std::vector<std::string>{content});
  }
}

TEST(SingleCode, SvgIsOnePathNotARectanglePerModule) {
  const scratch_folder dir;
  ASSERT_EQ(run_cli({"--text", "HELLO WORLD 0123456789", "-o", dir / "c.svg"}).status, 0);
  const std::string svg = read_bytes(dir / "c.svg");
  std::size_t paths = 0;
  for (std::size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) ++paths;
  EXPECT_EQ(paths, 1u);
  EXPECT_NE(svg.find("shape-rendering=\"crispEdges\""), std::string::npos);
  EXPECT_LT(svg.size(), 20000u);  // runs of modules, not one element each
}

TEST(SingleCode, HostReplacesTheDefault) {
  const scratch_folder dir;
  ASSERT_EQ(run_cli({"--keyword", "boots", "--gid", "7", "--host", "shop.test", "-o", dir / "c.png"}).status, 0);
  EXPECT_EQ(decode(gray_from_png(read_bytes(dir / "c.png"))),
            std::vector<std::string>{"http://shop.test/search_result.html?search_key=boots&gid=7"});
}

TEST(SingleCode, EmptyKeywordAndGidStillMakeACode) {
  const cli_result r = run_cli({"--keyword", "", "--gid", "", "-o", "-"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(decode(gray_from_bmp(r.out)), std::vector<std::string>{search + "&gid="});
}

TEST(SingleCode, TextFromStandardInputKeepsEveryByte) {
  for (const std::string& input : {std::string("line one\nline two\n"), std::string("no final newline"),
                                  utf8(u8"中文\r\n")}) {
    const cli_result r = run_cli({"--text", "-", "-o", "-"}, input);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(decode(gray_from_bmp(r.out)), std::vector<std::string>{input});
  }
}

TEST(SingleCode, SizeIsTheImageSize) {
  const scratch_folder dir;
  ASSERT_EQ(run_cli({"--text", "x", "--size", "25x25", "-o", dir / "a.png"}).status, 0);
  ASSERT_EQ(run_cli({"--text", "x", "--size", "1000X60", "-o", dir / "b.bmp"}).status, 0);
  const gray_image a = gray_from_png(read_bytes(dir / "a.png"));
  const gray_image b = gray_from_bmp(read_bytes(dir / "b.bmp"));
  EXPECT_EQ(std::make_pair(a.width, a.height), std::make_pair(25, 25));
  EXPECT_EQ(std::make_pair(b.width, b.height), std::make_pair(1000, 60));
  EXPECT_EQ(decode(a), std::vector<std::string>{"x"});
  EXPECT_EQ(decode(b), std::vector<std::string>{"x"});
  const cli_result plain = run_cli({"--text", "x", "-o", "-"});
  EXPECT_EQ(gray_from_bmp(plain.out).width, 500) << "500x500 when --size is not given";
}

class Info : public with_module {};

TEST_F(Info, MatchesTheModulesRecord) {
  struct info_case {
    std::vector<std::string> args;
    std::string content;  // UTF-8
    std::optional<std::string> level;
    std::string mode, level_name;
  };
  const std::vector<info_case> cases{
      {{"--text", "0123456789", "--level", "M"}, "0123456789", "M", utf8(u8"数字"), "M"},
      {{"--text", "HELLO WORLD", "--level", "q"}, "HELLO WORLD", "q", utf8(u8"字母数字"), "Q"},
      {{"--keyword", utf8(u8"雨靴"), "--gid", "99", "--level", "H"}, search + utf8(u8"雨靴") + "&gid=99", "H",
       utf8(u8"字节"), "H"},
      {{"--text", std::string(500, 'a')}, std::string(500, 'a'), std::nullopt, utf8(u8"字节"), "L"},
  };
  for (const info_case& c : cases) {
    std::vector<std::string> args = c.args;
    args.push_back("--info");
    const cli_result r = run_cli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    auto f = info_fields(r.out);
    ASSERT_EQ(f.size(), 9u) << r.out;

    const std::string gbk = *platform::utf8_to_gbk(c.content);
    const std::optional<std::string_view> level = c.level ? std::optional<std::string_view>(*c.level) : std::nullopt;
    创建二维码(gbk, level, 500, 500);
    const 二维码类& record = 共享二维码;
    EXPECT_EQ(f["version"], std::to_string(record.取版本号()));
    EXPECT_EQ(f["mask"], std::to_string(record.取掩码()));
    EXPECT_EQ(f["mode"], c.mode);
    EXPECT_EQ(f["level"], c.level_name);
    EXPECT_EQ(f["total"], std::to_string(record.取总字节数()));
    EXPECT_EQ(f["data"], std::to_string(record.取数据字节数()));
    EXPECT_EQ(f["ec"], std::to_string(record.取容错字节数()));
    EXPECT_EQ(f["blocks"], std::to_string(record.取块数()));
    EXPECT_EQ(f["content"], c.content);
  }
}

TEST_F(Info, KnownValuesOfASmallSymbol) {
  const cli_result r = run_cli({"--text", "0123456789", "--level", "H", "--info"});
  auto f = info_fields(r.out);
  EXPECT_EQ(f["version"], "1");
  EXPECT_EQ(f["total"], "26");
  EXPECT_EQ(f["data"], "9");
  EXPECT_EQ(f["ec"], "17");
  EXPECT_EQ(f["blocks"], "1");
}

TEST(InfoLine, ContentStaysOneLine) {
  const cli_result r = run_cli({"--text", "-", "--info"}, "a\\b\tc\r\nd\x01");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
  EXPECT_TRUE(r.out.ends_with(" content=a\\\\b\\tc\\r\\nd\\x01\n")) << r.out;
}

TEST(InfoLine, GoesToStderrWhenStdoutCarriesTheImage) {
  const cli_result r = run_cli({"--text", "abc", "-o", "-", "--info"});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(decode(gray_from_bmp(r.out)), std::vector<std::string>{"abc"});
  EXPECT_TRUE(r.err.starts_with("version=1 ")) << r.err;
}

TEST(InfoLine, IsPrintedBesidesAFile) {
  const scratch_folder dir;
  const cli_result r = run_cli({"--text", "abc", "-o", dir / "a.svg", "--info"});
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.starts_with("version=1 ")) << r.out;
  EXPECT_EQ(decode(gray_from_svg(read_bytes(dir / "a.svg"))), std::vector<std::string>{"abc"});
}

}  // namespace
