#include "window_fixture.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include <cstdint>
#include <vector>

#include "app/event_pump_hook.h"
#include "platform/encoding.h"
#include "platform/event_pump.h"
#include "support/zbar_decode.h"

void 窗口测试::SetUp() {
  安装事件泵();
  窗口.show();
  QApplication::processEvents();
}

void 窗口测试::TearDown() { platform::set_event_pump(nullptr); }

void 窗口测试::点击按钮() {
  QTest::mouseClick(&窗口.按钮1, Qt::LeftButton);
  QApplication::processEvents();
}

std::string 窗口测试::扫描图片() {
  // The window's own pixels over the picture area, so anything drawn above
  // the picture box would show (and spoil the scan).
  const QImage 灰度 = 窗口.grab(窗口.图片框1.geometry()).toImage().convertToFormat(QImage::Format_Grayscale8);
  std::vector<std::uint8_t> 像素;
  像素.reserve(static_cast<std::size_t>(灰度.width()) * static_cast<std::size_t>(灰度.height()));
  for (int y = 0; y < 灰度.height(); ++y) {
    const uchar* 行 = 灰度.constScanLine(y);
    像素.insert(像素.end(), 行, 行 + 灰度.width());
  }
  const std::vector<std::string> 读出 = zbar_decode_gray(像素, 灰度.width(), 灰度.height());
  return 读出.size() == 1 ? 读出.front() : std::string();
}

std::string utf8(const QString& 文本) { return 文本.toUtf8().toStdString(); }

std::string 期望内容(const QString& 关键词, const QString& 宝贝ID) {
  return "http://m.example.com/search_result.html?search_key=" + utf8(关键词) + "&gid=" + utf8(宝贝ID);
}

std::string gbk(std::string_view utf8) { return platform::utf8_to_gbk(utf8).value(); }
