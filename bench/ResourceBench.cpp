// Language module start-up cost: loading a module of program size through the platform
// loader, checking its tables and making it the resource source; then string lookups through
// ui::loadString with and without an active module.
//
//   build/bin/resource_bench

#include <benchmark/benchmark.h>

#include <string>

#include "ui/Resources.h"
#include "ui/StringTable.h"

namespace {

constexpr const char* kModule = "KVRBENCH.dll";

void BM_LoadModuleAndActivate(benchmark::State& state) {
  for (auto _ : state) {
    auto module = kvr::ui::ResourceModule::load(kModule);
    if (!module) {
      state.SkipWithError("KVRBENCH cannot be loaded");
      break;
    }
    kvr::ui::setResourceModule(std::move(module));
    state.PauseTiming();
    kvr::ui::setResourceModule(nullptr);  // unloads it, so the next round loads it again
    state.ResumeTiming();
  }
}

// A thousand ids from 100 on: most have a string in the module, the rest fall back to the
// program or have none, as the wizard's lookups do.
void loadThousandStrings(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (unsigned id = 100; id < 1100; ++id) {
      std::string text = kvr::ui::loadString(id);
      bytes += text.size();
      benchmark::DoNotOptimize(text);
    }
  }
  state.counters["bytes/round"] =
      benchmark::Counter(static_cast<double>(bytes) / static_cast<double>(state.iterations()));
  state.SetItemsProcessed(state.iterations() * 1000);
}

void BM_LoadString1000WithModule(benchmark::State& state) {
  kvr::ui::setResourceModule(kvr::ui::ResourceModule::load(kModule));
  if (kvr::ui::resources().active() == nullptr) {
    state.SkipWithError("KVRBENCH cannot be loaded");
    return;
  }
  loadThousandStrings(state);
  kvr::ui::setResourceModule(nullptr);
}

void BM_LoadString1000ProgramOnly(benchmark::State& state) { loadThousandStrings(state); }

BENCHMARK(BM_LoadModuleAndActivate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadString1000WithModule)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadString1000ProgramOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
