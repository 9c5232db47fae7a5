#include "support/TmuxSession.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <thread>

namespace kvr::test {

namespace {

using namespace std::chrono_literals;

// Generous: the terminal tests share the machine with sanitizer builds in CI.
constexpr auto kScreenWait = 20s;

int g_sessions = 0;

}  // namespace

TmuxSession::TmuxSession(const std::string& command, int columns, int rows)
    : m_socket("kvrtest-" + std::to_string(getpid()) + "-" + std::to_string(++g_sessions)) {
  auto started = tmux({"new-session", "-d", "-x", std::to_string(columns), "-y", std::to_string(rows), command});
  EXPECT_EQ(started.exitCode, 0) << started.err;
}

TmuxSession::~TmuxSession() { tmux({"kill-server"}); }

std::string TmuxSession::capture() { return tmux({"capture-pane", "-p"}).out; }

void TmuxSession::literal(const std::string& bytes) { tmux({"send-keys", "-l", bytes}); }

void TmuxSession::keys(const std::vector<std::string>& keys) {
  std::vector<std::string> args{"send-keys"};
  args.insert(args.end(), keys.begin(), keys.end());
  tmux(args);
}

std::string TmuxSession::waitFor(const std::string& text, const std::string& label) {
  std::string screen;
  for (auto until = std::chrono::steady_clock::now() + kScreenWait; std::chrono::steady_clock::now() < until;) {
    screen = capture();
    if (screen.find(text) != std::string::npos) {
      std::cout << "---- " << label << " ----\n" << screen << std::flush;
      return screen;
    }
    std::this_thread::sleep_for(50ms);
  }
  ADD_FAILURE() << label << ": \"" << text << "\" never appeared; last screen:\n" << screen;
  return screen;
}

ProgramResult TmuxSession::tmux(std::vector<std::string> args) {
  args.insert(args.begin(), {"-L", m_socket});
  return runProgram(kTmux, args, {}, 15);
}

}  // namespace kvr::test
