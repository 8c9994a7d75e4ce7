// The box a failure shows and the end of the program after it. Each case
// runs in a child process (a death test) with the window's own sink and
// event pump, as the program has them; a timer inspects the box, says on
// stderr whether it is as it should be, and closes it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/event_pump_hook.h"
#include "app/failure_box.h"
#include "app/main_window.h"
#include "window_fixture.h"

namespace {

enum class 关闭方式 { 确定, 关闭按钮 };

// Waits for the modal box, checks it against the expected text and closes it.
void 检查并关闭(const QString& 期望文本, 关闭方式 方式) {
  auto* const 计时器 = new QTimer(QApplication::instance());
  QObject::connect(计时器, &QTimer::timeout, [=] {
    static int 轮次 = 0;
    auto* const 框 = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (框 == nullptr) {
      if (++轮次 > 1000) {
        std::fputs("no box was shown\n", stderr);
        std::_Exit(3);
      }
      return;
    }
    计时器->stop();
    std::string 差异;
    if (框->windowTitle() != QStringLiteral("程序运行异常提示")) 差异 += " title=" + utf8(框->windowTitle());
    if (框->icon() != QMessageBox::Critical) 差异 += " icon";
    if (框->standardButtons() != QMessageBox::Ok || 框->buttons().size() != 1) 差异 += " buttons";
    if (框->text() != 期望文本) 差异 += " text=" + utf8(框->text());
    if (框->parentWidget() != nullptr) 差异 += " owner";
    if (框->windowModality() != Qt::ApplicationModal) 差异 += " modality";
    std::fprintf(stderr, "%s\n", 差异.empty() ? "box as expected" : ("box differs:" + 差异).c_str());
    if (方式 == 关闭方式::确定) {
      框->button(QMessageBox::Ok)->click();
    } else {
      框->close();  // what the title bar's close button does
    }
  });
  计时器->start(5);
}

// The program's click with the window's own sink; only the box may end it.
[[noreturn]] void 点击并等待结束(主窗口类& 窗口) {
  窗口.按钮1.click();
  std::fputs("the click came back after a report\n", stderr);
  std::_Exit(4);
}

void 无级别点击(关闭方式 方式) {
  安装异常框();
  安装事件泵();
  主窗口类 窗口;
  窗口.show();
  窗口.组合框1.setCurrentIndex(-1);
  检查并关闭(QStringLiteral("异常来源：[二维码模块]\r\n方法名称：创建二维码()\r\n异常信息：容错等级必须为L、M、Q、H四个之一。"),
             方式);
  点击并等待结束(窗口);
}

TEST(FailureBoxDeathTest, NoItemSelectedShowsTheLevelMessageAndOkEndsWithZero) {
  EXPECT_EXIT(无级别点击(关闭方式::确定), testing::ExitedWithCode(0), "box as expected");
}

TEST(FailureBoxDeathTest, ClosingTheBoxByItsCloseButtonAlsoEndsWithZero) {
  EXPECT_EXIT(无级别点击(关闭方式::关闭按钮), testing::ExitedWithCode(0), "box as expected");
}

// A failure deep inside the encoder, reached while it pumps events.
void 过长点击() {
  安装异常框();
  安装事件泵();
  主窗口类 窗口;
  窗口.show();
  窗口.编辑框1.setText(QString(2000, QChar(u'码')));
  窗口.组合框1.setCurrentIndex(3);
  检查并关闭(QStringLiteral("异常来源：[编码类]\r\n方法名称：初始化二维码()\r\n异常信息："), 关闭方式::确定);
  点击并等待结束(窗口);
}

TEST(FailureBoxDeathTest, TextTooLongForAnySymbolIsReportedInTheBox) {
  EXPECT_EXIT(过长点击(), testing::ExitedWithCode(0), "box as expected");
}

}  // namespace
