#include "cli/record_info.h"

#include "platform/encoding.h"
#include "tables/qr_code.h"

namespace cli {

std::string escape_control(std::string_view text) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (b < 0x20 || b == 0x7F) {
          out += "\\x";
          out += hex[b >> 4];
          out += hex[b & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string info_line(const 二维码类& record, std::string_view content_utf8) {
  const auto utf8 = [](const std::string& gbk) { return platform::gbk_to_utf8(gbk).value_or(gbk); };
  std::string line;
  line += "version=" + std::to_string(record.取版本号());
  line += " mask=" + std::to_string(record.取掩码());
  line += " mode=" + utf8(record.模式().名称());
  line += " level=" + utf8(record.容错级别().名称());
  line += " total=" + std::to_string(record.取总字节数());
  line += " data=" + std::to_string(record.取数据字节数());
  line += " ec=" + std::to_string(record.取容错字节数());
  line += " blocks=" + std::to_string(record.取块数());
  line += " content=" + escape_control(content_utf8);
  line += '\n';
  return line;
}

}  // namespace cli
