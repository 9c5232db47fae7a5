#pragma once

// Reading what tests/platform/argv_recorder wrote.

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/TempDir.h"

namespace kvr::test {

struct ArgvRecord {
  bool found = false;
  pid_t pid = 0;
  bool ownGroup = false;
  std::string fds;  // " 0 1 2" when only the standard descriptors were open
  std::string cwd;
  std::vector<std::string> argv;
};

inline std::string argvRecorderPath() { return std::string(KVR_BIN_DIR) + "/argv_recorder"; }

// The recorder is not waited for by whoever started it, so its file is polled for.
inline ArgvRecord waitForArgvRecord(const std::string& path, int seconds = 20) {
  ArgvRecord record;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!std::filesystem::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return record;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  record.found = true;
  const std::string text = readFile(path);
  const std::size_t argvStart = text.find("argv\n");
  std::istringstream head(text.substr(0, argvStart));
  std::string line;
  while (std::getline(head, line)) {
    const std::size_t blank = line.find(' ');
    const std::string key = line.substr(0, blank);
    const std::string value = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (key == "pid") record.pid = static_cast<pid_t>(std::stol(value));
    if (key == "own-group") record.ownGroup = value == "yes";
    if (key == "fds") record.fds = line.substr(3);
    if (key == "cwd") record.cwd = value;
  }
  if (argvStart == std::string::npos) return record;
  std::size_t at = argvStart + 5;
  while (at < text.size()) {
    const std::size_t end = text.find('\0', at);
    if (end == std::string::npos) break;
    record.argv.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return record;
}

}  // namespace kvr::test
