#pragma once
// The batch's progress on stderr, drawn only when stderr is a terminal.
// Messages printed through it clear the bar first and redraw it after.

#include <chrono>
#include <cstddef>
#include <string_view>

namespace cli {

class progress_bar {
 public:
  // Shown when enabled; normally enabled = stderr is a terminal.
  progress_bar(std::size_t total, bool enabled);
  ~progress_bar();
  progress_bar(const progress_bar&) = delete;
  progress_bar& operator=(const progress_bar&) = delete;

  void advance();
  // Writes the text (lines ending in '\n') to stderr around the bar.
  void message(std::string_view text);

 private:
  void draw(bool force);
  void erase();

  std::size_t total_;
  std::size_t done_ = 0;
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point last_draw_{};
};

}  // namespace cli
