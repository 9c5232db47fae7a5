// Start-up cost of the wizard: runs `kvrWizard -cleanRegistry=retry` (start-up up to the point
// where the first window would open) many times and reports the median and 90th percentile
// wall time and the peak resident set size of the child.
//
//   build/bin/startup_bench [runs] [path/to/kvrWizard]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

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
  long peakKb = 0;
  for (int i = 0; i < runs; ++i) {
    char* childArgv[] = {wizard.data(), const_cast<char*>("-cleanRegistry=retry"), nullptr};
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, wizard.c_str(), &actions, nullptr, childArgv, environ) != 0) {
      std::perror("posix_spawn");
      return 1;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    auto elapsed = std::chrono::steady_clock::now() - start;
    millis.push_back(std::chrono::duration<double, std::milli>(elapsed).count());
    peakKb = std::max(peakKb, usage.ru_maxrss);
  }
  std::sort(millis.begin(), millis.end());
  std::printf("kvrWizard -cleanRegistry=retry, %d runs: median %.2f ms, p90 %.2f ms, peak RSS %.2f MB\n",
              runs, millis[millis.size() / 2], millis[millis.size() * 9 / 10], static_cast<double>(peakKb) / 1024.0);
  std::string removeCommand = std::string("rm -rf ") + prefix;
  return std::system(removeCommand.c_str()) == 0 ? 0 : 1;
}
