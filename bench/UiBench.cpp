// The dialog framework's costs.
//   BM_HeadlessPageOpenClose: a page-sized dialog (the contact page template, 50 controls)
//     opened modally and closed in the headless backend (goal: under 1 ms).
//   BM_TerminalFirstFrame: kvrUiDemo started on a pseudo-terminal until its first frame (the
//     start picture) arrives (goal: under 30 ms); also the demo's peak resident set (VmHWM,
//     read while it shows the exit confirmation; goal: under 8 MB) and the CPU time of a run.
//   On a loaded machine the wall time stretches; run_cpu_ms shows what the demo itself spends.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "../res/resource.h"
#include "ChildProcess.h"
#include "ui/CDialog.h"
#include "ui/headless/HeadlessDriver.h"

namespace {

void BM_HeadlessPageOpenClose(benchmark::State& state) {
  kvr::ui::HeadlessDriver driver;
  for (auto _ : state) {
    kvr::ui::CDialog page(IDD_CONTACT_PAGE);
    driver.then([&page] { page.EndDialog(kvr::ui::IDCANCEL); });
    if (page.DoModal() != kvr::ui::IDCANCEL) state.SkipWithError("the contact page template is missing");
  }
}
BENCHMARK(BM_HeadlessPageOpenClose);

void BM_TerminalFirstFrame(benchmark::State& state) {
  const std::string program = KVR_BIN_DIR "/kvrUiDemo";
  long peak = 0;
  double cpu = 0;
  for (auto _ : state) {
    winsize size{32, 100, 0, 0};
    int master = -1;
    auto start = std::chrono::steady_clock::now();
    pid_t pid = forkpty(&master, nullptr, nullptr, &size);
    if (pid == 0) {
      setenv("TERM", "xterm-256color", 1);
      setenv("LANG", "C.UTF-8", 1);
      execl(program.c_str(), program.c_str(), "--delay", "30", static_cast<char*>(nullptr));
      _exit(127);
    }
    std::string seen;
    bool framed = kvr::bench::readUntil(master, "\xE2\x96\x80", seen, std::chrono::seconds(5));
    auto elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    if (!framed) state.SkipWithError("no first frame within 5 s");
    // On to the exit confirmation, where both dialogs have been shown.
    if (write(master, "x", 1) == 1 && kvr::bench::readUntil(master, "Are you sure", seen, std::chrono::seconds(5)))
      peak = std::max(peak, kvr::bench::peakKilobytes(pid));
    if (write(master, "\x1b", 1) != 1) kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    cpu += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    close(master);
  }
  state.counters["peak_rss_kB"] = static_cast<double>(peak);
  // CPU time of a whole run (both dialogs), which the machine's load does not stretch.
  state.counters["run_cpu_ms"] = benchmark::Counter(cpu / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TerminalFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
BENCHMARK_MAIN();
