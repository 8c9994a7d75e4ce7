#include "platform/report_sink.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/encoding.h"

namespace platform {

namespace {
report_sink& current_sink() {
  static report_sink sink;
  return sink;
}
}  // namespace

void set_report_sink(report_sink sink) { current_sink() = std::move(sink); }

void deliver_report(const failure_report& report) {
  if (const report_sink& sink = current_sink()) sink(report);
  default_report(report);
}

void default_report(const failure_report& report) {
  const std::string utf8 = gbk_to_utf8(report.text).value_or(report.text);
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  std::exit(0);
}

scoped_report_sink::scoped_report_sink(report_sink sink) : previous_(std::move(current_sink())) {
  current_sink() = std::move(sink);
}

scoped_report_sink::~scoped_report_sink() { current_sink() = std::move(previous_); }

}  // namespace platform
