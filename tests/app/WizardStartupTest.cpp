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

class WizardStartupTest : public ::testing::Test {
 protected:
  test::ProgramResult runWizard(const std::vector<std::string>& args) {
    return test::runProgram(kWizard, args, {{"KVR_PREFIX", m_prefix.path().string()}});
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
      {{}, "de_DE.UTF-8", "German_Germany.1252"},
      {{"-debug=no"}, "pt_BR.UTF-8", "Portuguese_Brazil.1252"},
      {{}, "C", "English_United States.1252"},
      {{"-lang=deu"}, "pt_BR.UTF-8", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    auto result = test::runProgram(kWizard, c.args,
                                   {{"KVR_PREFIX", m_prefix.path().string()},
                                    {"LC_ALL", ""},
                                    {"LC_MESSAGES", ""},
                                    {"LANG", c.lang}});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, c.trace);
  }
}

}  // namespace
}  // namespace kvr
