#include "reminder/Reminder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "app/Options.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "platform/WindowsCommandLine.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

using platform::RegRoot;

const std::string kWizard = test::builtProgram("kvrWizard");
const std::string kLauncher = test::builtProgram("kvrStart");

std::unique_ptr<platform::RegKey> runKey() {
  std::unique_ptr<platform::RegKey> key;
  EXPECT_EQ(platform::registry().createKey(RegRoot::LocalMachine, kRunKey, key), platform::kRegSuccess);
  return key;
}

void setRunValue(const std::string& name, const std::string& text) {
  runKey()->setValue(name, platform::kRegSz, text + '\0');
}

// Name and text of every value under the Run key; empty when it does not exist.
std::map<std::string, std::string> runValues() {
  std::map<std::string, std::string> values;
  std::unique_ptr<platform::RegKey> key;
  if (platform::registry().openKey(RegRoot::LocalMachine, kRunKey, platform::RegAccess::Read, key) !=
      platform::kRegSuccess)
    return values;
  platform::RegValue value;
  for (std::uint32_t i = 0; key->enumValue(i, 1024, 65536, value) == platform::kRegSuccess; ++i)
    values[value.name] = value.data.substr(0, value.data.find('\0'));
  return values;
}

class ReminderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetOptions();
    startedAs({"/somewhere/else/kvrWizard", "-lang=deu", "two words", "SUITE"});
  }
  void TearDown() override {
    resetOptions();
    platform::setArguments(0, nullptr);
  }

  void startedAs(std::vector<std::string> args) {
    m_args = std::move(args);
    m_argv.clear();
    for (auto& arg : m_args) m_argv.push_back(arg.data());
    platform::setArguments(static_cast<int>(m_argv.size()), m_argv.data());
  }

  test::ScopedPrefix m_prefix;
  std::vector<std::string> m_args;
  std::vector<char*> m_argv;
};

TEST(ReminderDataTest, DueTimeHasTwoDigitFieldsAndAMonthWithoutLeadingZero) {
  std::tm due{};
  due.tm_year = 2001 - 1900;
  due.tm_mon = 2;
  due.tm_mday = 5;
  due.tm_hour = 9;
  due.tm_min = 30;
  EXPECT_EQ(reminderData("/opt/kvrStart", due, "\"/opt/kvrWizard\" -lang=deu"),
            "/opt/kvrStart 09 30 3 05 2001 \"/opt/kvrWizard\" -lang=deu");
  due.tm_mon = 11;
  due.tm_mday = 31;
  due.tm_hour = 23;
  due.tm_min = 5;
  EXPECT_EQ(reminderData("L", due, "\"W\""), "L 23 05 12 31 2001 \"W\"");
}

TEST(ReminderDataTest, BaseNameDropsSeparatorsAndKeepsTwelveCharacters) {
  EXPECT_EQ(reminderBaseName("C:\\Program Files\\Reg\\kvrWizard.exe"), "CProgramFile");
  EXPECT_EQ(reminderBaseName("/usr/lib/kvr/kvrWizard"), "usrlibkvrkvr");
  EXPECT_EQ(reminderBaseName("\"/a b\""), "ab");
}

TEST_F(ReminderTest, WritesTheRunValueDueInFourteenDays) {
  std::time_t before = platform::currentTime();
  ASSERT_EQ(ScheduleReminder(14, 0, 0), 1);

  auto values = runValues();
  std::string name = reminderBaseName(kWizard) + "0";
  ASSERT_EQ(values.count(name), 1u);
  const std::regex form(kLauncher + " (\\d\\d) (\\d\\d) ([1-9]|1[0-2]) (\\d\\d) (\\d{4}) \"" + kWizard +
                        "\" -lang=deu \"two words\" SUITE");
  std::smatch fields;
  ASSERT_TRUE(std::regex_match(values[name], fields, form)) << values[name];

  std::tm due{};
  due.tm_hour = std::stoi(fields[1]);
  due.tm_min = std::stoi(fields[2]);
  due.tm_mon = std::stoi(fields[3]) - 1;
  due.tm_mday = std::stoi(fields[4]);
  due.tm_year = std::stoi(fields[5]) - 1900;
  due.tm_isdst = -1;
  std::time_t dueSeconds = platform::localTimeToEpoch(due);
  constexpr std::time_t kFourteenDays = 14 * 24 * 3600;
  EXPECT_GE(dueSeconds, before + kFourteenDays - 60);
  EXPECT_LE(dueSeconds, platform::currentTime() + kFourteenDays);
}

