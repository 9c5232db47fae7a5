// The wizard in a real terminal (tmux): start window, contact page filled from the saved
// answers, Enter, system information page; the contact page's lists opened and chosen from by
// keyboard; the page on a terminal smaller than it. Each screen goes to the test log.
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

// A hive with a complete contact record, written by a headless run of the wizard itself, for
// the wizard run in tmux at `columns` x `rows`.
class WizardTerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (access(kTmux, X_OK) != 0) GTEST_SKIP() << "tmux is not installed";
    auto filled = test::runProgram(
        m_wizard, {"-splashdelay=0"},
        {{"KVR_PREFIX", m_prefix.path().string()},
         {"LANG", "C"},
         {"LC_ALL", ""},
         {"KVR_UI", "headless"},
         {"KVR_UI_SCRIPT",
          "type:2209:Ada;type:2210:Lovelace;type:2217:12 Main Street;type:2216:Springfield;select:2321:0;"
          "type:2214:12345;type:2213:555 010 0123;type:2211:ada@example.com;click:2226;click:2104"}});
    ASSERT_EQ(filled.exitCode, 0) << filled.err;
  }

  // `more` follows the wizard's arguments: another option, or a redirection ("> file").
  std::string command(const std::string& more = "") const {
    return "env TERM=tmux-256color LANG=C.UTF-8 LC_ALL= KVR_PREFIX=" + m_prefix.path().string() + " " + m_wizard +
           " -splashdelay=0 " + more + "; echo wizard ended $?; sleep 30";
  }

  // Exit and Yes, and the wizard's end.
  static void exitWizard(TmuxSession& session) {
    session.keys({"M-x"});
    session.waitFor("Are you sure", "exit confirmation");
    session.keys({"M-y"});
    std::string end = session.waitFor("wizard ended", "after the exit");
    EXPECT_NE(end.find("wizard ended 0"), std::string::npos);
  }

  // A left click on the first cell of `text` on `screen`, as the terminal reports it (X10, as
  // tmux-256color's kmous says: button, column and row, 1-based, each + 32).
  static void clickOn(TmuxSession& session, const std::string& screen, const std::string& text) {
    int row = 0;
    std::size_t lineStart = 0;
    for (std::size_t nl; (nl = screen.find('\n', lineStart)) != std::string::npos; lineStart = nl + 1, ++row) {
      std::size_t at = screen.substr(lineStart, nl - lineStart).find(text);
      if (at == std::string::npos) continue;
      int column = 0;  // characters, the frame's lines being three bytes each
      for (std::size_t i = lineStart; i < lineStart + at; ++i)
        if ((static_cast<unsigned char>(screen[i]) & 0xC0) != 0x80) ++column;
      std::string cell = std::string(1, static_cast<char>(32 + column + 1)) + static_cast<char>(32 + row + 1);
      session.literal("\x1b[M " + cell + "\x1b[M#" + cell);
      return;
    }
    ADD_FAILURE() << "\"" << text << "\" is not on the screen";
  }

  const std::string m_wizard = test::builtProgram("kvrWizard");
  test::TempDir m_prefix;
};

TEST_F(WizardTerminalTest, StartWindowContactPageEnterSystemInformation) {
  TmuxSession session(command(), 120, 50);
  // The screen may be captured half drawn: wait for the page's last line of buttons.
  std::string contact = session.waitFor("<Next>>", "contact page");
  EXPECT_NE(contact.find("Contact Information"), std::string::npos);
  EXPECT_NE(contact.find("Lovelace"), std::string::npos);
  EXPECT_NE(contact.find("ada@example.com"), std::string::npos);
  session.keys({"Enter"});
  std::string system = session.waitFor("<Next >>", "system information page");
  EXPECT_NE(system.find("System Information"), std::string::npos);
  EXPECT_EQ(system.find("Lovelace"), std::string::npos) << "the contact page is hidden";
  exitWizard(session);
}

// With the trace sent to a file, it is written there as it comes, not held until the dialogs end.
TEST_F(WizardTerminalTest, TraceIntoAFileWhileThePagesShow) {
  const std::string trace = m_prefix.file("trace.txt");
  TmuxSession session(command("> " + trace), 120, 50);
  session.waitFor("<Next>>", "contact page");
  session.keys({"Enter"});
  session.waitFor("<Next >>", "system information page");
  EXPECT_NE(test::readFile(trace).find("BiosProcessing: Preparing to load pmemw.dll"), std::string::npos);
  exitWizard(session);
}

