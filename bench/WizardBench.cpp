// From start to the contact page drawn in a terminal: runs `kvrWizard -splashdelay=0` on a
// pseudo-terminal and stops the clock when the page's title has been written to it; also the
// wizard's peak resident set at that point.
//
//   build/bin/wizard_bench [--benchmark_repetitions=N ...] (kvrWizard beside the benchmark)
#include <benchmark/benchmark.h>
#include <pty.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "ChildProcess.h"

namespace {

const std::string kWizard = std::string(KVR_BIN_DIR) + "/kvrWizard";
// The contact page's title; the start window before it holds no text.
const std::string kDrawn = "Contact";

std::string makePrefix() {
  char dir[] = "/tmp/kvr-wizard-bench-XXXXXX";
  if (!mkdtemp(dir)) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  return dir;
}

struct Run {
  double ms = -1;  // negative when the page was never drawn
  long peakKilobytes = -1;
};

Run runToContactPage(const std::string& prefix) {
  winsize size{};
  size.ws_row = 50;
  size.ws_col = 120;
  int master = -1;
  auto start = std::chrono::steady_clock::now();
  pid_t pid = forkpty(&master, nullptr, nullptr, &size);
  if (pid == 0) {
    setenv("TERM", "xterm-256color", 1);
    setenv("KVR_PREFIX", prefix.c_str(), 1);
    execl(kWizard.c_str(), kWizard.c_str(), "-splashdelay=0", static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid < 0) {
    std::perror("forkpty");
    std::exit(1);
  }
  Run run;
  std::string screen;
  if (kvr::bench::readUntil(master, kDrawn, screen, std::chrono::seconds(5))) {
    run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = kvr::bench::peakKilobytes(pid);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(master);
  return run;
}

void BM_StartToContactPage(benchmark::State& state) {
  std::string prefix = makePrefix();
  long peak = 0;
  for (auto _ : state) {
    Run run = runToContactPage(prefix);
    if (run.ms < 0) {
      state.SkipWithError("the contact page was never drawn");
      break;
    }
    state.SetIterationTime(run.ms / 1000.0);
    peak = std::max(peak, run.peakKilobytes);
  }
  // Peak resident set of the wizard showing the contact page (goal: under 8 MB).
  state.counters["peak_rss_kB"] = static_cast<double>(peak);
  std::string cleanup = "rm -rf " + prefix;
  if (std::system(cleanup.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", prefix.c_str());
}
BENCHMARK(BM_StartToContactPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
