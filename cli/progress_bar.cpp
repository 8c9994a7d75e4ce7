#include "cli/progress_bar.h"

#include <cstdio>
#include <string>

namespace cli {

namespace {
constexpr std::size_t bar_width = 30;
// Often enough to look alive, rarely enough not to slow a large batch.
constexpr auto redraw_interval = std::chrono::milliseconds(100);
}  // namespace

progress_bar::progress_bar(std::size_t total, bool enabled) : total_(total), enabled_(enabled && total > 0) {
  draw(true);
}

progress_bar::~progress_bar() {
  if (!enabled_) return;
  draw(true);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

void progress_bar::advance() {
  ++done_;
  draw(done_ == total_);
}

void progress_bar::message(std::string_view text) {
  erase();
  std::fwrite(text.data(), 1, text.size(), stderr);
  draw(true);
}

void progress_bar::erase() {
  if (!shown_) return;
  std::fputs("\r\x1b[K", stderr);
  shown_ = false;
}

void progress_bar::draw(bool force) {
  if (!enabled_) {
    std::fflush(stderr);
    return;
  }
  const auto now = std::chrono::steady_clock::now();
  if (!force && shown_ && now - last_draw_ < redraw_interval) return;
  last_draw_ = now;
  const std::size_t filled = total_ == 0 ? bar_width : done_ * bar_width / total_;
  std::string line = "\r[";
  line.append(filled, '#');
  line.append(bar_width - filled, '.');
  line += "] " + std::to_string(done_) + "/" + std::to_string(total_);
  line += "\x1b[K";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  shown_ = true;
}

}  // namespace cli