// The prefix list (the focus starts there) by F4 and by mouse, the country list by Alt+Down;
// Escape closes a list and leaves the page, Enter chooses and leaves the page too.
TEST_F(WizardTerminalTest, ListsOpenBelowTheirBoxAndChooseByKeyboard) {
  TmuxSession session(command(), 120, 50);
  session.waitFor("<Next>>", "contact page");
  session.keys({"F4"});
  std::string prefixes = session.waitFor("Mrs.", "prefix list open");
  EXPECT_NE(prefixes.find("Dr."), std::string::npos);
  session.keys({"Escape"});
  std::string closed = session.waitFor("Job Title", "prefix list closed by Escape");
  EXPECT_EQ(closed.find("Mrs."), std::string::npos);
  EXPECT_NE(closed.find("<Next>>"), std::string::npos) << "Escape leaves the page open";
  session.keys({"F4", "Down", "Down", "Enter"});
  std::string chosen = session.waitFor("Ms.______ v", "prefix chosen");
  EXPECT_EQ(chosen.find("Mrs."), std::string::npos) << "the list is closed";
  EXPECT_NE(chosen.find("<Next>>"), std::string::npos) << "Enter does not press Next";
  // By mouse: a click on the box opens it, a click on an item chooses it.
  clickOn(session, chosen, "Ms.______ v");
  std::string clicked = session.waitFor("Mrs.", "prefix list open by a click");
  clickOn(session, clicked, "Dr.");
  std::string doctor = session.waitFor("Dr.______ v", "prefix chosen by a click");
  EXPECT_EQ(doctor.find("Mrs."), std::string::npos);

  // Prefix, first name, initial, last name, suffix, job title, company, street, P.O. box,
  // city, state, zip: twelve tabs to the country.
  for (int i = 0; i < 12; ++i) session.keys({"Tab"});
  session.keys({"M-Down"});
  std::string countries = session.waitFor("Uzbekistan", "country list open at its selection");
  EXPECT_NE(countries.find("Uruguay"), std::string::npos);
  EXPECT_EQ(countries.find("Albania"), std::string::npos) << "scrolled to the selected country";
  session.keys({"Down", "Enter"});
  std::string country = session.waitFor("Uruguay__", "country chosen");
  EXPECT_EQ(country.find("Uzbekistan"), std::string::npos);
  EXPECT_EQ(country.find("United States"), std::string::npos);
  exitWizard(session);
}

// Japanese texts are Shift-JIS, two bytes and two cells a character: wrapped labels, controls
// too narrow for their text and the edges of a scrolled page never cut one in two (a half
// would show as "?").
TEST_F(WizardTerminalTest, DoubleByteTextsAreNeverCutInHalf) {
  TmuxSession session(command("-lang=jpn"), 120, 50);
  std::string whole = session.waitFor("\xE4\xB8\x8A\xE8\xA8\x98", "the Japanese contact page");  // U+4E0A U+8A18
  EXPECT_EQ(whole.find('?'), std::string::npos);
  TmuxSession narrow(command("-lang=jpn"), 50, 20);
  std::string left = narrow.waitFor("Ada_", "the page's left part");
  EXPECT_EQ(left.find('?'), std::string::npos);
  // To the company name on the right: the page scrolls across, cutting the labels at its left.
  for (int i = 0; i < 6; ++i) narrow.keys({"Tab"});
  std::string right = narrow.waitFor("\xE2\x97\x80", "scrolled across");  // U+25C0, more to the left
  EXPECT_EQ(right.find('?'), std::string::npos);
}

// The page needs 89 x 31 cells; at 80 x 24 it scrolls to the focused control and shows
// arrows where more of it lies.
TEST_F(WizardTerminalTest, APageLargerThanTheTerminalScrollsToTheFocus) {
  constexpr const char* kDownArrow = "\xE2\x96\xBC";
  constexpr const char* kUpArrow = "\xE2\x96\xB2";
  TmuxSession session(command(), 80, 24);
  std::string top = session.waitFor("Contact Information", "top of the contact page");
  EXPECT_NE(top.find("OVX Product Registration"), std::string::npos);
  EXPECT_NE(top.find(kDownArrow), std::string::npos);
  EXPECT_EQ(top.find(kUpArrow), std::string::npos);
  EXPECT_EQ(top.find("Next"), std::string::npos);
  // Fifteen tabs from the prefix to the e-mail address, on the last row that shows unscrolled;
  // three more to Next (Back is disabled), below it.
  for (int i = 0; i < 15; ++i) session.keys({"Tab"});
  std::string email = session.waitFor("ada@example.com", "e-mail address in view");
  EXPECT_EQ(email.find(kUpArrow), std::string::npos);
  for (int i = 0; i < 3; ++i) session.keys({"Tab"});
  std::string next = session.waitFor("<Next>>", "Next in view");
  EXPECT_NE(next.find(kUpArrow), std::string::npos);
  EXPECT_NE(next.find("OVX Product Registration"), std::string::npos) << "the caption stays on the frame";
  EXPECT_EQ(next.find("Contact Information"), std::string::npos) << "scrolled down";
  session.keys({"Enter"});
  std::string system = session.waitFor("System Information", "Enter on Next");
  // This page scrolls too; a click lands on the control drawn under it.
  EXPECT_NE(system.find(kUpArrow), std::string::npos);
  clickOn(session, system, "( ) No");
  session.waitFor("(*) No", "No clicked");
  exitWizard(session);
}

}  // namespace
}  // namespace kvr
