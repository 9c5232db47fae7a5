// From start to the contact page drawn in a terminal: runs `kvrWizard -splashdelay=0` on a
// pseudo-terminal and stops the clock when the page's title has been written to it.
//
//   build/bin/wizard_bench [--benchmark_repetitions=N ...] (kvrWizard beside the benchmark)
#include <benchmark/benchmark.h>
#include <pty.h>
#include <signal.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

const std::string kWizard = std::string(KVR_BIN_DIR) + "/kvrWizard";
// The contact page's title; the start window before it holds no text.
const std::string kDrawn = "Contact";
constexpr std::size_t kMaxScreenBytes = 1 << 20;

std::string makePrefix() {
  char dir[] = "/tmp/kvr-wizard-bench-XXXXXX";
  if (!mkdtemp(dir)) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  return dir;
}

// Milliseconds until the page was drawn; negative when it never was.
double timeToContactPage(const std::string& prefix) {
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
  std::string screen;
  double elapsed = -1;
  char buffer[4096];
  while (screen.size() < kMaxScreenBytes) {
    pollfd ready{master, POLLIN, 0};
    if (poll(&ready, 1, 5000) <= 0) break;
    ssize_t got = read(master, buffer, sizeof buffer);
    if (got <= 0) break;
    screen.append(buffer, static_cast<std::size_t>(got));
    if (screen.find(kDrawn) != std::string::npos) {
      elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      break;
    }
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(master);
  return elapsed;
}

void BM_StartToContactPage(benchmark::State& state) {
  std::string prefix = makePrefix();
  for (auto _ : state) {
    double ms = timeToContactPage(prefix);
    if (ms < 0) {
      state.SkipWithError("the contact page was never drawn");
      break;
    }
    state.SetIterationTime(ms / 1000.0);
  }
  std::string cleanup = "rm -rf " + prefix;
  if (std::system(cleanup.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", prefix.c_str());
}
BENCHMARK(BM_StartToContactPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
