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
#include "support/TmuxSession.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

using test::kTmux;
using test::TmuxSession;

using namespace std::chrono_literals;


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
                      wizard + " -splashdelay=0; echo wizard ended $?; sleep 30",
                      120, 50);
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
