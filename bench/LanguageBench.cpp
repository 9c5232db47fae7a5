// Start-up language selection: the locale read and turned into a language name, the library
// loaded (when it is installed beside the program) and made the resource source.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <streambuf>

#include "brand/BrandProfile.h"
#include "brand/LanguageSelection.h"
#include "log/DebugLog.h"

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

void selectFromLocale(benchmark::State& state, const char* lang) {
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  setenv("LANG", lang, 1);
  NullBuffer quiet;
  std::streambuf* old = kvr::debugLog().rdbuf(&quiet);
  kvr::brandProfile();
  for (auto _ : state) {
    kvr::selectStartupLanguage();
    benchmark::DoNotOptimize(kvr::language().code());
    state.PauseTiming();
    kvr::deleteLanguage();  // the next round loads the library again
    state.ResumeTiming();
  }
  kvr::selectStartupLanguage();
  state.counters["language"] = kvr::language().code();
  state.counters["module"] = kvr::language().module() != nullptr;
  kvr::deleteLanguage();
  kvr::debugLog().rdbuf(old);
}

// German: KVOVXDEU is shipped, so this includes loading it.
void BM_SelectGermanFromLocale(benchmark::State& state) { selectFromLocale(state, "de_DE.UTF-8"); }
// European Portuguese: no library is shipped, English takes over.
void BM_SelectMissingLibraryFromLocale(benchmark::State& state) {
  selectFromLocale(state, "pt_PT.UTF-8");
}

BENCHMARK(BM_SelectGermanFromLocale)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectMissingLibraryFromLocale)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
