// quorvane-cli: the window's QR codes without a window.

#include <cstdio>
#include <new>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/atomic_file.h"
#include "cli/batch_run.h"
#include "cli/files.h"
#include "cli/module_failure.h"
#include "cli/single_run.h"
#include "cli/usage.h"
#include "qrcode/module_lifetime.h"

namespace {

constexpr int exit_failure = 1;
constexpr int exit_usage = 2;

void complain(std::string_view text) {
  std::fputs("quorvane-cli: ", stderr);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
}

int run(const cli::arguments& args) {
  const 模块生命周期 module;
  // The module's default report ends the program with 0; a script must see
  // the failure, and a batch must be able to go on after a bad row.
  const cli::throwing_report_sink sink;
  try {
    return args.what == cli::arguments::action::batch ? cli::run_batch(args) : cli::run_single(args);
  } catch (const cli::module_failure& f) {
    std::fputs(f.text().c_str(), stderr);
    std::fputc('\n', stderr);
  } catch (const cli::error& e) {
    complain(e.what());
  } catch (const std::bad_alloc&) {
    complain("out of memory");
  }
  return exit_failure;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> words(argv + 1, argv + argc);
  cli::arguments args;
  try {
    args = cli::parse_arguments(words);
  } catch (const cli::usage_error& e) {
    complain(e.what());
    std::fputs(cli::usage_text().c_str(), stderr);
    return exit_usage;
  }
  try {
    switch (args.what) {
      case cli::arguments::action::help: cli::write_standard_output(cli::help_text()); return 0;
      case cli::arguments::action::version: cli::write_standard_output(cli::version_text()); return 0;
      default: break;
    }
  } catch (const cli::error& e) {
    complain(e.what());
    return exit_failure;
  }
  cli::remove_temporary_files_on_signals();
  return run(args);
}
