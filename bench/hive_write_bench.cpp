// Saving the record: 40 answers written one after another through RegistryStore, each a locked
// read-modify-write of the hive with fsync and rename, alone or inside one batch. The goal is
// under 50 ms for the 40.
// Also: loading them back, the parse alone by hive size, and the bare cost of one
// write+fsync+rename next to write+rename, to tell where the time goes.
//
// The hives go to a fresh directory under $TMPDIR (or /tmp); point TMPDIR at the disk to measure.

#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/HiveFile.h"
#include "platform/Registry.h"
#include "record/RegistryStore.h"

namespace {

namespace fs = std::filesystem;

class BenchDirectory {
 public:
  BenchDirectory() {
    std::string pattern = (fs::temp_directory_path() / "kvrbench.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    m_path = pattern;
    setenv("KVR_PREFIX", m_path.c_str(), 1);
  }
  ~BenchDirectory() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
  }
  BenchDirectory(const BenchDirectory&) = delete;
  BenchDirectory& operator=(const BenchDirectory&) = delete;

  const fs::path& path() const { return m_path; }

 private:
  fs::path m_path;
};

struct Answer {
  const char* section;
  const char* name;
};

// What the record and the survey save: 25 contact values and 15 survey answers.
std::vector<Answer> recordAnswers() {
  std::vector<Answer> answers;
  for (const char* name : {"prefix",    "firstName", "middleInitial", "lastName",   "suffix",
                           "jobTitle",  "company",   "address1",      "address2",   "city",
                           "stateProv", "zip",       "country",       "phone",      "phoneExt",
                           "fax",       "email",     "clientNumber",  "numOfProds", "prod",
                           "prodName",  "lang",      "sendSysInfo",   "connection", "registered"})
    answers.push_back({"General", name});
  for (const char* name : {"q1", "q2", "q3", "q4", "q5", "q6", "q7", "q8", "q10", "q11", "q15",
                           "q16", "q17", "q22", "usage"})
    answers.push_back({"OVX Office", name});
  return answers;
}

void saveRecord(const std::vector<Answer>& answers, long round) {
  std::string tail = std::to_string(round);
  for (const auto& answer : answers) {
    if (answer.name[0] == 'q')
      kvr::RegistryStore::writeInt(answer.section, answer.name, static_cast<int>(round % 900));
    else
      kvr::RegistryStore::writeText(answer.section, answer.name,
                                    std::string(answer.name) + " answer " + tail);
  }
}

// Every save changes every value, as a first registration does.
void BM_SaveRecord(benchmark::State& state) {
  BenchDirectory directory;
  auto answers = recordAnswers();
  long round = 0;
  saveRecord(answers, round++);
  for (auto _ : state) saveRecord(answers, round++);
  state.counters["writes"] =
      benchmark::Counter(static_cast<double>(state.iterations() * 40), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SaveRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same save inside one RegistryStore::Batch: one locked write and one fsync in all.
void BM_SaveRecordBatched(benchmark::State& state) {
  BenchDirectory directory;
  auto answers = recordAnswers();
  long round = 0;
  saveRecord(answers, round++);
  for (auto _ : state) {
    kvr::RegistryStore::Batch batch;
    saveRecord(answers, round++);
  }
}
BENCHMARK(BM_SaveRecordBatched)->Unit(benchmark::kMillisecond)->UseRealTime();

// The very first save: no hive, no directory, the key chain made on the way.
void BM_SaveRecordFirstRun(benchmark::State& state) {
  BenchDirectory directory;
  auto answers = recordAnswers();
  long round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(directory.path());
    state.ResumeTiming();
    saveRecord(answers, round++);
  }
}
BENCHMARK(BM_SaveRecordFirstRun)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadRecord(benchmark::State& state) {
  BenchDirectory directory;
  auto answers = recordAnswers();
  saveRecord(answers, 1);
  for (auto _ : state) {
    for (const auto& answer : answers) {
      if (answer.name[0] == 'q')
        benchmark::DoNotOptimize(kvr::RegistryStore::readInt(answer.section, answer.name));
      else
        benchmark::DoNotOptimize(kvr::RegistryStore::readText(answer.section, answer.name));
    }
  }
}
BENCHMARK(BM_LoadRecord)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ParseHive(benchmark::State& state) {
  kvr::platform::HiveKey root;
  auto& key = root.ensureChild("Software").ensureChild("OVX").ensureChild("Product Registration");
  for (long i = 0; i < state.range(0); ++i)
    key.ensureChild("Section " + std::to_string(i % 8))
        .setValue("value" + std::to_string(i), kvr::platform::kRegSz,
                  "an answer " + std::to_string(i));
  std::string text = kvr::platform::serializeHive(root, "HKEY_CURRENT_USER");
  for (auto _ : state)
    benchmark::DoNotOptimize(kvr::platform::parseHive(text, "HKEY_CURRENT_USER"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseHive)->RangeMultiplier(10)->Range(40, 100000)->Complexity(benchmark::oN);

// One hive-sized file replaced by rename, with and without fsync before the rename.
void BM_ReplaceFile(benchmark::State& state) {
  BenchDirectory directory;
  std::string file = (directory.path() / "file").string();
  std::string temporary = file + ".new";
  std::string bytes(2048, 'x');
  for (auto _ : state) {
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    if (state.range(0) != 0) ::fsync(fd);
    ::close(fd);
    ::rename(temporary.c_str(), file.c_str());
  }
}
BENCHMARK(BM_ReplaceFile)
    ->ArgName("fsync")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
