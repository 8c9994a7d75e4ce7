// The window as built: places, sizes, texts, fonts, items and style.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>
#include <QStringList>
#include <QStyle>

#include "window_fixture.h"

namespace {

TEST_F(窗口测试, TitlePlaceAndFixedClientSize) {
  EXPECT_EQ(窗口.windowTitle(), QStringLiteral("Quorvane"));
  EXPECT_EQ(窗口.pos(), QPoint(50, 50));
  EXPECT_EQ(窗口.size(), QSize(508, 638));
  EXPECT_EQ(窗口.minimumSize(), 窗口.maximumSize());
}

struct 控件格 {
  QString 名称;
  QRect 位置;
  QString 文本;
};

TEST_F(窗口测试, EveryControlAtItsPlaceWithItsText) {
  const auto 文本 = [](QWidget* w) -> QString {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QPushButton*>(w)) return b->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return {};
  };
  const 控件格 表[] = {
      {QStringLiteral("编辑框1"), {-1, 10, 504, 32}, QStringLiteral("这里填关键词")},
      {QStringLiteral("编辑框2"), {-1, 42, 504, 32}, QStringLiteral("这里输入宝贝ID")},
      {QStringLiteral("图片框1"), {1, 80, 500, 500}, QString()},
      {QStringLiteral("标签1"), {0, 579, 52, 32}, QStringLiteral("容错等级：")},
      {QStringLiteral("组合框1"), {59, 586, 120, 20}, QStringLiteral("L （低 - 7%）")},
      {QStringLiteral("按钮1"), {187, 581, 317, 28}, QStringLiteral("生成二维码")},
      {QStringLiteral("编辑框4"), {1, 472, 24, 8}, QStringLiteral("&gid=")},
      {QStringLiteral("编辑框3"), {24, 472, 8, 8}, QStringLiteral("http://m.example.com/search_result.html?search_key=")},
  };
  for (const 控件格& 格 : 表) {
    SCOPED_TRACE(utf8(格.名称));
    QWidget* const 控件 = 窗口.findChild<QWidget*>(格.名称, Qt::FindDirectChildrenOnly);
    ASSERT_NE(控件, nullptr);
    EXPECT_EQ(控件->geometry(), 格.位置);
    EXPECT_EQ(文本(控件), 格.文本);
  }
  EXPECT_TRUE(窗口.图片框1.pixmap().isNull());
}

TEST_F(窗口测试, TheFixedTextsNeverCoverThePicture) {
  const QList<QObject*> 层次 = 窗口.children();  // bottom first
  for (const QLineEdit* 框 : {&窗口.编辑框3, &窗口.编辑框4}) {
    SCOPED_TRACE(utf8(框->text()));
    EXPECT_TRUE(窗口.图片框1.geometry().contains(框->geometry()));
    EXPECT_FALSE(框->isVisible());
    EXPECT_LT(层次.indexOf(const_cast<QLineEdit*>(框)), 层次.indexOf(&窗口.图片框1));
  }
}

TEST_F(窗口测试, EditBoxesUseSimSun14WithChineseGlyphs) {
  for (const QLineEdit* 框 : {&窗口.编辑框1, &窗口.编辑框2}) {
    SCOPED_TRACE(utf8(框->text()));
    EXPECT_EQ(框->font().family(), QStringLiteral("SimSun"));
    EXPECT_EQ(框->font().pixelSize(), 14);
    // Where SimSun is missing, the font in use must still draw Chinese.
    const QFontMetrics 度量(框->font());
    for (const QChar c : QStringLiteral("这里填关键词输入宝贝")) EXPECT_TRUE(度量.inFont(c)) << utf8(QString(c));
  }
}

TEST_F(窗口测试, FourLevelItemsInOrderWithLSelected) {
  QStringList 项;
  for (int i = 0; i < 窗口.组合框1.count(); ++i) 项 << 窗口.组合框1.itemText(i);
  EXPECT_EQ(项, QStringList({QStringLiteral("L （低 - 7%）"), QStringLiteral("M （中 - 15%）"),
                             QStringLiteral("Q （中高 - 25%）"), QStringLiteral("H （高 - 30%）")}));
  EXPECT_EQ(窗口.组合框1.currentIndex(), 0);
  EXPECT_FALSE(窗口.组合框1.isEditable());
}

TEST_F(窗口测试, TheWindowGivesTheProgramItsStyle) {
  EXPECT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
  EXPECT_EQ(窗口.按钮1.style(), QApplication::style());
}

}  // namespace
