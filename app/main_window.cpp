#include "app/main_window.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QStringList>

#include <cstdint>
#include <string>

#include "app/qt_text.h"
#include "containers/byte_array.h"
#include "platform/text.h"
#include "qrcode/create_qr_code.h"
#include "qrcode/request.h"

namespace {

// 宋体 at 14 pixels. Where SimSun is missing, a CJK font is preferred over
// fontconfig's Latin default, so Chinese text never shows as boxes.
QFont 宋体14() {
  QFont 字体(QStringLiteral("SimSun"));
  字体.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei"),
                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
  字体.setPixelSize(14);
  return 字体;
}

// Marks a request as running and disables the button for its duration;
// both come back also when a report unwinds through the handler.
class 请求守卫 {
 public:
  请求守卫(bool& 标志, QPushButton& 按钮) : 标志_(标志), 按钮_(按钮), 有焦点_(按钮.hasFocus()) {
    标志_ = true;
    按钮_.setEnabled(false);
  }
  ~请求守卫() {
    按钮_.setEnabled(true);
    if (有焦点_) 按钮_.setFocus();
    标志_ = false;
  }
  请求守卫(const 请求守卫&) = delete;
  请求守卫& operator=(const 请求守卫&) = delete;

 private:
  bool& 标志_;
  QPushButton& 按钮_;
  const bool 有焦点_;
};

}  // namespace

主窗口类::主窗口类() {
  setWindowTitle(QStringLiteral("Quorvane"));
  move(50, 50);
  // The controls sit at fixed places; a larger window would only add space.
  setFixedSize(508, 638);

  const auto 放置 = [](QWidget& 控件, const char* 名称, int 左, int 上, int 宽, int 高) {
    控件.setObjectName(QString::fromUtf8(名称));
    控件.setGeometry(左, 上, 宽, 高);
  };
  放置(编辑框1, "编辑框1", -1, 10, 504, 32);
  放置(编辑框2, "编辑框2", -1, 42, 504, 32);
  放置(图片框1, "图片框1", 1, 80, 500, 500);
  放置(标签1, "标签1", 0, 579, 52, 32);
  放置(组合框1, "组合框1", 59, 586, 120, 20);
  放置(按钮1, "按钮1", 187, 581, 317, 28);
  放置(编辑框4, "编辑框4", 1, 472, 24, 8);
  放置(编辑框3, "编辑框3", 24, 472, 8, 8);

  编辑框1.setText(QStringLiteral("这里填关键词"));
  编辑框2.setText(QStringLiteral("这里输入宝贝ID"));
  编辑框1.setFont(宋体14());
  编辑框2.setFont(宋体14());
  编辑框3.setText(到界面文本(搜索前缀()));
  编辑框4.setText(到界面文本(宝贝ID键));
  编辑框3.lower();
  编辑框4.lower();
  编辑框3.hide();
  编辑框4.hide();

  图片框1.setAlignment(Qt::AlignLeft | Qt::AlignTop);

  标签1.setText(QStringLiteral("容错等级："));
  // Five characters are wider than the label; two lines fit its height.
  标签1.setWordWrap(true);

  组合框1.addItems({QStringLiteral("L （低 - 7%）"), QStringLiteral("M （中 - 15%）"), QStringLiteral("Q （中高 - 25%）"),
                    QStringLiteral("H （高 - 30%）")});
  组合框1.setCurrentIndex(0);

  按钮1.setText(QStringLiteral("生成二维码"));
  QObject::connect(&按钮1, &QPushButton::clicked, this, [this] { 生成二维码(); });

  // The window's creation gives the whole program its look.
  QApplication::setStyle(QStringLiteral("Fusion"));
}

void 主窗口类::生成二维码() {
  if (请求中_) return;
  const 请求守卫 守卫(请求中_, 按钮1);

  const std::string 内容 = 组装请求内容(到GBK(编辑框3.text()), 到GBK(编辑框1.text()), 到GBK(编辑框4.text()),
                                        到GBK(编辑框2.text()));
  // The level is the first byte of the shown text; with no item shown it
  // is empty and the module reports it.
  const std::string 级别 = platform::first_byte(到GBK(组合框1.currentText()));
  const std::int64_t 宽度 = 图片框1.width();
  const std::int32_t 高度 = 图片框1.height();

  const 字节集 位图 = 创建二维码(内容, 级别, 宽度, 高度);
  QPixmap 图片;
  图片.loadFromData(位图.data(), static_cast<uint>(位图.size()), "BMP");
  图片框1.setPixmap(图片);
}
