#pragma once
// Failures, as the tool meets them. A module report is turned into a C++
// exception, so a batch can report the row and go on (the module is
// exception-safe); everything else the tool refuses is a plain error.

#include <stdexcept>
#include <string>

#include "platform/report_sink.h"

namespace cli {

// A report of the module, its three lines already in UTF-8.
class module_failure : public std::exception {
 public:
  explicit module_failure(const platform::failure_report& report);
  const char* what() const noexcept override { return text_.c_str(); }
  // Source, method and message, one per line (LF), without a final newline;
  // a line of explanation follows where the module's own message is empty.
  const std::string& text() const noexcept { return text_; }

 private:
  std::string text_;
};

// Something the tool itself refuses or cannot do (a size too small, a file
// that cannot be read or written); exits with 1.
class error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// While it lives, every module report throws module_failure.
class throwing_report_sink {
 public:
  throwing_report_sink();

 private:
  platform::scoped_report_sink guard_;
};

}  // namespace cli
