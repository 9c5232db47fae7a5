// One registration to a loopback server that answers at once (doPost alone: the worker's
// one-second pause left aside) side by side with curl fetching the same GET from the same
// server; the goal is within 1.2 times curl. And a 1 MiB reply read and judged: linear in its
// size, peak memory under twice the reply (counted by the replaced operator new).

#include <spawn.h>
#include <sys/wait.h>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <sstream>
#include <string>

#include "LoopbackServer.h"
#include "app/CRegException.h"
#include "log/DebugLog.h"
#include "net/DoPost.h"
#include "net/ReplyJudge.h"
#include "net/ServerTarget.h"
#include "platform/Registry.h"
#include "support/TempDir.h"

extern char** environ;

namespace {

std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};
// Only the registering thread is counted, not the server's copy of the reply.
thread_local bool g_counting = false;

}  // namespace

void* operator new(std::size_t size) {
  void* p = std::malloc(size + sizeof(std::max_align_t));
  if (!p) throw std::bad_alloc();
  *static_cast<std::size_t*>(p) = size;
  if (g_counting) {
    const auto now = g_inUse += size;
    auto peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
  }
  return static_cast<char*>(p) + sizeof(std::max_align_t);
}
void operator delete(void* p) noexcept {
  if (!p) return;
  void* base = static_cast<char*>(p) - sizeof(std::max_align_t);
  if (g_counting) g_inUse -= std::min(g_inUse.load(), *static_cast<std::size_t*>(base));
  std::free(base);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

using namespace kvr;

const std::string kAccept = "HTTP/1.0 200 OK\r\n\r\nresult1=success";
const std::string kQuery = "firstName=Ann&lastName=Lee&email=ann%40example%2ecom&q1=3";

// Direct settings in a private registry; the debug log goes nowhere.
struct Setup {
  test::ScopedPrefix prefix;
  std::ostringstream sink;
  std::streambuf* old;
  Setup() : old(debugLog().rdbuf(nullptr)) {
    std::unique_ptr<platform::RegKey> key;
    platform::registry().createKey(platform::RegRoot::ClassesRoot, ".htm", key);
    key->setValue("", platform::kRegSz, std::string("htmlfile") + '\0');
  }
  ~Setup() { debugLog().rdbuf(old); }
};

void BM_Registration(benchmark::State& state) {
  Setup setup;
  test::LoopbackServer server([](const std::string&) { return test::ServerAction{{kAccept}}; });
  net::PostEnvironment env;
  for (auto _ : state) {
    debugLog().clear();
    net::doPost(server.hostText() + "/ovx", net::kServicePath, kQuery, env);
  }
}
BENCHMARK(BM_Registration)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_CurlSameGet(benchmark::State& state) {
  test::LoopbackServer server([](const std::string&) { return test::ServerAction{{kAccept}}; });
  const std::string url = "http://" + server.hostText() + "/ovx" + std::string(net::kServicePath) + kQuery;
  const char* argv[] = {"curl", "-s", "-o", "/dev/null", "-0", url.c_str(), nullptr};
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawnp(&pid, "curl", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
      state.SkipWithError("curl is not installed");
      return;
    }
    int status = 0;
    waitpid(pid, &status, 0);
  }
}
BENCHMARK(BM_CurlSameGet)->Unit(benchmark::kMicrosecond)->UseRealTime();

std::string bigReply(std::size_t size) {
  std::string reply = "HTTP/1.0 200 OK\r\n\r\n";
  while (reply.size() + 40 < size) reply += "<p>Thank you for registering with us.</p>\n";
  reply.resize(size - 16, ' ');
  return reply + "result1=success\n";
}

void BM_JudgeReply(benchmark::State& state) {
  const auto reply = bigReply(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(net::judgeReply(reply));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_JudgeReply)->RangeMultiplier(4)->Range(16 << 10, 1 << 20)->Complexity(benchmark::oN);

void BM_OneMiBReply(benchmark::State& state) {
  Setup setup;
  const auto reply = bigReply(1 << 20);
  test::LoopbackServer server([&](const std::string&) { return test::ServerAction{{reply}}; });
  net::PostEnvironment env;
  std::size_t peak = 0;
  for (auto _ : state) {
    debugLog().clear();
    g_inUse = 0;
    g_peak = 0;
    g_counting = true;
    try {
      net::doPost(server.hostText(), net::kServicePath, "a=1", env);
    } catch (CRegException* e) {
      g_counting = false;
      state.SkipWithError(e->text().c_str());
      e->Delete();
      return;
    }
    g_counting = false;
    peak = std::max(peak, g_peak.load());
  }
  state.counters["peak_over_reply"] = static_cast<double>(peak) / static_cast<double>(reply.size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * reply.size()));
}
BENCHMARK(BM_OneMiBReply)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
