// Reading product configuration files of 1, 10 and 100 MiB made of realistic lines, from disk
// and from memory. per_byte should stay flat across the sizes.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "record/ProductConfig.h"
#include "record/ProductConfigCodec.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMebibyte = 1024 * 1024;

std::string realisticText(std::size_t size) {
  const std::string block =
      "kvrVersion: 1.0\n"
      "dateOfFileCreation: 2026-12-11\n"
      "productName: OVX Sample Office Professional Edition\n"
      "productType: SUITE\n"
      "partNumber: 10K0001\n"
      "lang enu: #default 10K0002 10K0003 10K0004\n"
      "lang deu: 10K0101 10K0102\n"
      "lang fra: 10K0201 10K0202\n"
      "lang jpn: 10K0401\n"
      "lang ita: #default 10K0501\n"
      "lang esp: 10K0601 10K0602 10K0603\n"
      "lang ptb: #default\n"
      "; a comment line the reader skips\n";
  std::string text;
  text.reserve(size + block.size());
  while (text.size() < size) text += block;
  return text;
}

struct Sample {
  std::string bytes;
  std::string path;
};

class Samples {
 public:
  Samples() {
    std::string pattern = (fs::temp_directory_path() / "kvrbench.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    m_dir = pattern;
  }
  ~Samples() {
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
  }

  const Sample& get(std::size_t mebibytes) {
    Sample& sample = m_samples[mebibytes];
    if (sample.path.empty()) {
      sample.bytes = kvr::encodeProductConfig(realisticText(mebibytes * kMebibyte)).bytes;
      sample.path = (m_dir / ("kvovxreg-" + std::to_string(mebibytes) + ".dat")).string();
      std::ofstream(sample.path, std::ios::binary)
          .write(sample.bytes.data(), static_cast<std::streamsize>(sample.bytes.size()));
    }
    return sample;
  }

 private:
  fs::path m_dir;
  std::map<std::size_t, Sample> m_samples;
};

Samples& samples() {
  static Samples all;
  return all;
}

void report(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  // Seconds per byte, shown with its SI prefix ("3.1ns").
  state.counters["per_byte"] = benchmark::Counter(
      static_cast<double>(bytes),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_LoadFile(benchmark::State& state) {
  const Sample& sample = samples().get(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    kvr::ProductConfig config(sample.path);
    config.load();
    benchmark::DoNotOptimize(config.partNumberCount(18));
  }
  report(state, sample.bytes.size());
}

void BM_ParseInMemory(benchmark::State& state) {
  const Sample& sample = samples().get(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    kvr::ProductConfigValues values = kvr::parseProductConfig(sample.bytes);
    benchmark::DoNotOptimize(values.partNumbers.size());
  }
  report(state, sample.bytes.size());
}

BENCHMARK(BM_LoadFile)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseInMemory)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
