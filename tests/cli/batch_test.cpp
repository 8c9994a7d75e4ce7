// Batches: one file per CSV row, bad rows reported by number while the
// rest go on, whole files only, and clear errors for a missing CSV or a
// folder that cannot be written.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "cli_run.h"
#include "images.h"

namespace {

const std::string search = "http://m.example.com/search_result.html?search_key=";

std::string url(const std::string& keyword, const std::string& gid) { return search + keyword + "&gid=" + gid; }

gray_image read_image(const std::string& path) {
  const std::string bytes = read_bytes(path);
  if (path.ends_with(".png")) return gray_from_png(bytes);
  if (path.ends_with(".svg")) return gray_from_svg(bytes);
  return gray_from_bmp(bytes);
}

TEST(Batch, MakesTheRightFilesAndGoesOnAfterBadRows) {
  const scratch_folder dir;
  const std::string too_long(3000, 'a');
  const std::string csv = "\xEF\xBB\xBF" "Keyword,GID,Level\r\n" +
                          utf8(u8"\"rain, boots\",A-1,\r\n"
                               u8"\"say \"\"hi\"\"\",42,q\r\n"
                               u8"雨靴,\"中文/ID 7\",H\r\n"
                               u8"\"two\nlines\",9\r\n"
                               u8"bad level,10,Z\r\n") +
                          too_long + ",11,H\r\n" +
                          "only-one-field\r\n"
                          "tail,99\r\n";
  write_bytes(dir / "items.csv", csv);
  const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", dir / "out"});
  EXPECT_EQ(r.status, 1) << "a row failed";
  EXPECT_EQ(r.out, "");

  EXPECT_EQ(dir.names("out"), (std::vector<std::string>{"0001-A-1.png", "0002-42.png", "0003-ID_7.png", "0004-9.png",
                                                       "0008-99.png"}));
  const std::vector<std::pair<std::string, std::string>> expected{
      {"0001-A-1.png", url("rain, boots", "A-1")},
      {"0002-42.png", url("say \"hi\"", "42")},
      {"0003-ID_7.png", url(utf8(u8"雨靴"), utf8(u8"中文/ID 7"))},
      {"0004-9.png", url("two\nlines", "9")},
      {"0008-99.png", url("tail", "99")},
  };
  for (const auto& [name, content] : expected) {
    const gray_image image = read_image(dir / ("out/" + name));
    EXPECT_EQ(image.width, 500) << name;
    EXPECT_EQ(decode(image), std::vector<std::string>{content}) << name;
  }

  const std::string bad_level =
      "quorvane-cli: row 5 (line 7): the code could not be made:\n" +
      utf8(u8"异常来源：[二维码模块]\n方法名称：创建二维码()\n异常信息：容错等级必须为L、M、Q、H四个之一。\n");
  const std::string long_row = "quorvane-cli: row 6 (line 8): the code could not be made:\n" +
                               utf8(u8"异常来源：[编码类]\n方法名称：初始化二维码()\n异常信息：\n") +
                               "(the text is too long for the largest QR code, version 40, at this level)\n";
  const std::string fields =
      "quorvane-cli: row 7 (line 9): expected keyword,gid or keyword,gid,level, found 1 field\n";
  EXPECT_EQ(r.err, bad_level + long_row + fields + "quorvane-cli: 3 of 8 rows failed\n");
}

TEST(Batch, LevelsSizeAndEveryFormat) {
  const scratch_folder dir;
  write_bytes(dir / "items.csv", "boots,1\nhat,2,h\n");
  for (const std::string format : {"png", "bmp", "svg"}) {
    const std::string out = dir / format;
    const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", out, "--format", format, "--level", "M",
                                  "--size", "301x333", "--host", "shop.test"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(dir.names(format), (std::vector<std::string>{"0001-1." + format, "0002-2." + format}));
    for (const auto& [name, keyword, gid] : {std::tuple{"0001-1.", "boots", "1"}, std::tuple{"0002-2.", "hat", "2"}}) {
      const gray_image image = read_image(out + "/" + name + format);
      EXPECT_EQ(std::make_pair(image.width, image.height), std::make_pair(301, 333));
      EXPECT_EQ(decode(image),
                std::vector<std::string>{"http://shop.test/search_result.html?search_key=" + std::string(keyword) +
                                         "&gid=" + gid});
    }
  }
  // The same rows as single codes give the same pixels.
  const cli_result single =
      run_cli({"--keyword", "hat", "--gid", "2", "--host", "shop.test", "--level", "h", "--size", "301x333", "-o", "-"});
  EXPECT_EQ(read_bytes(dir / "bmp/0002-2.bmp"), single.out);
}

TEST(Batch, WithoutAHeaderTheFirstLineIsARow) {
  const scratch_folder dir;
  write_bytes(dir / "items.csv", "keyword,1\n");
  const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", dir / "out"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(dir.names("out"), std::vector<std::string>{"0001-1.png"});
  EXPECT_EQ(decode(read_image(dir / "out/0001-1.png")), std::vector<std::string>{url("keyword", "1")});
}

TEST(Batch, BrokenCsvRowsAreReportedAndTheRestIsMade) {
  const scratch_folder dir;
  write_bytes(dir / "items.csv", "keyword,gid\nfine,1\nbro\"ken,2\nalso fine,3\n\"never closed,4\nlost,5\n");
  const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", dir / "out"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(dir.names("out"), (std::vector<std::string>{"0001-1.png", "0003-3.png"}));
  EXPECT_EQ(r.err,
            "quorvane-cli: row 2 (line 3): a double quote inside a field that does not start with one\n"
            "quorvane-cli: row 4 (line 5): a quoted field is not closed before the end of the file\n"
            "quorvane-cli: 2 of 4 rows failed\n");
}

TEST(Batch, ASizeTooSmallFailsEveryRowThatNeedsMore) {
  const scratch_folder dir;
  write_bytes(dir / "items.csv", "a,1\n");
  const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", dir / "out", "--size", "30x30"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("row 1 (line 1): the size 30x30 is too small"), std::string::npos) << r.err;
  EXPECT_TRUE(dir.names("out").empty());
}

TEST(Batch, AnEmptyFileMakesNothing) {
  const scratch_folder dir;
  write_bytes(dir / "items.csv", "\xEF\xBB\xBFkeyword,gid\r\n");
  const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", dir / "out"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "quorvane-cli: " + (dir / "items.csv") + " has no rows\n");
}

TEST(Batch, AMissingCsvIsAClearError) {
  const scratch_folder dir;
  const cli_result r = run_cli({"--batch", dir / "nope.csv", "--out-dir", dir / "out"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "quorvane-cli: cannot read " + (dir / "nope.csv") + ": No such file or directory\n");
  EXPECT_TRUE(dir.names().empty()) << "the folder is not made for nothing";

  std::filesystem::create_directory(dir / "folder.csv");
  const cli_result folder = run_cli({"--batch", dir / "folder.csv", "--out-dir", dir / "out"});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, "quorvane-cli: cannot read " + (dir / "folder.csv") + ": Is a directory\n");
}

TEST(Batch, AnOutDirThatCannotBeWrittenIsAClearError) {
  const scratch_folder dir;
  write_bytes(dir / "items.csv", "a,1\n");
  write_bytes(dir / "file", "x");
  for (const std::string& out : {dir / "file", dir / "file/sub"}) {
    const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", out});
    EXPECT_EQ(r.status, 1) << out;
    EXPECT_TRUE(r.err.starts_with("quorvane-cli: cannot make the folder " + out + ": ")) << r.err;
    EXPECT_EQ(r.err.find("row"), std::string::npos) << "no row is tried";
  }
  if (::geteuid() != 0) {  // root writes into read-only folders anyway
    std::filesystem::create_directory(dir / "locked");
    std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const cli_result r = run_cli({"--batch", dir / "items.csv", "--out-dir", dir / "locked"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "quorvane-cli: cannot write into the folder " + (dir / "locked") + ": Permission denied\n");
    std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_all);
  }
}

TEST(Batch, AnExistingFolderIsUsedAndOldFilesAreReplaced) {
  const scratch_folder dir;
  std::filesystem::create_directory(dir / "out");
  write_bytes(dir / "out/0001-1.png", "old");
  write_bytes(dir / "items.csv", "new,1\n");
  ASSERT_EQ(run_cli({"--batch", dir / "items.csv", "--out-dir", dir / "out"}).status, 0);
  EXPECT_EQ(dir.names("out"), std::vector<std::string>{"0001-1.png"});
  EXPECT_EQ(decode(read_image(dir / "out/0001-1.png")), std::vector<std::string>{url("new", "1")});
}

}  // namespace
