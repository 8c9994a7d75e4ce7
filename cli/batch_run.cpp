#include "cli/batch_run.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

#include "cli/atomic_file.h"
#include "cli/code_maker.h"
#include "cli/csv_reader.h"
#include "cli/files.h"
#include "cli/module_failure.h"
#include "cli/progress_bar.h"
#include "cli/safe_name.h"
#include "qrcode/request.h"
#include "qrcode/shared_record.h"

namespace cli {

namespace {

std::string trimmed_lower(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool is_header(const csv_record& r) {
  if (!r.fault.empty() || r.fields.size() < 2 || r.fields.size() > 3) return false;
  return trimmed_lower(r.fields[0]) == "keyword" && trimmed_lower(r.fields[1]) == "gid" &&
         (r.fields.size() == 2 || trimmed_lower(r.fields[2]) == "level");
}

void prepare_folder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) throw error("cannot make the folder " + folder + ": " + ec.message());
  check_writable_folder(folder);
}

struct batch_settings {
  std::string prefix;                        // GBK
  std::optional<std::string> default_level;  // GBK
  std::int32_t width = default_size;
  std::int32_t height = default_size;
  image_format format = image_format::png;
  std::string folder;
};

// The file of one row, made in memory; cli::error or module_failure when
// the row is bad.
struct made_row {
  std::string path;
  字节集 bmp;
};

made_row make_row(const batch_settings& s, const csv_record& r, std::size_t row) {
  if (!r.fault.empty()) throw error(r.fault);
  if (r.fields.size() < 2 || r.fields.size() > 3)
    throw error("expected keyword,gid or keyword,gid,level, found " + std::to_string(r.fields.size()) +
                (r.fields.size() == 1 ? " field" : " fields"));
  code_request request;
  request.content = 组装请求内容(s.prefix, module_text(r.fields[0], "the keyword"), 宝贝ID键,
                                 module_text(r.fields[1], "the gid"));
  request.level = s.default_level;
  if (r.fields.size() == 3 && !r.fields[2].empty()) request.level = module_text(r.fields[2], "the level");
  request.width = s.width;
  request.height = s.height;
  made_row made;
  made.bmp = make_code(request);
  made.path = s.folder + "/" + batch_file_name(row, r.fields[1], extension_of(s.format));
  return made;
}

std::string row_label(std::size_t row, const csv_record& r) {
  return "quorvane-cli: row " + std::to_string(row) + " (line " + std::to_string(r.line) + "): ";
}

}  // namespace

int run_batch(const arguments& args) {
  const std::string& csv_path = *args.batch;
  const std::vector<csv_record> records = read_csv(read_file(csv_path));
  const std::size_t first = !records.empty() && is_header(records.front()) ? 1 : 0;

  batch_settings s;
  s.prefix = 搜索前缀(args.host ? module_text(*args.host, "--host") : std::string(默认主机));
  if (args.level) s.default_level = module_text(*args.level, "--level");
  s.width = args.width;
  s.height = args.height;
  s.format = args.format;
  s.folder = *args.out_dir;
  prepare_folder(s.folder);

  const std::size_t rows = records.size() - first;
  if (rows == 0) {
    std::fprintf(stderr, "quorvane-cli: %s has no rows\n", csv_path.c_str());
    return 0;
  }

  std::size_t failed = 0;
  {
    progress_bar bar(rows, ::isatty(STDERR_FILENO) != 0);
    for (std::size_t i = first; i < records.size(); ++i) {
      const csv_record& r = records[i];
      const std::size_t row = i - first + 1;
      std::optional<made_row> made;
      try {
        made = make_row(s, r, row);
      } catch (const module_failure& f) {
        bar.message(row_label(row, r) + "the code could not be made:\n" + f.text() + "\n");
      } catch (const error& e) {
        bar.message(row_label(row, r) + e.what() + "\n");
      } catch (const std::bad_alloc&) {
        bar.message(row_label(row, r) + "out of memory\n");
      }
      if (made) {
        try {
          const image_file file(s.format, made->bmp, 共享二维码, s.width, s.height);
          write_file_atomically(made->path, file.bytes());
        } catch (const error& e) {
          throw error(std::string(e.what()) + " (the batch stops at row " + std::to_string(row) + ")");
        }
      } else {
        ++failed;
      }
      bar.advance();
    }
  }
  if (failed > 0) std::fprintf(stderr, "quorvane-cli: %zu of %zu rows failed\n", failed, rows);
  return failed > 0 ? 1 : 0;
}

}  // namespace cli
