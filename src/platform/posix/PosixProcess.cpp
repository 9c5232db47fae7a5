#include "platform/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/WindowsCommandLine.h"

extern char** environ;

namespace kvr::platform {

namespace {

// Spawn settings for a process that starts as if from a fresh session: its own process
// group, default signal handling, nothing blocked, only descriptors 0, 1 and 2.
class SpawnSettings {
 public:
  SpawnSettings() {
    posix_spawnattr_init(&m_attributes);
    posix_spawnattr_setflags(&m_attributes, static_cast<short>(POSIX_SPAWN_SETPGROUP |
                                                               POSIX_SPAWN_SETSIGMASK |
                                                               POSIX_SPAWN_SETSIGDEF));
    posix_spawnattr_setpgroup(&m_attributes, 0);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&m_attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&m_attributes, &signals);

    posix_spawn_file_actions_init(&m_actions);
    posix_spawn_file_actions_addclosefrom_np(&m_actions, 3);
  }
  ~SpawnSettings() {
    posix_spawn_file_actions_destroy(&m_actions);
    posix_spawnattr_destroy(&m_attributes);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;

  const posix_spawnattr_t* attributes() const { return &m_attributes; }
  const posix_spawn_file_actions_t* actions() const { return &m_actions; }

 private:
  posix_spawnattr_t m_attributes;
  posix_spawn_file_actions_t m_actions;
};

}  // namespace

// The program is started from a short-lived intermediate child, so it is never a child of
// the caller: a caller that lives on (the tests, any later user of this call) leaves no
// zombie behind, without waiting for the program or taking over SIGCHLD. The intermediate
// reports posix_spawnp's result (glibc reports a failed exec there) through a pipe and is
// reaped at once.
bool startDetachedProcess(std::string_view commandLine) {
  std::vector<std::string> arguments = splitWindowsCommandLine(commandLine);
  if (arguments.empty() || arguments.front().empty()) return false;

  // Everything the intermediate child needs is prepared here: between fork and exec a
  // threaded caller's child may only make async-signal-safe calls, so no allocation there.
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const SpawnSettings settings;

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;

  const pid_t intermediate = fork();
  if (intermediate == 0) {
    pid_t program = 0;
    int error = posix_spawnp(&program, argv[0], settings.actions(), settings.attributes(),
                             argv.data(), environ);
    ssize_t written;
    do {
      written = write(report[1], &error, sizeof error);
    } while (written < 0 && errno == EINTR);
    _exit(0);
  }
  close(report[1]);
  if (intermediate < 0) {
    close(report[0]);
    return false;
  }

  int error = -1;
  std::size_t received = 0;
  char* into = reinterpret_cast<char*>(&error);
  while (received < sizeof error) {
    ssize_t n = read(report[0], into + received, sizeof error - received);
    if (n > 0) {
      received += static_cast<std::size_t>(n);
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  close(report[0]);

  // ECHILD here only means the caller ignores SIGCHLD and the system reaped it already.
  while (waitpid(intermediate, nullptr, 0) < 0 && errno == EINTR) {
  }
  return received == sizeof error && error == 0;
}

}  // namespace kvr::platform
