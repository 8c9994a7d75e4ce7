#include <QApplication>

#include "app/event_pump_hook.h"
#include "app/failure_box.h"
#include "app/main_window.h"
#include "qrcode/module_lifetime.h"

int main(int argc, char** argv) {
  QApplication 应用(argc, argv);
  安装异常框();
  安装事件泵();
  // Static, so the module's teardown runs at program end also when a
  // failure report ends the program from inside a click.
  static 模块生命周期 模块;

  主窗口类 窗口;
  窗口.show();
  return QApplication::exec();
}
