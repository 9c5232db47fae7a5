#pragma once

#include <cstdint>
#include <string_view>

namespace kvr {

// Reading physical memory below 4 GiB, as the physical-memory library offers it.
class PhysicalMemory {
 public:
  virtual ~PhysicalMemory() = default;
  // Address in [first, last] where `signature` starts, trying every `step` bytes from the
  // first 16-byte boundary at or after `first`; 0 when it is nowhere.
  virtual std::uint32_t search(std::string_view signature, std::uint32_t first, std::uint32_t last,
                               std::uint32_t step) = 0;
  // Copies `count` bytes from `address`; false when any of them cannot be read.
  virtual bool read(void* destination, std::uint32_t address, std::uint32_t count) = 0;
};

}  // namespace kvr
