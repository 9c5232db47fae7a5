#include "platform/System.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/WindowsCommandLine.h"
#include "support/TempDir.h"

namespace kvr::platform {
namespace {

// Sets or clears environment variables for one test, restoring them after.
class ScopedEnv {
 public:
  void set(const char* name, const char* value) {
    m_saved.emplace(name, std::getenv(name) ? std::getenv(name) : kUnset);  // first value wins
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    for (const auto& [name, value] : m_saved) {
      if (value == kUnset)
        unsetenv(name.c_str());
      else
        setenv(name.c_str(), value.c_str(), 1);
    }
  }

 private:
  static constexpr const char* kUnset = "\x01unset";
  std::map<std::string, std::string> m_saved;
};

TEST(SystemTest, CommandLineSplitsBackIntoTheArguments) {
  std::vector<std::string> args{"/opt/my apps/kvrWizard", "-lang=deu", "two words", "",
                                "quote\"inside", "back\\slash\\", "SUITE"};
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  setArguments(static_cast<int>(argv.size()), argv.data());

  std::string line = commandLine();
  EXPECT_TRUE(line.starts_with("\"/opt/my apps/kvrWizard\" -lang=deu \"two words\" \"\" "));
  EXPECT_EQ(splitWindowsCommandLine(line), args);
  setArguments(0, nullptr);
  EXPECT_EQ(commandLine(), "");
}

TEST(SystemTest, SearchPathFindsProgramsBesideTheRunningOneWithoutTheirSuffix) {
  std::string beside = searchPath("kvrWizard.exe");
  EXPECT_EQ(beside, std::string(KVR_BIN_DIR) + "/kvrWizard");
  EXPECT_EQ(searchPath("kvrStart.exe"), std::string(KVR_BIN_DIR) + "/kvrStart");
  EXPECT_EQ(searchPath("no-such-program.exe"), "");
  EXPECT_EQ(searchPath(""), "");
  EXPECT_EQ(searchPath("sh"), searchPath("sh.exe"));
  EXPECT_FALSE(searchPath("sh").empty());
}

TEST(SystemTest, ExecutablePathIsThisTestProgram) {
  EXPECT_TRUE(executablePath().starts_with(KVR_BIN_DIR));
}

TEST(SystemTest, UserLocaleFollowsThePosixPrecedence) {
  ScopedEnv env;
  env.set("LC_ALL", nullptr);
  env.set("LC_MESSAGES", nullptr);
  env.set("LANG", nullptr);
  EXPECT_EQ(userLocaleName(), "English_United States.1252");
  env.set("LANG", "pt_BR.UTF-8");
  EXPECT_EQ(userLocaleName(), "Portuguese_Brazil.1252");
  env.set("LC_MESSAGES", "ja_JP.UTF-8");
  EXPECT_EQ(userLocaleName(), "Japanese_Japan.932");
  env.set("LC_ALL", "de_AT.UTF-8");
  EXPECT_EQ(userLocaleName(), "German_Austria.1252");
  env.set("LC_ALL", "");
  EXPECT_EQ(userLocaleName(), "Japanese_Japan.932");
}

TEST(SystemTest, DataPrefixFollowsTheOverrides) {
  ScopedEnv env;
  env.set("KVR_PREFIX", nullptr);
  env.set("XDG_DATA_HOME", nullptr);
  env.set("HOME", "/home/someone");
  EXPECT_EQ(dataPrefix(), "/home/someone/.local/share/kvr");
  env.set("XDG_DATA_HOME", "/data");
  EXPECT_EQ(dataPrefix(), "/data/kvr");
  env.set("KVR_PREFIX", "/prefix");
  EXPECT_EQ(dataPrefix(), "/prefix");
}

TEST(SystemTest, GuidsAreVersionFourInRegistryForm) {
  const std::regex form("\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}");
  std::set<std::string> seen;
  for (int i = 0; i < 1000; ++i) {
    std::string guid = createGuid();
    ASSERT_TRUE(std::regex_match(guid, form)) << guid;
    seen.insert(guid);
  }
  EXPECT_EQ(seen.size(), 1000u);
}

TEST(SystemTest, LocalTimeRoundTripsAndNormalisesOutOfRangeDays) {
  ScopedEnv env;
  env.set("TZ", "Europe/Berlin");
  tzset();
  std::tm march{};
  march.tm_year = 2001 - 1900;
  march.tm_mon = 2;
  march.tm_mday = 5;
  march.tm_hour = 9;
  march.tm_min = 30;
  march.tm_isdst = -1;
  std::time_t seconds = localTimeToEpoch(march);
  EXPECT_EQ(seconds, 983781000);  // 2001-03-05 08:30 UTC
  std::tm back = epochToLocalTime(seconds);
  EXPECT_EQ(back.tm_hour, 9);
  EXPECT_EQ(back.tm_mday, 5);

  std::tm day32 = march;
  day32.tm_mday = 32;
  std::tm normalised = epochToLocalTime(localTimeToEpoch(day32));
  EXPECT_EQ(normalised.tm_mon, 3);
  EXPECT_EQ(normalised.tm_mday, 1);
  env.set("TZ", nullptr);
  tzset();
}

}  // namespace
}  // namespace kvr::platform
