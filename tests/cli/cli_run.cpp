#include "cli_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

struct pipe_pair {
  int fd[2] = {-1, -1};
  pipe_pair() {
    if (::pipe2(fd, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  }
  ~pipe_pair() {
    close_end(0);
    close_end(1);
  }
  void close_end(int i) {
    if (fd[i] >= 0) ::close(fd[i]);
    fd[i] = -1;
  }
};

}  // namespace

cli_result run_cli(const std::vector<std::string>& args, const std::string& input,
                   const std::vector<std::string>& env) {
  pipe_pair in, out, err;
  std::vector<std::string> words{QUORVANE_CLI};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    ::dup2(in.fd[0], STDIN_FILENO);
    ::dup2(out.fd[1], STDOUT_FILENO);
    ::dup2(err.fd[1], STDERR_FILENO);
    ::unsetenv("NO_COLOR");
    for (const std::string& e : env) ::putenv(const_cast<char*>(e.c_str()));
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  in.close_end(0);
  out.close_end(1);
  err.close_end(1);
  ::signal(SIGPIPE, SIG_IGN);

  cli_result result;
  std::size_t written = 0;
  if (input.empty()) in.close_end(1);
  std::array<char, 65536> chunk{};
  while (out.fd[0] >= 0 || err.fd[0] >= 0) {
    std::vector<pollfd> fds;
    if (in.fd[1] >= 0) fds.push_back({in.fd[1], POLLOUT, 0});
    if (out.fd[0] >= 0) fds.push_back({out.fd[0], POLLIN, 0});
    if (err.fd[0] >= 0) fds.push_back({err.fd[0], POLLIN, 0});
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (const pollfd& p : fds) {
      if (p.revents == 0) continue;
      if (p.fd == in.fd[1]) {
        const ssize_t n = ::write(p.fd, input.data() + written, input.size() - written);
        if (n > 0) written += static_cast<std::size_t>(n);
        if (n < 0 || written == input.size()) in.close_end(1);
        continue;
      }
      const ssize_t n = ::read(p.fd, chunk.data(), chunk.size());
      std::string& sink = p.fd == out.fd[0] ? result.out : result.err;
      if (n > 0) {
        sink.append(chunk.data(), static_cast<std::size_t>(n));
      } else {
        (p.fd == out.fd[0] ? out : err).close_end(0);
      }
    }
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

scratch_folder::scratch_folder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-cli-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
  path_ = pattern;
}

scratch_folder::~scratch_folder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> scratch_folder::names() const { return names(""); }

std::vector<std::string> scratch_folder::names(const std::string& sub) const {
  std::vector<std::string> found;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(sub.empty() ? path_ : path_ / sub, ec))
    found.push_back(entry.path().filename().string());
  std::sort(found.begin(), found.end());
  return found;
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
