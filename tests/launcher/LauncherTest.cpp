#include "launcher/Launcher.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/ArgvRecord.h"
#include "platform/System.h"
#include "platform/WindowsCommandLine.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

using Arguments = std::vector<std::string>;

std::string argumentText(const Arguments& afterProgram) {
  std::vector<const char*> argv = {"kvrStart"};
  for (const std::string& argument : afterProgram) argv.push_back(argument.c_str());
  return launchArgumentText(static_cast<int>(argv.size()), argv.data());
}

// The arguments with the last one filled up so that their text is `size` bytes long.
Arguments paddedTo(Arguments args, std::size_t size) {
  args.back() = "p";
  const std::size_t others = argumentText(args).size() - 1;
  args.back().assign(size - others, 'p');
  return args;
}

// ---- Reading the command line ----

TEST(LauncherTest, ReadsDateFieldsAndRebuildsCommand) {
  const struct {
    std::string line;
    int hour, minute, month, day, year;
    std::string command;
  } cases[] = {
      {R"(09 30 3 05 2001 "C:\Program Files\Reg\kvrWizard.exe" /x)", 9, 30, 3, 5, 2001,
       R"("C:\Program Files\Reg\kvrWizard.exe" /x )"},
      // Runs of blanks are one separator, also inside the command.
      {"   9    30  3 5 2001    a   b  ", 9, 30, 3, 5, 2001, "a b "},
      {"9 30 3 5 2001", 9, 30, 3, 5, 2001, ""},
      {"9 30 3 5 2001   ", 9, 30, 3, 5, 2001, ""},
      // Numbers come from the leading digits only.
      {"12abc 7x 13 0 99 p", 12, 7, 13, 0, 99, "p "},
      {"x -5 +5 . 2001y p", 0, 0, 0, 0, 2001, "p "},
      // Only blanks separate: a tab belongs to its token.
      {"\t9 30 3 5 2001 a\tb", 0, 30, 3, 5, 2001, "a\tb "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const LaunchRequest request = parseLaunchCommandLine(c.line);
    ASSERT_EQ(request.error, LaunchError::None);
    EXPECT_EQ(request.due.tm_hour, c.hour);
    EXPECT_EQ(request.due.tm_min, c.minute);
    EXPECT_EQ(request.due.tm_mon, c.month - 1);
    EXPECT_EQ(request.due.tm_mday, c.day);
    EXPECT_EQ(request.due.tm_year, c.year - 1900);
    EXPECT_EQ(request.due.tm_sec, 0);
    EXPECT_EQ(request.due.tm_isdst, -1);
    EXPECT_EQ(request.command, c.command);
  }
}

TEST(LauncherTest, RefusesMissingDateTokensAndOverlongLines) {
  const std::string atLimit = "9 30 3 5 2001 " + std::string(kLauncherCommandLineLimit - 14, 'x');
  ASSERT_EQ(atLimit.size(), kLauncherCommandLineLimit);
  EXPECT_EQ(parseLaunchCommandLine(atLimit).error, LaunchError::None);

  const struct {
    std::string name;
    std::string line;
    LaunchError error;
  } cases[] = {
      {"empty", "", LaunchError::MissingDateToken},
      {"blanks", "      ", LaunchError::MissingDateToken},
      {"tabs are one token", "\t \t", LaunchError::MissingDateToken},
      {"four tokens", "9 30 3 5", LaunchError::MissingDateToken},
      {"four tokens and blanks", "  9  30  3  5  ", LaunchError::MissingDateToken},
      {"one byte over", atLimit + "x", LaunchError::CommandLineTooLong},
      {"100 KB", "9 30 3 5 2001 " + std::string(100 * 1024, 'y'), LaunchError::CommandLineTooLong},
      {"100 KB of blanks", std::string(100 * 1024, ' '), LaunchError::CommandLineTooLong},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LaunchRequest request = parseLaunchCommandLine(c.line);
    EXPECT_EQ(request.error, c.error);
    EXPECT_EQ(request.command, "");
  }
}

TEST(LauncherTest, ArgumentsSurviveTheBlankSplitAndRejoin) {
  const std::string alphabet = "ab \t\\\\\"\"/.";
  std::mt19937 random(2001);
  std::uniform_int_distribution<std::size_t> count(0, 5);
  std::uniform_int_distribution<std::size_t> length(0, 10);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int round = 0; round < 3000; ++round) {
    Arguments command = {"/opt/dir with blank/kvrWizard"};
    command.resize(1 + count(random));
    for (std::size_t i = 1; i < command.size(); ++i) {
      const std::size_t n = length(random);
      for (std::size_t k = 0; k < n; ++k) {
        const char c = alphabet[pick(random)];
        // Two blanks in a row are where the format itself loses text (see below).
        if (c == ' ' && !command[i].empty() && command[i].back() == ' ') continue;
        command[i] += c;
      }
    }
    Arguments all = {"09", "30", "3", "05", "2001"};
    all.insert(all.end(), command.begin(), command.end());
    const std::string text = argumentText(all);
    SCOPED_TRACE(text);
    const LaunchRequest request = parseLaunchCommandLine(text);
    ASSERT_EQ(request.error, LaunchError::None);
    ASSERT_EQ(platform::splitWindowsCommandLine(request.command), command);
  }

  // A run of blanks inside one argument becomes a single blank, as the format defines.
  const LaunchRequest request =
      parseLaunchCommandLine(argumentText({"9", "30", "3", "5", "2001", "/x", "a  b"}));
  EXPECT_EQ(platform::splitWindowsCommandLine(request.command), (Arguments{"/x", "a b"}));
}

