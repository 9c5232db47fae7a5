#pragma once

#include <string>
#include <vector>

#include "support/RunProgram.h"

namespace kvr::test {

inline constexpr const char* kTmux = "/usr/bin/tmux";

// A program running in a real terminal: a detached tmux session of its own server, killed
// with the object. Screens the test waits for are copied to the test log.
class TmuxSession {
 public:
  TmuxSession(const std::string& command, int columns, int rows);
  ~TmuxSession();
  TmuxSession(const TmuxSession&) = delete;
  TmuxSession& operator=(const TmuxSession&) = delete;

  std::string capture();
  void literal(const std::string& bytes);
  void keys(const std::vector<std::string>& keys);
  // The screen once it holds `text`; fails the test when it does not appear in time.
  std::string waitFor(const std::string& text, const std::string& label);

 private:
  ProgramResult tmux(std::vector<std::string> args);

  std::string m_socket;
};

}  // namespace kvr::test
