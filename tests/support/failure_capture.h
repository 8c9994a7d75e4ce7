#pragma once
// Failure reports as C++ exceptions, so tests can assert their texts.

#include <gtest/gtest.h>

#include <exception>
#include <string>

#include "qrcode/exception_report.h"

struct 捕获的报告 : std::exception {
  异常记录 记录;
  std::string 文本;
  const char* what() const noexcept override { return "failure report"; }
};

// Installs the throwing sink (the test main does this for every test).
void 安装抛出接收器();

// Runs the statement and checks that it reports exactly these texts.
#define EXPECT_REPORT(statement, source, method, message)                            \
  do {                                                                               \
    try {                                                                            \
      statement;                                                                     \
      ADD_FAILURE() << "no failure was reported";                                    \
    } catch (const 捕获的报告& 报告_) {                                              \
      EXPECT_EQ(报告_.记录.异常来源, std::string(source));                          \
      EXPECT_EQ(报告_.记录.方法名称, std::string(method));                          \
      EXPECT_EQ(报告_.记录.异常信息, std::string(message));                         \
    }                                                                                \
  } while (false)
