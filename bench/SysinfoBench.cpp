// Reading the BIOS identity from a 64 KiB BIOS area and a 64 KiB structure table whose type-1
// structure comes last: the longest search and the longest walk there can be.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <streambuf>
#include <string>
#include <vector>

#include "log/DebugLog.h"
#include "sysinfo/BiosTables.h"
#include "sysinfo/ProductSystemInfo.h"
#include "sysinfo/pmem/EntryPoint.h"
#include "sysinfo/pmem/SourceMemory.h"
#include "sysinfo/pmem/Sources.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kBiosArea = 0xF0000;
constexpr std::uint32_t kTableAddress = 0xE0000;
constexpr std::size_t kTableSize = 0xFFFF;

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

// Type-2 structures with a string each until the table is full, then the type-1 structure.
Bytes bigTable() {
  Bytes system{1, 8, 0, 1, 1, 2, 0, 3};
  for (const char* s : {"OVX", "Model 7", "S123"}) {
    system.insert(system.end(), s, s + std::char_traits<char>::length(s) + 1);
  }
  system.push_back(0);
  const Bytes filler{2, 8, 0, 0, 1, 0, 0, 0, 'B', 'o', 'a', 'r', 'd', 0, 0};
  Bytes table;
  while (table.size() + filler.size() + system.size() <= kTableSize)
    table.insert(table.end(), filler.begin(), filler.end());
  table.insert(table.end(), system.begin(), system.end());
  table.resize(kTableSize, 0);
  return table;
}

// The flat memory image: the table, then the BIOS area with the entry point in its last
// paragraph that holds it.
Bytes image() {
  Bytes table = bigTable();
  Bytes bytes(kBiosArea + 0x10000, 0);
  std::copy(table.begin(), table.end(), bytes.begin() + kTableAddress);
  Bytes entry =
      kvr::pmem::smbiosEntryPoint(static_cast<std::uint16_t>(table.size()), kTableAddress, 0);
  std::copy(entry.begin(), entry.end(), bytes.begin() + kBiosArea + 0xFFE0);
  return bytes;
}

// The debug log is standard output, which the benchmark's own report uses too: silenced only
// while a benchmark runs.
class SilencedLog {
 public:
  SilencedLog() : m_old(kvr::debugLog().rdbuf(&m_sink)) {}
  ~SilencedLog() { kvr::debugLog().rdbuf(m_old); }
  SilencedLog(const SilencedLog&) = delete;
  SilencedLog& operator=(const SilencedLog&) = delete;

 private:
  NullBuffer m_sink;
  std::streambuf* m_old;
};

void BM_ReadBiosTables(benchmark::State& state) {
  SilencedLog silenced;
  kvr::pmem::RegionMemory memory;
  memory.place(0, image());
  kvr::pmem::SourceMemory physical(memory);
  for (auto _ : state) {
    auto values = kvr::readBiosTables(physical);
    if (!values || values->serial != "S123") state.SkipWithError("values not found");
    benchmark::DoNotOptimize(values);
  }
}
BENCHMARK(BM_ReadBiosTables)->Unit(benchmark::kMicrosecond);

void BM_ReadBiosIdentity(benchmark::State& state) {
  SilencedLog silenced;
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("kvr-sysinfo-bench-" + std::to_string(getpid()) + ".img"))
                               .string();
  {
    Bytes bytes = image();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  setenv(kvr::pmem::kImageVariable, path.c_str(), 1);
  kvr::ProductSystemInfo info;
  for (auto _ : state) {
    if (info.ReadBiosIdentity() != 1) state.SkipWithError("library or image not found");
  }
  unsetenv(kvr::pmem::kImageVariable);
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadBiosIdentity)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
