#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The replaced operators allocate with malloc and free with free, every form of them, so the
// sanitizers see matching pairs.
namespace {

std::atomic<bool> g_counting{false};
std::atomic<std::size_t> g_total{0};
std::atomic<std::size_t> g_largest{0};

void* allocate(std::size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) {
    g_total.fetch_add(size, std::memory_order_relaxed);
    std::size_t largest = g_largest.load(std::memory_order_relaxed);
    while (size > largest && !g_largest.compare_exchange_weak(largest, size)) {
    }
  }
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* memory = allocate(size)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace kvr::test {

AllocationCounter::AllocationCounter() {
  g_total = 0;
  g_largest = 0;
  g_counting = true;
}

AllocationCounter::~AllocationCounter() { g_counting = false; }

std::size_t AllocationCounter::totalBytes() const { return g_total.load(); }
std::size_t AllocationCounter::largestBytes() const { return g_largest.load(); }

}  // namespace kvr::test
