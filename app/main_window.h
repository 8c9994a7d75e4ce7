#pragma once
// The one window: keyword and item-ID boxes, the level list, the button
// and the 500 x 500 picture box that shows the code.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

class 主窗口类 : public QWidget {
 public:
  主窗口类();

  // The click handler: joins the four texts, asks the module for a code of
  // the picture box's size at the shown level and shows the BMP it returns.
  // A click that arrives while a request runs (the encoder pumps events) is
  // ignored, so no request ever nests inside another.
  void 生成二维码();

  bool 请求中() const noexcept { return 请求中_; }

  // The controls, in stacking order: later ones lie above earlier ones.
  QLineEdit 编辑框1{this};  // keyword
  QLineEdit 编辑框2{this};  // item ID
  // The two fixed texts the click reads. They sit inside the picture area,
  // so they are kept hidden beneath the picture box: drawn over the code
  // they would break its scan.
  QLineEdit 编辑框4{this};  // "&gid="
  QLineEdit 编辑框3{this};  // the search address
  QLabel 图片框1{this};
  QLabel 标签1{this};
  QComboBox 组合框1{this};
  QPushButton 按钮1{this};

 private:
  bool 请求中_ = false;
};
