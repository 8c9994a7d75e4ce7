// What a script sees when a code cannot be made: the module's report in
// UTF-8 and exit 1, a refused size before anything is written, usage
// errors with exit 2.

#include <gtest/gtest.h>

#include "cli_run.h"
#include "images.h"

namespace {

std::string report(const char8_t* source, const char8_t* method, const char8_t* message) {
  return utf8(u8"异常来源：[") + utf8(source) + utf8(u8"]\n方法名称：") + utf8(method) + utf8(u8"()\n异常信息：") +
         utf8(message) + "\n";
}

TEST(ModuleFailure, PrintsTheThreeLinesAndExitsOne) {
  struct failure_case {
    std::vector<std::string> args;
    std::string err;
  };
  const std::vector<failure_case> cases{
      {{"--text", "hello", "--level", "X"},
       report(u8"二维码模块", u8"创建二维码", u8"容错等级必须为L、M、Q、H四个之一。")},
      {{"--text", "hello", "--level", "Q "},
       report(u8"二维码模块", u8"创建二维码", u8"容错等级必须为L、M、Q、H四个之一。")},
      {{"--text", "hello", "--level", ""},
       report(u8"二维码模块", u8"创建二维码", u8"容错等级必须为L、M、Q、H四个之一。")},
      {{"--text", utf8(u8"  　 ")}, report(u8"二维码模块", u8"编码", u8"没有编码内容")},
      {{"--text", std::string(1274, 'a'), "--level", "H"},
       report(u8"编码类", u8"初始化二维码", u8"") +
           "(the text is too long for the largest QR code, version 40, at this level)\n"},
  };
  for (const failure_case& c : cases) {
    const scratch_folder dir;
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", dir / "c.png"});
    const cli_result r = run_cli(args);
    EXPECT_EQ(r.status, 1) << c.args[1];
    EXPECT_EQ(r.err, c.err) << c.args[1];
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(dir.names().empty()) << "nothing is written";
  }
}

TEST(ModuleFailure, TheLargestTextThatFitsIsStillMade) {
  const cli_result r = run_cli({"--text", std::string(1273, 'a'), "--level", "H", "--info"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("version=40 ")) << r.out.substr(0, 40);
}

TEST(SizeCheck, TooSmallForTheSymbolIsRefusedBeforeWriting) {
  const scratch_folder dir;
  for (const std::string size : {"24x500", "500x24", "1x1"}) {
    const cli_result r = run_cli({"--text", "hi", "--size", size, "-o", dir / "c.bmp"});
    EXPECT_EQ(r.status, 1) << size;
    EXPECT_EQ(r.err, "quorvane-cli: the size " + size +
                         " is too small for this code (version 1, 21 modules and a quiet zone of 2 on each side); "
                         "the smallest size that fits is 25x25\n");
    EXPECT_TRUE(dir.names().empty());
  }
  const cli_result terminal = run_cli({"--text", "hi", "--size", "10x10"});
  EXPECT_EQ(terminal.status, 1);
  EXPECT_EQ(terminal.out, "");

  const cli_result fits = run_cli({"--text", "hi", "--size", "25x25", "-o", "-"});
  EXPECT_EQ(fits.status, 0);
  const gray_image image = gray_from_bmp(fits.out);
  EXPECT_EQ(image.width, 25);
  // The whole symbol is there: dark finder corners at modules (2,2), (22,2), (2,22).
  EXPECT_EQ(image.at(2, 2), 0);
  EXPECT_EQ(image.at(22, 2), 0);
  EXPECT_EQ(image.at(2, 22), 0);
  EXPECT_EQ(image.at(1, 1), 255);
}

TEST(Usage, WrongCommandLinesExitTwoWithAShortUsage) {
  struct usage_case {
    std::vector<std::string> args;
    std::string says;
  };
  const std::vector<usage_case> cases{
      {{}, "nothing to encode"},
      {{"--bogus"}, "unknown option \"--bogus\""},
      {{"--text", "a", "stray"}, "unexpected argument \"stray\""},
      {{"--text"}, "--text needs a value"},
      {{"--text", "a", "--text", "b"}, "--text is given twice"},
      {{"--keyword", "k"}, "--keyword needs --gid"},
      {{"--gid", "1"}, "--gid needs --keyword"},
      {{"--text", "a", "--keyword", "k", "--gid", "1"}, "use either --text or --keyword"},
      {{"--text", "a", "--host", "h"}, "--host belongs to --keyword and --gid"},
      {{"--text", "a", "--size", "500"}, "--size wants WxH"},
      {{"--text", "a", "--size", "0x10"}, "--size wants WxH"},
      {{"--text", "a", "--size", "16385x100"}, "each from 1 to 16384"},
      {{"--text", "a", "--size", "-5x10"}, "--size wants WxH"},
      {{"--text", "a", "-o", "code.gif"}, "cannot tell the format of \"code.gif\""},
      {{"--text", "a", "-o", "code"}, "cannot tell the format"},
      {{"--text", "a", "--format", "png"}, "--format belongs to --batch"},
      {{"--text", "a", "--out-dir", "d"}, "--out-dir belongs to --batch"},
      {{"--text", "a", "--no-color", "-o", "a.png"}, "--no-color is for drawing in the terminal"},
      {{"--info=yes", "--text", "a"}, "--info takes no value"},
      {{"--batch", "x.csv"}, "--batch needs --out-dir"},
      {{"--batch", "x.csv", "--out-dir", "d", "--text", "a"}, "--batch takes its keywords"},
      {{"--batch", "x.csv", "--out-dir", "d", "--format", "gif"}, "--format wants png, bmp or svg"},
      {{"--batch", "x.csv", "--out-dir", "d", "-o", "a.png"}, "-o does not apply"},
      {{"--batch", "x.csv", "--out-dir", "d", "--info"}, "it does not apply to --batch"},
  };
  for (const usage_case& c : cases) {
    const cli_result r = run_cli(c.args);
    EXPECT_EQ(r.status, 2) << c.says;
    EXPECT_TRUE(r.err.starts_with("quorvane-cli: ")) << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Usage: quorvane-cli"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST(Usage, ValuesMayFollowAnEqualsSign) {
  const cli_result r = run_cli({"--text=HI", "--level=H", "--size=100x100", "--output=-"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(decode(gray_from_bmp(r.out)), std::vector<std::string>{"HI"});
}

TEST(Usage, HelpAndVersion) {
  for (const std::string flag : {"--help", "-h"}) {
    const cli_result r = run_cli({"--text", "a", flag});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("Usage: quorvane-cli")) << r.out;
    for (const char* option : {"--keyword", "--gid", "--host", "--text", "--level", "--size", "-o FILE", "--no-color",
                               "--info", "--batch", "--out-dir", "--format", "--version", "Exit status"})
      EXPECT_NE(r.out.find(option), std::string::npos) << option;
    EXPECT_EQ(r.err, "");
  }
  const cli_result v = run_cli({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out, "quorvane-cli 0.1.0\n");
}

TEST(Output, AFileThatCannotBeWrittenIsReported) {
  const scratch_folder dir;
  write_bytes(dir / "plain", "x");
  const std::string missing = dir / "no-such-folder/c.png";
  const std::string under_file = dir / "plain/c.png";
  for (const std::string& target : {missing, under_file}) {
    const cli_result r = run_cli({"--text", "a", "-o", target});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.starts_with("quorvane-cli: cannot write " + target + ": ")) << r.err;
  }
  EXPECT_EQ(dir.names(), std::vector<std::string>{"plain"});
}

TEST(Output, AnOldFileIsReplacedWhole) {
  const scratch_folder dir;
  write_bytes(dir / "c.png", std::string(100000, 'x'));
  ASSERT_EQ(run_cli({"--text", "new", "-o", dir / "c.png"}).status, 0);
  EXPECT_EQ(decode(gray_from_png(read_bytes(dir / "c.png"))), std::vector<std::string>{"new"});
  EXPECT_EQ(dir.names(), std::vector<std::string>{"c.png"}) << "no temporary file is left";
}

TEST(Output, InvalidUtf8IsRefused) {
  const cli_result r = run_cli({"--text", "-"}, "\xFF\xFE bad");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "quorvane-cli: standard input is not valid UTF-8\n");
}

}  // namespace
