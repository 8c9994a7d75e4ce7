#include "cli/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

#include "cli/files.h"
#include "cli/module_failure.h"

namespace cli {

namespace {

// The temporary file being written, for the signal handler. Only a plain
// buffer and a flag can be used safely from there.
std::array<char, 4096> pending_path{};
volatile std::sig_atomic_t pending = 0;

extern "C" void remove_pending_and_die(int signal_number) {
  if (pending != 0) ::unlink(pending_path.data());
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

class signal_block {
 public:
  signal_block() noexcept {
    sigset_t all;
    sigfillset(&all);
    ::sigprocmask(SIG_BLOCK, &all, &previous_);
  }
  ~signal_block() { ::sigprocmask(SIG_SETMASK, &previous_, nullptr); }
  signal_block(const signal_block&) = delete;
  signal_block& operator=(const signal_block&) = delete;

 private:
  sigset_t previous_{};
};

// A temporary file beside the target, removed again unless kept.
class temporary_file {
 public:
  explicit temporary_file(const std::string& beside) {
    const std::string pattern = folder_of(beside) + "/." + name_of(beside) + ".tmp-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    // No signal between making the file and naming it for the handler.
    const signal_block block;
    fd_ = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd_ < 0) throw error(system_message("cannot write " + beside, errno));
    path_.assign(buffer.data());
    if (path_.size() < pending_path.size()) {
      std::memcpy(pending_path.data(), path_.c_str(), path_.size() + 1);
      pending = 1;
    }
  }
  ~temporary_file() {
    close();
    if (!kept_) ::unlink(path_.c_str());
    pending = 0;
  }
  temporary_file(const temporary_file&) = delete;
  temporary_file& operator=(const temporary_file&) = delete;

  int fd() const noexcept { return fd_; }
  const std::string& path() const noexcept { return path_; }
  // false with errno set when the data did not reach the disk.
  bool close() noexcept {
    if (fd_ < 0) return true;
    const int r = ::close(fd_);
    fd_ = -1;
    return r == 0;
  }
  void keep() noexcept { kept_ = true; }

 private:
  int fd_ = -1;
  std::string path_;
  bool kept_ = false;
};

bool write_all(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void write_file_atomically(const std::string& path, std::string_view bytes) {
  temporary_file file(path);
  const auto fail = [&](int e) { throw error(system_message("cannot write " + path, e)); };
  // mkstemp makes the file private; the finished file gets the usual mode.
  if (::fchmod(file.fd(), file_mode()) != 0) fail(errno);
  if (!write_all(file.fd(), bytes)) fail(errno);
  if (::fsync(file.fd()) != 0) fail(errno);
  if (!file.close()) fail(errno);
  if (::rename(file.path().c_str(), path.c_str()) != 0) fail(errno);
  file.keep();
}

void check_writable_folder(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) throw error(system_message("cannot use the folder " + folder, errno));
  if (!S_ISDIR(st.st_mode)) throw error(system_message("cannot use the folder " + folder, ENOTDIR));
  const std::string pattern = folder + "/.quorvane-probe-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
  if (fd < 0) throw error(system_message("cannot write into the folder " + folder, errno));
  ::close(fd);
  ::unlink(buffer.data());
}

void remove_temporary_files_on_signals() {
  for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) std::signal(s, remove_pending_and_die);
}

}  // namespace cli
