#include <gtest/gtest.h>

#include "platform/report_sink.h"
#include "qrcode/exception_report.h"
#include "support/failure_capture.h"

namespace {

TEST(Report, TextWithARecord) {
  EXPECT_EQ(异常文本(创建异常("位向量类", "取位值", "索引超限")),
            "异常来源：[位向量类]\r\n方法名称：取位值()\r\n异常信息：索引超限");
}

TEST(Report, TextWithEmptyFields) {
  EXPECT_EQ(异常文本(创建异常("", "", "")), "异常来源：[]\r\n方法名称：()\r\n异常信息：");
}

TEST(Report, WithoutARecordEveryFieldReadsNone) {
  try {
    报告异常(创建异常("a", "b", "c"), false);
  } catch (const 捕获的报告& r) {
    EXPECT_EQ(r.记录.异常来源, "无");
    EXPECT_EQ(r.记录.方法名称, "无");
    EXPECT_EQ(r.记录.异常信息, "无");
    EXPECT_EQ(r.文本, "异常来源：[无]\r\n方法名称：无()\r\n异常信息：无");
    return;
  }
  FAIL() << "the report returned";
}

TEST(Report, TitleOfTheBox) { EXPECT_STREQ(异常标题, "程序运行异常提示"); }

TEST(Report, ScopedSinkIsRestored) {
  int seen = 0;
  {
    platform::scoped_report_sink guard([&](const platform::failure_report&) {
      ++seen;
      throw 1;
    });
    EXPECT_THROW(引发异常("x", "y", "z"), int);
  }
  EXPECT_THROW(引发异常("x", "y", "z"), 捕获的报告);
  EXPECT_EQ(seen, 1);
}

// The default sink writes the UTF-8 text to stderr and ends with code 0.
TEST(ReportDeathTest, DefaultSinkPrintsUtf8AndExitsZero) {
  const std::string expected = reinterpret_cast<const char*>(
      u8"异常来源：\\[位向量类\\]\r\n方法名称：取位值\\(\\)\r\n异常信息：索引超限");
  EXPECT_EXIT(
      {
        platform::set_report_sink(nullptr);
        引发异常("位向量类", "取位值", "索引超限");
      },
      testing::ExitedWithCode(0), expected);
}

// A sink that returns does not let the failing code go on.
TEST(ReportDeathTest, ASinkThatReturnsStillEndsTheProgram) {
  EXPECT_EXIT(
      {
        platform::set_report_sink([](const platform::failure_report&) {});
        引发异常("a", "b", "c");
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
