#include "PeerProcess.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

extern char** environ;

namespace kvr::test {

namespace {

bool accepts(const std::string& address, std::uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_port = htons(port);
  at.sin_addr.s_addr = inet_addr(address.c_str());
  const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&at), sizeof at) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

PeerProcess::PeerProcess(const std::vector<std::string>& argv, const std::string& address,
                         std::uint16_t port) {
  std::vector<char*> args;
  for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", 0, 0);
  if (::posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), environ) != 0) m_pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  for (int i = 0; m_pid > 0 && i < 500 && !m_ready; ++i) {
    int status = 0;
    if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
      m_pid = -1;
      break;
    }
    m_ready = accepts(address, port);
    if (!m_ready) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

PeerProcess::~PeerProcess() {
  if (m_pid <= 0) return;
  ::kill(m_pid, SIGTERM);
  int status = 0;
  for (int i = 0; i < 200; ++i) {
    if (::waitpid(m_pid, &status, WNOHANG) == m_pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(m_pid, SIGKILL);
  ::waitpid(m_pid, &status, 0);
}

std::string findProgram(const std::string& name) {
  std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  path += ":/usr/sbin:/sbin:/usr/local/sbin";
  std::size_t start = 0;
  while (start <= path.size()) {
    const auto end = path.find(':', start);
    const auto dir = path.substr(start, end - start);
    const auto candidate = std::filesystem::path(dir) / name;
    if (!dir.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return {};
}

std::uint16_t freePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_addr.s_addr = inet_addr("127.0.0.1");
  ::bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at);
  socklen_t length = sizeof at;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&at), &length);
  ::close(fd);
  return ntohs(at.sin_port);
}

}  // namespace kvr::test
