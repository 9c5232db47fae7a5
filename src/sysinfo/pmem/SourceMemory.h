#pragma once

#include <string>

#include "sysinfo/PhysicalMemory.h"
#include "sysinfo/pmem/MemorySource.h"

namespace kvr::pmem {

// A memory source read in-process, the way the wizard reads it through the library.
class SourceMemory : public PhysicalMemory {
 public:
  explicit SourceMemory(MemorySource& source) : m_source(source) {}

  std::uint32_t search(std::string_view signature, std::uint32_t first, std::uint32_t last,
                       std::uint32_t step) override {
    return searchSignature(m_source, std::string(signature), first, last, step);
  }
  bool read(void* destination, std::uint32_t address, std::uint32_t count) override {
    return m_source.read(address, destination, count);
  }

 private:
  MemorySource& m_source;
};

}  // namespace kvr::pmem
