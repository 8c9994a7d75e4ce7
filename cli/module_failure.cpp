#include "cli/module_failure.h"

#include "platform/encoding.h"

namespace cli {

namespace {

std::string unix_lines(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out.push_back(text[i]);
  }
  return out;
}

std::string utf8(const std::string& gbk) { return platform::gbk_to_utf8(gbk).value_or(gbk); }

// The encoder reports a text too long for every version with no message at
// all; say what it means.
std::string explanation(const platform::failure_report& report) {
  if (report.message.empty() && utf8(report.source) == "编码类" && utf8(report.method) == "初始化二维码")
    return "(the text is too long for the largest QR code, version 40, at this level)";
  return {};
}

}  // namespace

module_failure::module_failure(const platform::failure_report& report) : text_(unix_lines(utf8(report.text))) {
  if (const std::string more = explanation(report); !more.empty()) text_ += "\n" + more;
}

throwing_report_sink::throwing_report_sink()
    : guard_([](const platform::failure_report& report) { throw module_failure(report); }) {}

}  // namespace cli
