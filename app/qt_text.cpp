#include "app/qt_text.h"

#include "platform/encoding.h"

std::string 到GBK(const QString& 文本) {
  // toUtf8 always gives valid UTF-8 (a lone surrogate becomes U+FFFD), and
  // GB18030 maps every code point, so the conversion cannot fail.
  const QByteArray utf8 = 文本.toUtf8();
  return platform::utf8_to_gbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))
      .value_or(std::string());
}

QString 到界面文本(std::string_view gbk) {
  const std::string utf8 = platform::gbk_to_utf8(gbk).value_or(std::string(gbk));
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
