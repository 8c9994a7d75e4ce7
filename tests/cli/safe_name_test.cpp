#include <gtest/gtest.h>

#include "cli/safe_name.h"
#include "cli_run.h"

namespace {

TEST(SafeName, KeepsOnlySafeCharacters) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"12345", "12345"},
      {"A-1_b.2", "A-1_b.2"},
      {"a b", "a_b"},
      {"../../etc/passwd", ".._.._etc_passwd"},
      {"a/\\:*?\"<>|b", "a_b"},
      {utf8(u8"中文/ID 7"), "ID_7"},
      {utf8(u8"货号-雨靴-9"), "-_-9"},
      {utf8(u8"雨靴"), ""},
      {"", ""},
      {"x\ny\r\tz", "x_y_z"},
      {std::string(100, '7'), std::string(64, '7')},
  };
  for (const auto& [gid, stem] : cases) EXPECT_EQ(cli::safe_stem(gid), stem) << gid;
}

TEST(SafeName, FileNamesCarryTheRowNumber) {
  EXPECT_EQ(cli::batch_file_name(1, "123", ".png"), "0001-123.png");
  EXPECT_EQ(cli::batch_file_name(42, "a b", ".svg"), "0042-a_b.svg");
  EXPECT_EQ(cli::batch_file_name(12345, "9", ".bmp"), "12345-9.bmp");
  EXPECT_EQ(cli::batch_file_name(7, utf8(u8"雨靴"), ".png"), "0007.png");
  // Nothing of the gid can climb out of the folder.
  EXPECT_EQ(cli::batch_file_name(3, "..", ".png"), "0003-...png");
  EXPECT_EQ(cli::batch_file_name(3, "/", ".png"), "0003.png");
}

}  // namespace
