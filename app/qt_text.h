#pragma once
// Texts between Qt's Unicode and the module's GBK byte strings.

#include <QString>

#include <string>
#include <string_view>

// GB18030 has a form for every character, so nothing a user types is lost.
std::string 到GBK(const QString& 文本);

// Bytes that are not GBK are shown as they are rather than dropped.
QString 到界面文本(std::string_view gbk);
