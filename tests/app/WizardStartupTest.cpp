#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "platform/Registry.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

using platform::RegRoot;

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kWizard = test::builtProgram("kvrWizard");
// Leaves whatever page the wizard shows first through Exit and the exit confirmation's Yes.
constexpr const char* kLeave = "click:2242;click:2328";

class WizardStartupTest : public ::testing::Test {
 protected:
  test::ProgramResult runWizard(const std::vector<std::string>& args) {
    return test::runProgram(kWizard, args, {{"KVR_PREFIX", m_prefix.path().string()}, {"KVR_UI", "headless"}, {"KVR_UI_SCRIPT", kLeave}});
  }

  void setRunValue(const std::string& name, const std::string& text) {
    std::unique_ptr<platform::RegKey> key;
    ASSERT_EQ(platform::registry().createKey(RegRoot::LocalMachine, kRunKey, key), platform::kRegSuccess);
    key->setValue(name, platform::kRegSz, text + '\0');
  }

  bool hasRunValue(const std::string& name) {
    std::unique_ptr<platform::RegKey> key;
    platform::RegValue value;
    return platform::registry().openKey(RegRoot::LocalMachine, kRunKey, platform::RegAccess::Read, key) ==
               platform::kRegSuccess &&
           key->queryValue(name, 4096, value) == platform::kRegSuccess;
  }

  test::ScopedPrefix m_prefix;
};

TEST_F(WizardStartupTest, CleanRegistryRetryRemovesRemindersAndEndsSilently) {
  setRunValue("reminder0", "/opt/kvrStart 09 30 3 05 2001 \"" + kWizard + "\" -lang=deu");
  setRunValue("agent", "/usr/bin/agent");

  auto result = runWizard({"-cleanRegistry=RETRY"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  EXPECT_FALSE(hasRunValue("reminder0"));
  EXPECT_TRUE(hasRunValue("agent"));
}

TEST_F(WizardStartupTest, UnknownOptionsAreTheOnlyTraceOfARetryRun) {
  auto result = runWizard({"-foo=1", "/connect", "-cleanRegistry=retry", "PLAIN"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "Unknown Parameter: foo=1\nUnknown Parameter: connect\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(WizardStartupTest, EveryStartRemovesReminders) {
  setRunValue("reminder0", "/opt/kvrStart 09 30 3 05 2001 \"" + kWizard + "\"");
  auto result = runWizard({"-splashdelay=0"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_FALSE(hasRunValue("reminder0"));
}

TEST_F(WizardStartupTest, TheLanguageComesFromTheLocaleOrTheLangOption) {
  struct {
    std::vector<std::string> args;
    std::string lang;
    std::string trace;
  } cases[] = {
      // The locale's name is traced without an end of line: it shares its line with what follows.
      {{"-splashdelay=0"}, "de_DE.UTF-8", "German_Germany.1252"},
      {{"-debug=no", "-splashdelay=0"}, "pt_BR.UTF-8", "Portuguese_Brazil.1252"},
      {{"-splashdelay=0"}, "C", "English_United States.1252"},
      {{"-lang=deu", "-splashdelay=0"}, "pt_BR.UTF-8", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    auto result = test::runProgram(kWizard, c.args,
                                   {{"KVR_PREFIX", m_prefix.path().string()},
                                    {"LC_ALL", ""},
                                    {"LC_MESSAGES", ""},
                                    {"LANG", c.lang},
                                    {"KVR_UI", "headless"},
                                    {"KVR_UI_SCRIPT", kLeave}});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // The trace goes on with what the wizard did after the language was chosen.
    EXPECT_EQ(result.out.substr(0, c.trace.size()), c.trace);
    EXPECT_EQ(result.out.find("German_Germany"), c.trace.find("German_Germany"));
  }
}

TEST_F(WizardStartupTest, SavedAnswersFillTheNextRun) {
  auto run = [&](const std::string& script) {
    return test::runProgram(kWizard, {"-splashdelay=0"},
                            {{"KVR_PREFIX", m_prefix.path().string()},
                             {"LANG", "C"},
                             {"LC_ALL", ""},
                             {"KVR_UI", "headless"},
                             {"KVR_UI_SCRIPT", script}});
  };
  const std::string passed = "The additional information page is not available";
  // First run: everything typed, Next on both pages.
  auto first = run("type:2209:Ada;type:2210:Lovelace;type:2217:12 Main Street;type:2216:Springfield;"
                   "select:2321:0;type:2214:12345;type:2213:555 010 0123;type:2211:ada@example.com;"
                   "click:2226;click:2104");
  ASSERT_EQ(first.exitCode, 0) << first.err;
  ASSERT_NE(first.out.find(passed), std::string::npos) << first.out;
  EXPECT_NE(test::readFile(m_prefix.file("user.reg")).find("Lovelace"), std::string::npos);

  // Second run: Next at once passes only when every field came back.
  auto second = run("click:2226;click:2104");
  EXPECT_EQ(second.exitCode, 0) << second.err;
  EXPECT_NE(second.out.find(passed), std::string::npos) << second.out;

  // Without saved answers the same script stops at the first message.
  test::ScopedPrefix empty;
  auto fresh = test::runProgram(kWizard, {"-splashdelay=0"},
                                {{"KVR_PREFIX", empty.path().string()},
                                 {"KVR_UI", "headless"},
                                 {"KVR_UI_SCRIPT", "click:2226;click:2104"}});
  EXPECT_EQ(fresh.exitCode, 4);
  EXPECT_EQ(fresh.out.find(passed), std::string::npos);
}

}  // namespace
}  // namespace kvr
