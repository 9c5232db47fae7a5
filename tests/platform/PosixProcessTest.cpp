#include "platform/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ArgvRecord.h"
#include "platform/WindowsCommandLine.h"
#include "support/TempDir.h"

namespace kvr::platform {
namespace {

using test::ArgvRecord;
using test::argvRecorderPath;
using test::waitForArgvRecord;

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (m_old)
      setenv(m_name, m_old->c_str(), 1);
    else
      unsetenv(m_name);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

// True when this process has no child at all, running or unreaped.
bool hasNoChildren() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

class PosixProcessTest : public ::testing::Test {
 protected:
  test::TempDir m_dir;
  std::string m_record = m_dir.file("record");
  ScopedEnv m_recordEnv{"KVR_ARGV_RECORD", m_record};
};

TEST_F(PosixProcessTest, StartsProgramDetachedInItsOwnGroup) {
  const std::string release = m_dir.file("release");
  ScopedEnv releaseEnv("KVR_ARGV_RELEASE", release);
  // Not close-on-exec: the started program must not get it all the same.
  const int stray = open("/dev/null", O_RDONLY);
  ASSERT_GE(stray, 3);

  const std::vector<std::string> arguments = {
      argvRecorderPath(), "one", "two words", "", R"(back\slash\)", R"(quote"inside)",
      "$HOME", ";", "|x", "*"};
  std::string commandLine;
  for (const std::string& argument : arguments) commandLine += quoteWindowsArgument(argument) + " ";

  ASSERT_TRUE(startDetachedProcess(commandLine));
  // Neither the program (it waits for the release file) nor anything in between is our child.
  EXPECT_TRUE(hasNoChildren());
  close(stray);

  const ArgvRecord record = waitForArgvRecord(m_record);
  ASSERT_TRUE(record.found);
  EXPECT_EQ(record.argv, arguments);  // no shell: metacharacters arrive as written
  EXPECT_TRUE(record.ownGroup);
  EXPECT_NE(getpgid(record.pid), getpgrp());
  EXPECT_EQ(record.fds, " 0 1 2");
  EXPECT_EQ(record.cwd, std::filesystem::current_path().string());
  // The call came back while the program still runs: it was not waited for.
  EXPECT_EQ(kill(record.pid, 0), 0);
  test::writeFile(release, "");
}

TEST_F(PosixProcessTest, SearchesPathForProgramNamedWithoutSlash) {
  const char* oldPath = std::getenv("PATH");
  ScopedEnv path("PATH", std::string(KVR_BIN_DIR) + ":" + (oldPath != nullptr ? oldPath : ""));
  ASSERT_TRUE(startDetachedProcess("argv_recorder \"a b\""));
  const ArgvRecord record = waitForArgvRecord(m_record);
  ASSERT_TRUE(record.found);
  EXPECT_EQ(record.argv, (std::vector<std::string>{"argv_recorder", "a b"}));
}

TEST_F(PosixProcessTest, FailsWhenNothingCanBeStarted) {
  const std::string plainFile = m_dir.file("plain");
  test::writeFile(plainFile, "#!/bin/sh\nexit 0\n");
  // Executable but no #! line: only a shell would run it, and it would leave the marker.
  const std::string script = m_dir.file("script");
  const std::string marker = m_dir.file("marker");
  test::writeFile(script, "touch '" + marker + "'\n");
  ASSERT_EQ(chmod(script.c_str(), 0755), 0);

  const std::string cases[] = {
      "",
      "   \t ",
      R"("")",
      R"("" argv_recorder)",
      "/nonexistent/kvr/program",
      "kvr-no-such-program-on-path",
      quoteWindowsArgument(m_dir.path().string()),
      plainFile,
      script,
  };
  for (const std::string& commandLine : cases) {
    SCOPED_TRACE(commandLine);
    EXPECT_FALSE(startDetachedProcess(commandLine));
    EXPECT_TRUE(hasNoChildren());
  }
  EXPECT_FALSE(std::filesystem::exists(marker));
  EXPECT_FALSE(std::filesystem::exists(m_record));
}

}  // namespace
}  // namespace kvr::platform
