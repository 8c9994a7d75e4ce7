#include "cli/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "cli/module_failure.h"

namespace cli {

namespace {

class file_descriptor {
 public:
  explicit file_descriptor(int fd) noexcept : fd_(fd) {}
  ~file_descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  file_descriptor(const file_descriptor&) = delete;
  file_descriptor& operator=(const file_descriptor&) = delete;
  int get() const noexcept { return fd_; }

 private:
  int fd_;
};

// Reads to the end; false with errno set on a read error.
bool read_all(int fd, std::string& out) {
  std::array<char, 65536> chunk{};
  for (;;) {
    const ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    out.append(chunk.data(), static_cast<std::size_t>(n));
  }
}

}  // namespace

std::string system_message(std::string_view what, int error_number) {
  return std::string(what) + ": " + std::strerror(error_number);
}

std::string read_file(const std::string& path) {
  const file_descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw error(system_message("cannot read " + path, errno));
  struct stat st {};
  if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode)) throw error(system_message("cannot read " + path, EISDIR));
  std::string bytes;
  if (!read_all(fd.get(), bytes)) throw error(system_message("cannot read " + path, errno));
  return bytes;
}

std::string read_standard_input() {
  std::string bytes;
  if (!read_all(STDIN_FILENO, bytes)) throw error(system_message("cannot read standard input", errno));
  return bytes;
}

void write_standard_output(std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw error(system_message("cannot write standard output", errno));
    }
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace cli