// Fixes the local time zone for the life of the object.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) m_old = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (m_old)
      setenv("TZ", m_old->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> m_old;
};

std::time_t dueSeconds(const std::string& line) {
  const LaunchRequest request = parseLaunchCommandLine(line);
  EXPECT_EQ(request.error, LaunchError::None);
  return platform::localTimeToEpoch(request.due);
}

TEST(LauncherTest, DueTimeIsLocalAndNormalised) {
  const struct {
    const char* zone;
    std::string line;
    std::time_t seconds;
  } cases[] = {
      {"UTC", "09 30 3 05 2001 x", 983784600},   // 2001-03-05 09:30
      {"UTC", "09 30 1 32 2001 x", 981019800},   // day 32 of January: 1 February
      {"UTC", "09 30 13 05 2001 x", 1010223000}, // month 13: January of the next year
      {"UTC", "09 90 3 05 2001 x", 983784600 + 3600},
      // Daylight saving follows from the date: 09:30 is UTC+1 in winter, UTC+2 in summer.
      {"CET-1CEST,M3.5.0,M10.5.0/3", "09 30 1 01 2001 x", 978337800},
      {"CET-1CEST,M3.5.0,M10.5.0/3", "09 30 7 01 2001 x", 993972600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + c.line);
    ScopedTimeZone zone(c.zone);
    EXPECT_EQ(dueSeconds(c.line), c.seconds);
  }
}

TEST(LauncherTest, HugeNumbersGiveAFarDueTimeNotAnOverflow) {
  ScopedTimeZone zone("UTC");
  const std::time_t due = dueSeconds("99999999999999999999 99999999999999999999 1 1 "
                                     "99999999999999999999 x");
  EXPECT_GT(due, platform::currentTime());
}

// ---- The real program ----

class KvrStartTest : public ::testing::Test {
 protected:
  test::ProgramResult runLauncher(const Arguments& args, const std::string& record) {
    test::ProgramResult result =
        test::runProgram(test::builtProgram("kvrStart"), args, {{"KVR_ARGV_RECORD", record}});
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    return result;
  }

  // The recorder, copied to a path with blanks in it.
  std::string blankPathRecorder() {
    const std::filesystem::path dir = m_dir.path() / "dir with blank";
    std::filesystem::create_directory(dir);
    const std::filesystem::path copy = dir / "argv recorder";
    std::filesystem::copy_file(test::argvRecorderPath(), copy);
    chmod(copy.c_str(), 0755);
    return copy.string();
  }

  test::TempDir m_dir;
};

TEST_F(KvrStartTest, PastDueTimeStartsTheCommandInItsOwnGroup) {
  const std::string recorder = blankPathRecorder();
  const Arguments command = {recorder, "--first", "two words", "", R"(quote"and\back\)"};
  Arguments args = {"09", "30", "3", "05", "2001"};
  args.insert(args.end(), command.begin(), command.end());

  const std::string record = m_dir.file("record");
  EXPECT_EQ(runLauncher(args, record).exitCode, 0);
  const test::ArgvRecord started = test::waitForArgvRecord(record);
  ASSERT_TRUE(started.found);
  EXPECT_EQ(started.argv, command);
  EXPECT_TRUE(started.ownGroup);
  EXPECT_EQ(started.fds, " 0 1 2");
}

TEST_F(KvrStartTest, CommandLineOfExactlyTheLimitStillStarts) {
  const Arguments args = paddedTo(
      {"09", "30", "3", "05", "2001", test::argvRecorderPath(), ""}, kLauncherCommandLineLimit);
  ASSERT_EQ(argumentText(args).size(), kLauncherCommandLineLimit);

  const std::string record = m_dir.file("record");
  EXPECT_EQ(runLauncher(args, record).exitCode, 0);
  const test::ArgvRecord started = test::waitForArgvRecord(record);
  ASSERT_TRUE(started.found);
  EXPECT_EQ(started.argv, (Arguments{args.begin() + 5, args.end()}));
}

TEST_F(KvrStartTest, StartsNothingWhenNotDueOrMalformed) {
  const std::string recorder = test::argvRecorderPath();
  const struct {
    std::string name;
    Arguments args;
    int exitCode;
  } cases[] = {
      {"due in the year 3000", {"00", "00", "1", "01", "3000", recorder}, 0},
      {"no arguments", {}, 255},
      {"only blanks", {" ", "   "}, 255},
      {"four date tokens", {"09", "30", "3", "05"}, 255},
      {"five tokens, no command", {"09", "30", "3", "05", "2001"}, 255},
      {"program does not exist", {"09", "30", "3", "05", "2001", m_dir.file("missing")}, 255},
      // One argument: its quotes end up unbalanced once the blanks split it.
      {"quote left open", {"09 30 3 05 2001 \"" + recorder}, 255},
      {"100 KB command line", {"09", "30", "3", "05", "2001", recorder, std::string(100000, 'x')},
       255},
      {"over the limit by one",
       paddedTo({"09", "30", "3", "05", "2001", recorder, ""}, kLauncherCommandLineLimit + 1),
       255},
  };
  std::vector<std::string> records;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    records.push_back(m_dir.file("record" + std::to_string(records.size())));
    EXPECT_EQ(runLauncher(c.args, records.back()).exitCode, c.exitCode);
  }
  ASSERT_EQ(argumentText(cases[8].args).size(), kLauncherCommandLineLimit + 1);

  // The launcher does not wait for what it starts; give a wrongly started recorder time to
  // show up.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  for (const std::string& record : records) EXPECT_FALSE(std::filesystem::exists(record)) << record;
}

}  // namespace
}  // namespace kvr
