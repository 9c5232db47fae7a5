// Start-up cost of the wizard: runs `kvrWizard -cleanRegistry=retry` (start-up up to the point
// where the first window would open) many times and reports the median and 90th percentile
// wall time, then the peak resident set size of one run.
//
//   build/bin/startup_bench [runs] [path/to/kvrWizard]
//
// The peak is read from /proc/<pid>/status (VmHWM) while the child is held at its exit under
// ptrace: the rusage figure of a spawned child also counts the pages of the process that
// spawned it, which would be this benchmark's own.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

const char* const kRetry = "-cleanRegistry=retry";

double timedRun(const std::string& wizard, posix_spawn_file_actions_t& actions) {
  char* argv[] = {const_cast<char*>(wizard.c_str()), const_cast<char*>(kRetry), nullptr};
  auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, wizard.c_str(), &actions, nullptr, argv, environ) != 0) {
    std::perror("posix_spawn");
    std::exit(1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// VmHWM of one run in kB, read at the child's exit.
long peakRssKb(const std::string& wizard) {
  pid_t pid = fork();
  if (pid == 0) {
    int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, 1);
    ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    execl(wizard.c_str(), wizard.c_str(), kRetry, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);  // stopped at exec
  ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT);
  ptrace(PTRACE_CONT, pid, nullptr, nullptr);
  long peak = -1;
  while (waitpid(pid, &status, 0) == pid && !WIFEXITED(status) && !WIFSIGNALED(status)) {
    if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
      std::ifstream statusFile("/proc/" + std::to_string(pid) + "/status");
      for (std::string line; std::getline(statusFile, line);)
        if (line.starts_with("VmHWM:")) peak = std::atol(line.c_str() + 6);
    }
    ptrace(PTRACE_CONT, pid, nullptr, nullptr);
  }
  return peak;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::atoi(argv[1]) : 200;
  std::string wizard = argc > 2 ? argv[2] : std::string(KVR_BIN_DIR) + "/kvrWizard";

  char prefix[] = "/tmp/kvrbench.XXXXXX";
  if (mkdtemp(prefix) == nullptr) return 1;
  setenv("KVR_PREFIX", prefix, 1);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);

  std::vector<double> millis;
  for (int i = 0; i < runs; ++i) millis.push_back(timedRun(wizard, actions));
  std::sort(millis.begin(), millis.end());
  long peakKb = peakRssKb(wizard);

  std::printf("%s %s, %d runs: median %.2f ms, p90 %.2f ms; peak RSS %.2f MB\n", wizard.c_str(), kRetry,
              runs, millis[millis.size() / 2], millis[millis.size() * 9 / 10],
              static_cast<double>(peakKb) / 1024.0);
  std::string removeCommand = std::string("rm -rf ") + prefix;
  return std::system(removeCommand.c_str()) == 0 ? 0 : 1;
}
