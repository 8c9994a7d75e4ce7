#pragma once
// The one way the module reports a failure: a record of three texts, shown
// by the installed sink, after which nothing of the failing call runs.

#include <string>
#include <string_view>

struct 异常记录 {
  std::string 异常来源;
  std::string 方法名称;
  std::string 异常信息;
};

异常记录 创建异常(std::string_view 来源, std::string_view 方法, std::string_view 信息);

// The three-line text of a record.
std::string 异常文本(const 异常记录& 记录);

// Without a record (有记录 false) every field reads "无".
[[noreturn]] void 报告异常(const 异常记录& 记录, bool 有记录 = true);

// 创建异常 followed by 报告异常, the form every raising site uses.
[[noreturn]] void 引发异常(std::string_view 来源, std::string_view 方法, std::string_view 信息);

// The title of the box that shows a report.
extern const char* const 异常标题;
