// Renders the window with a code in it and writes it as a PNG, for the
// README. Usage: quorvane_screenshot OUT.png (any Qt platform; offscreen
// needs no display).

#include <QApplication>
#include <QPixmap>

#include <cstdio>

#include "app/event_pump_hook.h"
#include "app/main_window.h"
#include "qrcode/module_lifetime.h"

int main(int argc, char** argv) {
  QApplication 应用(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
    return 2;
  }
  安装事件泵();
  // Reports keep the default sink (stderr, exit 0): no one is there to close a box.
  static 模块生命周期 模块;

  主窗口类 窗口;
  窗口.show();
  窗口.编辑框1.setText(QStringLiteral("运动鞋 男款"));
  窗口.编辑框2.setText(QStringLiteral("600123456789"));
  窗口.组合框1.setCurrentIndex(1);
  QApplication::processEvents();
  窗口.生成二维码();
  QApplication::processEvents();

  if (!窗口.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