TEST_F(ReminderTest, ATakenOrEmptyNameDecidesTheNumber) {
  std::string base = reminderBaseName(kWizard);
  setRunValue(base + "0", "someone else's");
  setRunValue(base + "1", "");
  ASSERT_EQ(ScheduleReminder(14, 0, 0), 1);
  auto values = runValues();
  EXPECT_EQ(values[base + "0"], "someone else's");
  EXPECT_TRUE(values[base + "1"].starts_with(kLauncher + " "));

  ASSERT_EQ(ScheduleReminder(14, 0, 0), 1);
  EXPECT_TRUE(runValues()[base + "2"].starts_with(kLauncher + " "));
}

TEST_F(ReminderTest, RegisterLaterNoWritesNothing) {
  for (const char* value : {"no", "NO", "No", "nO"}) {
    SCOPED_TRACE(value);
    options().registerLater = value;
    EXPECT_EQ(ScheduleReminder(14, 0, 0), 0);
  }
  EXPECT_TRUE(runValues().empty());
  options().registerLater = "nope";
  EXPECT_EQ(ScheduleReminder(14, 0, 0), 1);
}

TEST_F(ReminderTest, WithoutACommandLineNothingIsWritten) {
  platform::setArguments(0, nullptr);
  EXPECT_EQ(ScheduleReminder(14, 0, 0), 0);
  EXPECT_TRUE(runValues().empty());
}

TEST_F(ReminderTest, ALongerCommandThanTheLauncherTakesIsNotWritten) {
  startedAs({"kvrWizard", std::string(kMaxReminderData, 'x')});
  EXPECT_EQ(ScheduleReminder(14, 0, 0), 0);
  EXPECT_TRUE(runValues().empty());
}

TEST_F(ReminderTest, RemoveTakesEveryValueNamingTheWizardInAnyCaseAndNothingElse) {
  std::string upperWizard = kWizard;
  for (char& c : upperWizard) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  setRunValue("ours0", kLauncher + " 09 30 3 05 2001 \"" + kWizard + "\"");
  setRunValue("ours1", "launcher 1 2 3 4 2001 \"" + upperWizard + "\" -lang=deu");
  setRunValue("other", "/usr/bin/some-agent --tray");
  setRunValue("prefixOnly", kWizard.substr(0, kWizard.size() - 1));
  {
    std::string dword("\x01\0\0\0", 4);
    runKey()->setValue("dword", platform::kRegDword, dword);
  }
  EXPECT_EQ(RemoveReminders(), 1);
  auto values = runValues();
  EXPECT_EQ(values.count("ours0"), 0u);
  EXPECT_EQ(values.count("ours1"), 0u);
  EXPECT_EQ(values.count("other"), 1u);
  EXPECT_EQ(values.count("prefixOnly"), 1u);
  EXPECT_EQ(values.count("dword"), 1u);
  EXPECT_EQ(RemoveReminders(), 0);
}

TEST_F(ReminderTest, RemoveWithoutARunKeyReportsNothingRemoved) {
  EXPECT_EQ(RemoveReminders(), 0);
}

// The whole round through real processes: a program beside the wizard schedules the
// reminder, the launcher started with a due time in the past starts the wizard with the
// arguments of the run that wrote it, and that wizard's start removes the reminder again.
TEST_F(ReminderTest, LauncherStartsTheWizardWhichRemovesTheReminder) {
  std::map<std::string, std::string> env{{"KVR_PREFIX", m_prefix.path().string()}};
  auto scheduled = test::runProgram(test::builtProgram("reminder_probe"),
                                    {"-cleanRegistry=retry", "-lang=deu"}, env);
  ASSERT_EQ(scheduled.out, "1\n") << scheduled.err;
  auto values = runValues();
  ASSERT_EQ(values.size(), 1u);
  std::string data = values.begin()->second;
  ASSERT_TRUE(data.starts_with(kLauncher + " "));

  // The same command, due in the past.
  std::vector<std::string> tokens = platform::splitWindowsCommandLine(data);
  ASSERT_GE(tokens.size(), 7u);
  std::vector<std::string> args{"00", "00", "1", "01", "2001"};
  args.insert(args.end(), tokens.begin() + 6, tokens.end());
  EXPECT_EQ(args[5], kWizard);
  EXPECT_EQ(args[6], "-cleanRegistry=retry");

  auto launched = test::runProgram(kLauncher, args, env);
  EXPECT_EQ(launched.exitCode, 0) << launched.err;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!runValues().empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(runValues().empty());
}

TEST_F(ReminderTest, RegisterLaterNoOnTheCommandLineOfARealProgramWritesNothing) {
  auto result = test::runProgram(test::builtProgram("reminder_probe"), {"-registerLater=NO"},
                                 {{"KVR_PREFIX", m_prefix.path().string()}});
  EXPECT_EQ(result.out, "0\n");
  EXPECT_TRUE(runValues().empty());
}

}  // namespace
}  // namespace kvr
