#include "app/failure_box.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>

#include "app/qt_text.h"
#include "qrcode/exception_report.h"

void 显示异常框(const platform::failure_report& 报告) {
  if (QApplication::instance() == nullptr) platform::default_report(报告);
  {
    QMessageBox 框(QMessageBox::Critical, 到界面文本(异常标题), 到界面文本(报告.text), QMessageBox::Ok);
    框.setTextFormat(Qt::PlainText);
    // No owner: exec makes it modal for the whole program.
    框.exec();
  }
  // exit, not quick_exit: the module's teardown is registered to run at the end.
  std::exit(0);
}

void 安装异常框() { platform::set_report_sink(显示异常框); }
