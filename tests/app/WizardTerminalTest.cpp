// The wizard in a real terminal (tmux): start window, contact page filled from the saved
// answers, Enter, system information page. Each screen goes to the test log.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

using namespace std::chrono_literals;

constexpr const char* kTmux = "/usr/bin/tmux";

class TmuxSession {
 public:
  explicit TmuxSession(const std::string& command)
      : m_socket("kvrwiz-" + std::to_string(getpid()) + "-" + std::to_string(++s_sessions)) {
    auto started = tmux({"new-session", "-d", "-x", "120", "-y", "50", command});
    EXPECT_EQ(started.exitCode, 0) << started.err;
  }
  ~TmuxSession() { tmux({"kill-server"}); }

  std::string capture() { return tmux({"capture-pane", "-p"}).out; }
  void keys(const std::vector<std::string>& keys) {
    std::vector<std::string> args{"send-keys"};
    args.insert(args.end(), keys.begin(), keys.end());
    tmux(args);
  }
  // The screen once it holds `text`; fails the test after ten seconds.
  std::string waitFor(const std::string& text, const std::string& label) {
    std::string screen;
    for (auto until = std::chrono::steady_clock::now() + 10s; std::chrono::steady_clock::now() < until;) {
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

 private:
  test::ProgramResult tmux(std::vector<std::string> args) {
    args.insert(args.begin(), {"-L", m_socket});
    return test::runProgram(kTmux, args, {}, 15);
  }

  static inline int s_sessions = 0;
  std::string m_socket;
};

TEST(WizardTerminalTest, StartWindowContactPageEnterSystemInformation) {
  if (access(kTmux, X_OK) != 0) GTEST_SKIP() << "tmux is not installed";
  const std::string wizard = test::builtProgram("kvrWizard");
  test::TempDir prefix;
  // A complete contact record in the hive, written by a headless run of the wizard itself.
  auto filled = test::runProgram(
      wizard, {"-splashdelay=0"},
      {{"KVR_PREFIX", prefix.path().string()},
       {"LANG", "C"},
       {"LC_ALL", ""},
       {"KVR_UI", "headless"},
       {"KVR_UI_SCRIPT",
        "type:2209:Ada;type:2210:Lovelace;type:2217:12 Main Street;type:2216:Springfield;select:2321:0;"
        "type:2214:12345;type:2213:555 010 0123;type:2211:ada@example.com;click:2226;click:2104"}});
  ASSERT_EQ(filled.exitCode, 0) << filled.err;

  TmuxSession session("env TERM=tmux-256color LANG=C.UTF-8 LC_ALL= KVR_PREFIX=" + prefix.path().string() + " " +
                      wizard + " -splashdelay=0; echo wizard ended $?; sleep 30");
  // The screen may be captured half drawn: wait for the page's last line of buttons.
  std::string contact = session.waitFor("<Next>>", "contact page");
  EXPECT_NE(contact.find("Contact Information"), std::string::npos);
  EXPECT_NE(contact.find("Lovelace"), std::string::npos);
  EXPECT_NE(contact.find("ada@example.com"), std::string::npos);
  session.keys({"Enter"});
  std::string system = session.waitFor("<Next >>", "system information page");
  EXPECT_NE(system.find("System Information"), std::string::npos);
  EXPECT_EQ(system.find("Lovelace"), std::string::npos) << "the contact page is hidden";
  session.keys({"M-x"});
  session.waitFor("Are you sure", "exit confirmation");
  session.keys({"M-y"});
  std::string end = session.waitFor("wizard ended", "after the exit");
  EXPECT_NE(end.find("wizard ended 0"), std::string::npos);
}

}  // namespace
}  // namespace kvr
