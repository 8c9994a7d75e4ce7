#include <gtest/gtest.h>

#include "cli/csv_reader.h"
#include "cli_run.h"

namespace {

using fields = std::vector<std::string>;

struct csv_case {
  const char* name;
  std::string text;
  std::vector<fields> records;
  std::vector<std::size_t> lines;
};

class CsvReader : public testing::TestWithParam<csv_case> {};

TEST_P(CsvReader, ReadsTheRecords) {
  const csv_case& c = GetParam();
  const auto records = cli::read_csv(c.text);
  ASSERT_EQ(records.size(), c.records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].fields, c.records[i]) << "record " << i;
    EXPECT_EQ(records[i].fault, "") << "record " << i;
    EXPECT_EQ(records[i].line, c.lines[i]) << "record " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvReader,
    testing::Values(
        csv_case{"crlf_and_final_break", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        csv_case{"lf_no_final_break", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        csv_case{"lone_cr", "a,b\rc,d\r", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        csv_case{"bom_is_skipped", "\xEF\xBB\xBFkeyword,gid\n", {{"keyword", "gid"}}, {1}},
        csv_case{"quoted_comma_quote_and_break",
                 "\"rain, boots\",\"say \"\"hi\"\"\"\n\"two\r\nlines\",x\nnext,1\n",
                 {{"rain, boots", "say \"hi\""}, {"two\r\nlines", "x"}, {"next", "1"}},
                 {1, 2, 4}},
        csv_case{"empty_fields", ",\n,,\n\"\",a,\n", {{"", ""}, {"", "", ""}, {"", "a", ""}}, {1, 2, 3}},
        csv_case{"empty_lines_are_skipped", "\n\na,b\r\n\r\nc,d\n\n", {{"a", "b"}, {"c", "d"}}, {3, 5}},
        csv_case{"spaces_are_kept", " a , b ", {{" a ", " b "}}, {1}},
        csv_case{"utf8_inside", utf8(u8"雨靴,\"中文,ID\""), {{utf8(u8"雨靴"), utf8(u8"中文,ID")}}, {1}},
        csv_case{"nothing", "", {}, {}}),
    [](const testing::TestParamInfo<csv_case>& i) { return std::string(i.param.name); });

TEST(CsvReaderFaults, ABrokenRecordIsMarkedAndReadingGoesOn) {
  const auto records = cli::read_csv("a\"b,c\nok,1\n\"x\"y,2\nok,2\n\"open,3\nlost,4\n");
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].fault, "a double quote inside a field that does not start with one");
  EXPECT_EQ(records[1].fields, (fields{"ok", "1"}));
  EXPECT_EQ(records[1].line, 2u);
  EXPECT_EQ(records[2].fault, "text after the closing quote of a field");
  EXPECT_EQ(records[3].fields, (fields{"ok", "2"}));
  EXPECT_EQ(records[3].line, 4u);
  // An open quote swallows the rest of the file, as RFC 4180 reads it.
  EXPECT_EQ(records[4].fault, "a quoted field is not closed before the end of the file");
  EXPECT_EQ(records[4].line, 5u);
}

}  // namespace
