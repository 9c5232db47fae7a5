// The terminal backend in a real terminal (tmux): the start window with its picture, a key
// that ends it early, the exit confirmation answered by keyboard. Each screen goes to the log.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "support/TmuxSession.h"

namespace kvr {
namespace {

using test::kTmux;
using test::TmuxSession;

using namespace std::chrono_literals;

constexpr const char* kUpperHalfBlock = "\xE2\x96\x80";

TEST(TerminalDemoTest, StartWindowThenExitConfirmationByKeyboard) {
  if (access(kTmux, X_OK) != 0) GTEST_SKIP() << "tmux is not installed";
  struct Case {
    const char* name;
    int delay;            // seconds the start window stays
    bool keyEndsStart;    // a key press ends the start window early
    std::vector<std::string> answerKeys;
    const char* answer;
  } cases[] = {
      {"Alt+Y answers Yes", 30, true, {"M-y"}, "2328"},
      {"Enter presses the default No", 30, true, {"Enter"}, "2329"},
      {"Tab to Yes, then Enter", 30, true, {"Tab", "Enter"}, "2328"},
      {"the timer ends the start window; Escape cancels", 1, false, {"Escape"}, "2"},
      {"Alt+F4 closes it as the close box does", 30, true, {"M-F4"}, "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::cout << "==== " << c.name << " ====\n";
    TmuxSession session("env TERM=tmux-256color LANG=C.UTF-8 " + test::builtProgram("kvrUiDemo") +
                        " --delay " + std::to_string(c.delay) + "; echo demo ended $?; sleep 30",
                        100, 32);
    std::string start = session.waitFor(kUpperHalfBlock, "start window");
    EXPECT_EQ(start.find("Are you sure"), std::string::npos);
    if (c.keyEndsStart) session.keys({"x"});
    std::string confirm = session.waitFor("Are you sure", "exit confirmation");
    EXPECT_NE(confirm.find("OVX Product Registration"), std::string::npos);
    EXPECT_NE(confirm.find("[Yes]"), std::string::npos);
    EXPECT_NE(confirm.find("<No>"), std::string::npos);
    EXPECT_EQ(confirm.find(kUpperHalfBlock), std::string::npos) << "the start window is hidden";
    session.keys(c.answerKeys);
    std::string end = session.waitFor("demo ended", "after the answer");
    EXPECT_NE(end.find(std::string("exit confirmation: ") + c.answer + "\n"), std::string::npos);
    EXPECT_NE(end.find("demo ended 0"), std::string::npos);
  }
}

// A left click where the terminal shows a button, sent as the terminal reports it.
TEST(TerminalDemoTest, MouseClickOnAButtonPressesIt) {
  if (access(kTmux, X_OK) != 0) GTEST_SKIP() << "tmux is not installed";
  TmuxSession session("env TERM=tmux-256color LANG=C.UTF-8 " + test::builtProgram("kvrUiDemo") +
                      " --delay 0; echo demo ended $?; sleep 30",
                      100, 32);
  std::string confirm = session.waitFor("Are you sure", "exit confirmation");
  int row = 0;
  std::size_t lineStart = 0;
  for (std::size_t nl; (nl = confirm.find('\n', lineStart)) != std::string::npos; lineStart = nl + 1, ++row) {
    std::string line = confirm.substr(lineStart, nl - lineStart);
    std::size_t at = line.find("[Yes]");
    if (at == std::string::npos) continue;
    // Columns count characters, and the frame's lines are three bytes each in UTF-8.
    int column = 0;
    for (std::size_t i = 0; i < at; ++i)
      if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) ++column;
    // X10 encoding, as tmux-256color's kmous says: button, column and row (1-based), each + 32.
    std::string cell = std::string(1, static_cast<char>(32 + column + 2)) + static_cast<char>(32 + row + 1);
    session.literal("\x1b[M " + cell + "\x1b[M#" + cell);
    break;
  }
  std::string end = session.waitFor("demo ended", "after the click");
  EXPECT_NE(end.find("exit confirmation: 2328\n"), std::string::npos);
}

// Standard output sent to a file (the trace kept apart from the dialogs): the dialogs are drawn on
// the terminal standard input reads from, and what the program writes goes to the file. A terminal
// type without a description is said so, instead of curses ending the program.
TEST(TerminalDemoTest, StandardOutputElsewhereOrAnUnknownTerminalType) {
  if (access(kTmux, X_OK) != 0) GTEST_SKIP() << "tmux is not installed";
  test::TempDir dir;
  const std::string output = dir.file("out.txt");
  {
    std::cout << "==== standard output into a file ====\n";
    TmuxSession session("env TERM=tmux-256color LANG=C.UTF-8 " + test::builtProgram("kvrUiDemo") +
                            " --delay 0 > " + output + "; echo demo ended $?; sleep 30",
                        100, 32);
    session.waitFor("Are you sure", "exit confirmation");
    session.keys({"M-y"});
    std::string end = session.waitFor("demo ended", "after the answer");
    EXPECT_NE(end.find("demo ended 0"), std::string::npos);
    EXPECT_EQ(end.find("exit confirmation: 2328"), std::string::npos);
    EXPECT_NE(test::readFile(output).find("exit confirmation: 2328\n"), std::string::npos);
  }
  {
    std::cout << "==== unknown terminal type ====\n";
    TmuxSession session("env TERM=no-such-terminal " + test::builtProgram("kvrUiDemo") +
                            " --delay 0; echo demo ended $?; sleep 30",
                        100, 32);
    std::string end = session.waitFor("demo ended", "after the start");
    EXPECT_NE(end.find("\"no-such-terminal\" is unknown"), std::string::npos);
    EXPECT_NE(end.find("demo ended 3"), std::string::npos);
  }
}

TEST(TerminalDemoTest, WithoutATerminalSaysSoAndFails) {
  auto result = test::runProgram(test::builtProgram("kvrUiDemo"), {"--delay", "0"});
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_NE(result.err.find("must be a terminal"), std::string::npos);
  EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace kvr
