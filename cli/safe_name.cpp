#include "cli/safe_name.h"

namespace cli {

namespace {

constexpr std::size_t longest_stem = 64;

bool safe(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.';
}

}  // namespace

std::string safe_stem(std::string_view gid) {
  std::string out;
  bool replaced = false;  // the last byte of out stands for unsafe characters
  for (const char c : gid) {
    if (safe(c)) {
      out.push_back(c);
      replaced = false;
    } else if (!replaced) {
      out.push_back('_');
      replaced = true;
    }
  }
  if (replaced) out.pop_back();
  if (!out.empty() && out.front() == '_' && !gid.empty() && !safe(gid.front())) out.erase(0, 1);
  if (out.size() > longest_stem) out.resize(longest_stem);
  return out;
}

std::string batch_file_name(std::size_t row, std::string_view gid, std::string_view extension) {
  std::string number = std::to_string(row);
  if (number.size() < 4) number.insert(0, 4 - number.size(), '0');
  const std::string stem = safe_stem(gid);
  return stem.empty() ? number + std::string(extension) : number + "-" + stem + std::string(extension);
}

}  // namespace cli
