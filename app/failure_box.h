#pragma once
// Failure reports of the window program: a modal box, then the end.

#include "platform/report_sink.h"

// Shows the report in a box titled 异常标题 with the stop icon and one OK
// button, owned by no window; once it is closed, by OK or by its close
// button, the program ends with exit code 0. Without a QApplication the
// report goes to stderr instead, and the program ends all the same.
[[noreturn]] void 显示异常框(const platform::failure_report& 报告);

// Makes 显示异常框 the sink of every report.
void 安装异常框();
