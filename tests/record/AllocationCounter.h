#pragma once

#include <cstddef>

namespace kvr::test {

// Counts what operator new hands out while an object lives (one at a time), so a test can
// show that reading a huge input does not grow a buffer with it.
class AllocationCounter {
 public:
  AllocationCounter();
  ~AllocationCounter();
  AllocationCounter(const AllocationCounter&) = delete;
  AllocationCounter& operator=(const AllocationCounter&) = delete;

  std::size_t totalBytes() const;
  std::size_t largestBytes() const;
};

}  // namespace kvr::test
