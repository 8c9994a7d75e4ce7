#pragma once
// Runs the real quorvane-cli and a scratch folder for its files.

#include <filesystem>
#include <string>
#include <vector>

struct cli_result {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs the program with the arguments, feeding it the input on stdin.
// NO_COLOR is cleared unless given in env ("NAME=value" entries).
cli_result run_cli(const std::vector<std::string>& args, const std::string& input = {},
                   const std::vector<std::string>& env = {});

// A new empty folder, removed with everything in it at the end.
class scratch_folder {
 public:
  scratch_folder();
  ~scratch_folder();
  scratch_folder(const scratch_folder&) = delete;
  scratch_folder& operator=(const scratch_folder&) = delete;
  const std::filesystem::path& path() const noexcept { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  // The names in the folder, sorted.
  std::vector<std::string> names() const;
  std::vector<std::string> names(const std::string& sub) const;

 private:
  std::filesystem::path path_;
};

// Text from a u8 literal (the tests' narrow literals are GBK).
inline std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string read_bytes(const std::string& path);
void write_bytes(const std::string& path, const std::string& bytes);
