#pragma once
// A shown main window with the window's own event pump installed.

#include <gtest/gtest.h>

#include <QString>

#include <string>
#include <string_view>

#include "app/main_window.h"

class 窗口测试 : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Clicks 按钮1 with the mouse and lets the window settle.
  void 点击按钮();

  // What zbar reads from the window's picture area, in UTF-8 (empty when
  // it finds no single code).
  std::string 扫描图片();

  主窗口类 窗口;
};

// The UTF-8 form of a Qt text, to compare with what zbar reads.
std::string utf8(const QString& 文本);

// The module's GBK form of a UTF-8 literal.
std::string gbk(std::string_view utf8);

// The text a click with these two boxes encodes, in UTF-8.
std::string 期望内容(const QString& 关键词, const QString& 宝贝ID);
