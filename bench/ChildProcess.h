#pragma once

// What the terminal benchmarks read off a program they run on a pseudo-terminal.
#include <poll.h>
#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>

namespace kvr::bench {

// Reads from `fd` until `text` has been seen or `limit` passed; true when seen.
inline bool readUntil(int fd, const std::string& text, std::string& seen, std::chrono::milliseconds limit) {
  auto until = std::chrono::steady_clock::now() + limit;
  char buffer[4096];
  while (seen.find(text) == std::string::npos) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;
    seen.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

// The peak resident set of a running child in kB (VmHWM), -1 when it cannot be read.
inline long peakKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

}  // namespace kvr::bench
