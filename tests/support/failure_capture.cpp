#include "support/failure_capture.h"

#include "platform/report_sink.h"

void 安装抛出接收器() {
  platform::set_report_sink([](const platform::failure_report& r) {
    捕获的报告 报告;
    报告.记录 = 创建异常(r.source, r.method, r.message);
    报告.文本 = r.text;
    throw 报告;
  });
}
