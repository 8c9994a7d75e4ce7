#include "cli/single_run.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "cli/atomic_file.h"
#include "cli/code_maker.h"
#include "cli/files.h"
#include "cli/module_failure.h"
#include "cli/record_info.h"
#include "cli/terminal_writer.h"
#include "platform/encoding.h"
#include "qrcode/request.h"
#include "qrcode/shared_record.h"

namespace cli {

namespace {

std::string content_of(const arguments& args) {
  if (args.text) {
    if (*args.text == "-") return module_text(read_standard_input(), "standard input");
    return module_text(*args.text, "--text");
  }
  const std::string host = args.host ? module_text(*args.host, "--host") : std::string(默认主机);
  return 组装请求内容(搜索前缀(host), module_text(*args.keyword, "--keyword"), 宝贝ID键,
                      module_text(*args.gid, "--gid"));
}

bool colour_wanted(const arguments& args) {
  const char* no_color = std::getenv("NO_COLOR");
  return !args.no_color && (no_color == nullptr || *no_color == '\0');
}

void warn_if_too_wide(int columns_needed) {
  winsize size{};
  if (::isatty(STDOUT_FILENO) == 0 || ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return;
  if (size.ws_col < columns_needed)
    std::fprintf(stderr,
                 "quorvane-cli: the terminal is %d columns wide and this code needs %d; widen it or use -o FILE\n",
                 size.ws_col, columns_needed);
}

}  // namespace

int run_single(const arguments& args) {
  code_request request;
  request.content = content_of(args);
  if (args.level) request.level = module_text(*args.level, "--level");
  request.width = args.width;
  request.height = args.height;

  const 字节集 bmp = make_code(request);
  const auto info = [&] { return info_line(共享二维码, platform::gbk_to_utf8(request.content).value_or("")); };

  if (args.output && *args.output == "-") {
    if (::isatty(STDOUT_FILENO) != 0)
      throw error("standard output is a terminal; send the BMP to a file or a pipe, or leave out -o to see the code");
    write_standard_output({reinterpret_cast<const char*>(bmp.data()), bmp.size()});
    if (args.info) std::fputs(info().c_str(), stderr);  // stdout carries the image
    return 0;
  }
  if (args.output) {
    const image_file file(*format_from_path(*args.output), bmp, 共享二维码, request.width, request.height);
    write_file_atomically(*args.output, file.bytes());
    if (args.info) write_standard_output(info());
    return 0;
  }
  if (args.info) {
    write_standard_output(info());
    return 0;
  }
  warn_if_too_wide(terminal_columns_for(共享二维码.矩阵()));
  write_standard_output(terminal_from_symbol(共享二维码.矩阵(), colour_wanted(args)));
  return 0;
}

}  // namespace cli
