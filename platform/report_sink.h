#pragma once
// Where a finished failure report goes. A report never returns to the
// code that raised it: the sink ends the program or unwinds past it.

#include <functional>
#include <string>

namespace platform {

// All four texts are GBK; text is the finished three-line report.
struct failure_report {
  std::string source;
  std::string method;
  std::string message;
  std::string text;
};

using report_sink = std::function<void(const failure_report&)>;

// Installs a sink; an empty one restores the default.
void set_report_sink(report_sink sink);

// Hands the report to the sink. Should the sink return, the default ends
// the program, so this never returns either way.
[[noreturn]] void deliver_report(const failure_report& report);

// Writes the text as UTF-8 to stderr and exits with code 0.
[[noreturn]] void default_report(const failure_report& report);

// Installs a sink for the lifetime of the guard and restores the previous.
class scoped_report_sink {
 public:
  explicit scoped_report_sink(report_sink sink);
  ~scoped_report_sink();
  scoped_report_sink(const scoped_report_sink&) = delete;
  scoped_report_sink& operator=(const scoped_report_sink&) = delete;

 private:
  report_sink previous_;
};

}  // namespace platform
