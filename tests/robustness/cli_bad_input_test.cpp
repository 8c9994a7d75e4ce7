// Bad input for quorvane-cli, run as the real program: each case gets a
// clear error with the right exit status and leaves no file behind, not
// even a temporary one.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"
#include "support/zbar_decode.h"

namespace {

struct cli_case {
  const char* name;
  std::vector<std::string> args;  // -o DIR/code.png is added
  std::string input;
  int status;
  std::string says;  // part of stderr
};

TEST(CliBadInput, EachGetsAClearErrorAndNothingIsWritten) {
  const std::string report_start = utf8(u8"异常来源：[");
  const std::vector<cli_case> cases{
      {"invalid UTF-8 text", {"--text", "ab\xFF"}, "", 1, "--text is not valid UTF-8"},
      {"truncated UTF-8 keyword", {"--keyword", "\xE9\x9B", "--gid", "1"}, "", 1, "--keyword is not valid UTF-8"},
      {"invalid UTF-8 gid", {"--keyword", "k", "--gid", "\xC0\x80"}, "", 1, "--gid is not valid UTF-8"},
      {"invalid UTF-8 level", {"--text", "a", "--level", "\xFF"}, "", 1, "--level is not valid UTF-8"},
      {"invalid UTF-8 on stdin", {"--text", "-"}, "a\x80z", 1, "standard input is not valid UTF-8"},
      {"only spaces", {"--text", utf8(u8" 　 ")}, "", 1, utf8(u8"没有编码内容")},
      {"too long at L", {"--text", std::string(2954, 'a'), "--level", "L"}, "", 1, utf8(u8"初始化二维码")},
      {"too long at M", {"--text", std::string(2332, 'a'), "--level", "M"}, "", 1, utf8(u8"初始化二维码")},
      {"too long at Q", {"--text", std::string(1664, 'a'), "--level", "q"}, "", 1, utf8(u8"初始化二维码")},
      {"too long at H", {"--text", std::string(1274, 'a'), "--level", "H"}, "", 1, utf8(u8"初始化二维码")},
      {"size 0", {"--text", "a", "--size", "0x0"}, "", 2, "--size wants WxH"},
      {"size -1", {"--text", "a", "--size", "-1x-1"}, "", 2, "--size wants WxH"},
      {"size 1", {"--text", "a", "--size", "1x1"}, "", 1, "the smallest size that fits is 25x25"},
      {"huge size", {"--text", "a", "--size", "99999999999999999999x500"}, "", 2, "--size wants WxH"},
      {"past the largest size", {"--text", "a", "--size", "16385x16385"}, "", 2, "--size wants WxH"},
      {"non-numeric size", {"--text", "a", "--size", "wide x tall"}, "", 2, "--size wants WxH"},
      {"size without x", {"--text", "a", "--size", "500"}, "", 2, "--size wants WxH"},
  };
  for (const cli_case& c : cases) {
    SCOPED_TRACE(c.name);
    const scratch_folder dir;
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", dir / "code.png"});
    const cli_result r = run_cli(args, c.input);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(dir.names().empty()) << "something was written";
  }
}

TEST(CliBadInput, NulBytesFromStandardInputAreEncoded) {
  const std::string text("A\0B\0", 4);
  const cli_result r = run_cli({"--text", "-", "--size", "300x300", "-o", "-"}, text);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(zbar_decode_bmp(std::vector<std::uint8_t>(r.out.begin(), r.out.end())),
            (std::vector<std::string>{text}));
}

TEST(CliBadInput, ADirectoryInPlaceOfTheOutputFileStaysAsItWas) {
  const scratch_folder dir;
  std::filesystem::create_directory(dir / "code.png");
  const cli_result r = run_cli({"--text", "a", "-o", dir / "code.png"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot write " + (dir / "code.png")), std::string::npos) << r.err;
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"code.png"})) << "no temporary file is left";
  EXPECT_TRUE(std::filesystem::is_directory(dir / "code.png"));
  EXPECT_TRUE(dir.names("code.png").empty());
}

TEST(CliBadInput, RaggedAndBrokenRowsFailAloneAndLeaveNoHalfFiles) {
  const scratch_folder dir;
  write_bytes(dir / "items.csv", "keyword,gid\r\n"
                                 "one,1\r\n"
                                 "lonely\r\n"
                                 "a,2,L,extra\r\n"
                                 "\xFF,3\r\n" +
                                     std::string(3000, 'x') + ",4\r\n"
                                     "\"open quote,5\r\n");
  const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", dir / "out", "--format", "bmp"});
  EXPECT_EQ(r.status, 1);
  for (const std::string row : {"row 2 ", "row 3 ", "row 4 ", "row 5 ", "row 6 "})
    EXPECT_NE(r.err.find("quorvane-cli: " + row), std::string::npos) << row << r.err;
  EXPECT_EQ(dir.names("out"), (std::vector<std::string>{"0001-1.bmp"}));
  EXPECT_EQ(zbar_decode_bmp_file(dir / "out/0001-1.bmp").size(), 1u);

  // An empty file is no error, but nothing is made.
  write_bytes(dir / "empty.csv", "");
  const cli_result empty = run_cli({"--batch", dir / "empty.csv", "--out-dir", dir / "none"});
  EXPECT_EQ(empty.status, 0);
  EXPECT_NE(empty.err.find("has no rows"), std::string::npos) << empty.err;
  EXPECT_TRUE(dir.names("none").empty());
}

}  // namespace
