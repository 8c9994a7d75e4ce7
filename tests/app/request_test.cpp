// Clicks of the real button: what is encoded, at which level, and that a
// click during a request does not start another one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include <string>

#include "platform/event_pump.h"
#include "qrcode/shared_record.h"
#include "support/failure_capture.h"
#include "tables/error_correction_level.h"
#include "tables/qr_code.h"
#include "window_fixture.h"

namespace {

TEST_F(窗口测试, AClickAtOnceEncodesTheInitialTexts) {
  点击按钮();
  ASSERT_FALSE(窗口.图片框1.pixmap().isNull());
  EXPECT_EQ(窗口.图片框1.pixmap().size(), QSize(500, 500));
  EXPECT_EQ(扫描图片(), 期望内容(QStringLiteral("这里填关键词"), QStringLiteral("这里输入宝贝ID")));
  EXPECT_EQ(共享二维码.取容错级别().取名称(), "L");
}

struct 输入格 {
  const char* 说明;
  QString 关键词;
  QString 宝贝ID;
};

TEST_F(窗口测试, TypedTextsScanBackExactlyAsTyped) {
  const 输入格 表[] = {
      {"space and Chinese", QStringLiteral("蓝牙 耳机"), QStringLiteral("600123456789")},
      {"URL syntax is not escaped", QStringLiteral("a&b=c #1 %20 +"), QStringLiteral("42")},
      {"ideographic space and outside GBK", QStringLiteral("运动　鞋 😀 €"), QStringLiteral("ID-7")},
      {"both empty", QString(), QString()},
  };
  for (const 输入格& 格 : 表) {
    SCOPED_TRACE(格.说明);
    窗口.编辑框1.setText(格.关键词);
    窗口.编辑框2.clear();
    QTest::keyClicks(&窗口.编辑框2, 格.宝贝ID);  // typed, not set
    ASSERT_EQ(窗口.编辑框2.text(), 格.宝贝ID);
    点击按钮();
    EXPECT_EQ(扫描图片(), 期望内容(格.关键词, 格.宝贝ID));
  }
}

TEST_F(窗口测试, EachItemSetsTheLevelOfTheSymbol) {
  const char* const 字母[] = {"L", "M", "Q", "H"};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(字母[i]);
    窗口.组合框1.setCurrentIndex(i);
    点击按钮();
    EXPECT_EQ(共享二维码.取容错级别().取名称(), 字母[i]);
    EXPECT_EQ(扫描图片(), 期望内容(窗口.编辑框1.text(), 窗口.编辑框2.text()));
  }
}

// Only the first byte of the shown text counts, and the module checks it.
TEST_F(窗口测试, TheLevelIsTheFirstByteOfTheShownText) {
  窗口.组合框1.addItem(QStringLiteral("q （小写）"));
  窗口.组合框1.setCurrentIndex(4);
  点击按钮();
  EXPECT_EQ(共享二维码.取容错级别().取名称(), "Q");

  for (const QString& 项 : {QStringLiteral("中 - 15%"), QStringLiteral(" L"), QString()}) {
    SCOPED_TRACE(utf8(项));
    if (项.isEmpty()) {
      窗口.组合框1.setCurrentIndex(-1);
    } else {
      窗口.组合框1.addItem(项);
      窗口.组合框1.setCurrentIndex(窗口.组合框1.count() - 1);
    }
    // Called directly: a report thrown through a Qt signal would not reach the test.
    EXPECT_REPORT(窗口.生成二维码(), gbk("二维码模块"), gbk("创建二维码"), gbk("容错等级必须为L、M、Q、H四个之一。"));
  }
}

// A report that unwinds through the handler leaves the window usable.
TEST_F(窗口测试, AFailedRequestLeavesTheButtonReady) {
  窗口.组合框1.setCurrentIndex(-1);
  EXPECT_REPORT(窗口.生成二维码(), gbk("二维码模块"), gbk("创建二维码"), gbk("容错等级必须为L、M、Q、H四个之一。"));
  EXPECT_TRUE(窗口.图片框1.pixmap().isNull());
  EXPECT_FALSE(窗口.请求中());
  EXPECT_TRUE(窗口.按钮1.isEnabled());

  窗口.组合框1.setCurrentIndex(2);
  点击按钮();
  EXPECT_EQ(共享二维码.取容错级别().取名称(), "Q");
  EXPECT_EQ(扫描图片(), 期望内容(窗口.编辑框1.text(), 窗口.编辑框2.text()));
}

TEST_F(窗口测试, DoubleClickingThePictureChangesNothing) {
  点击按钮();
  const QImage 之前 = 窗口.图片框1.pixmap().toImage();
  const std::int32_t 版本 = 共享二维码.取版本号();
  const std::int32_t 掩码 = 共享二维码.取掩码();
  QTest::mouseDClick(&窗口.图片框1, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(窗口.图片框1.pixmap().toImage(), 之前);
  EXPECT_EQ(共享二维码.取版本号(), 版本);
  EXPECT_EQ(共享二维码.取掩码(), 掩码);
  EXPECT_EQ(窗口.编辑框1.text(), QStringLiteral("这里填关键词"));
}

// The encoder pumps events while it splits the text. A user click that
// arrives then, by mouse or any other way, must not start a second
// request writing into the shared record.
struct 嵌套探测 {
  static inline 主窗口类* 窗口 = nullptr;
  static inline int 深度 = 0;
  static inline int 最大深度 = 0;
  static inline int 次数 = 0;
  static inline bool 按钮曾可用 = false;

  static void 泵() {
    ++深度;
    最大深度 = std::max(最大深度, 深度);
    if (次数++ == 0) {
      按钮曾可用 = 窗口->按钮1.isEnabled();
      窗口->编辑框1.setText(QStringLiteral("第二次"));
      QTest::mouseClick(&窗口->按钮1, Qt::LeftButton);
      窗口->按钮1.click();
      窗口->生成二维码();
      QApplication::processEvents();
    }
    --深度;
  }
};

TEST_F(窗口测试, AClickDuringARequestDoesNotNest) {
  嵌套探测::窗口 = &窗口;
  platform::set_event_pump(嵌套探测::泵);
  窗口.编辑框1.setText(QStringLiteral("第一次"));
  点击按钮();

  EXPECT_GT(嵌套探测::次数, 0) << "the encoder never pumped events";
  EXPECT_EQ(嵌套探测::最大深度, 1);
  EXPECT_FALSE(嵌套探测::按钮曾可用);
  EXPECT_TRUE(窗口.按钮1.isEnabled());
  EXPECT_FALSE(窗口.请求中());
  EXPECT_EQ(扫描图片(), 期望内容(QStringLiteral("第一次"), 窗口.编辑框2.text()));

  // Once the request is over the next click runs as usual.
  点击按钮();
  EXPECT_EQ(扫描图片(), 期望内容(QStringLiteral("第二次"), 窗口.编辑框2.text()));
}

}  // namespace
