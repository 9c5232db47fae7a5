// The physical-memory library: pmemw.so, loaded by the wizard at run time and bound by the
// names below. Where its "physical memory" comes from: Sources.h.

#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#include "sysinfo/pmem/Sources.h"

namespace {

std::mutex& lock() {
  static std::mutex mutex;
  return mutex;
}

std::unique_ptr<kvr::pmem::MemorySource>& opened() {
  static std::unique_ptr<kvr::pmem::MemorySource> source;
  return source;
}

}  // namespace

#define PMEM_EXPORT extern "C" __attribute__((visibility("default")))

PMEM_EXPORT int PMemIsInitialized() { return 1; }

// `caller` only tells callers apart; every open looks for the sources afresh.
PMEM_EXPORT int PMemOpen(std::uint32_t /*caller*/) {
  std::lock_guard guard(lock());
  opened() = kvr::pmem::openPhysicalMemory();
  return opened() ? 1 : 0;
}

PMEM_EXPORT std::uint32_t PMemSearch(const char* signature, std::uint32_t first, std::uint32_t last,
                                     std::uint32_t step) {
  std::lock_guard guard(lock());
  if (!opened() || signature == nullptr) return 0;
  return kvr::pmem::searchSignature(*opened(), signature, first, last, step);
}

PMEM_EXPORT int PMemRead(void* destination, std::uint32_t address, std::uint32_t count) {
  std::lock_guard guard(lock());
  if (!opened() || (destination == nullptr && count != 0)) return 1;
  return opened()->read(address, destination, count) ? 0 : 1;
}
