#include "qrcode/exception_report.h"

#include "platform/report_sink.h"

const char* const 异常标题 = "程序运行异常提示";

异常记录 创建异常(std::string_view 来源, std::string_view 方法, std::string_view 信息) {
  return 异常记录{std::string(来源), std::string(方法), std::string(信息)};
}

std::string 异常文本(const 异常记录& 记录) {
  std::string 文本 = "异常来源：[";
  文本 += 记录.异常来源;
  文本 += "]\r\n方法名称：";
  文本 += 记录.方法名称;
  文本 += "()\r\n异常信息：";
  文本 += 记录.异常信息;
  return 文本;
}

void 报告异常(const 异常记录& 记录, bool 有记录) {
  const 异常记录 所示 = 有记录 ? 记录 : 创建异常("无", "无", "无");
  platform::deliver_report({所示.异常来源, 所示.方法名称, 所示.异常信息, 异常文本(所示)});
}

void 引发异常(std::string_view 来源, std::string_view 方法, std::string_view 信息) {
  报告异常(创建异常(来源, 方法, 信息), true);
}
