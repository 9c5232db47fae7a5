#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kvr::pmem {

// One way of reaching "physical memory" below 4 GiB.
class MemorySource {
 public:
  virtual ~MemorySource() = default;
  // Copies up to `count` bytes from `address` on, stopping at the first byte that cannot be
  // read; returns how many were copied.
  virtual std::size_t readSome(std::uint64_t address, void* destination, std::size_t count) = 0;

  bool read(std::uint64_t address, void* destination, std::size_t count) {
    return readSome(address, destination, count) == count;
  }
};

// A file or device whose byte at offset N is the byte at physical address N: /dev/mem, or a
// memory image made from it (sparse files welcome).
class FileMemory : public MemorySource {
 public:
  explicit FileMemory(int fd) : m_fd(fd) {}
  ~FileMemory() override;
  FileMemory(const FileMemory&) = delete;
  FileMemory& operator=(const FileMemory&) = delete;

  std::size_t readSome(std::uint64_t address, void* destination, std::size_t count) override;

 private:
  int m_fd;
};

// Blocks of bytes placed at addresses, held in memory; everything else cannot be read.
class RegionMemory : public MemorySource {
 public:
  // Later bytes win where blocks overlap.
  void place(std::uint64_t address, const std::vector<std::uint8_t>& bytes);
  bool holds(std::uint64_t address, std::size_t count) const;

  std::size_t readSome(std::uint64_t address, void* destination, std::size_t count) override;

 private:
  std::map<std::uint64_t, std::vector<std::uint8_t>> m_regions;  // disjoint, not touching
};

// First address at or after `first` (rounded up to 16 bytes), stepping by `step`, up to and
// including `last`, where the bytes of `signature` lie; 0 when there is none.
std::uint32_t searchSignature(MemorySource& memory, const std::string& signature,
                              std::uint32_t first, std::uint32_t last, std::uint32_t step);

}  // namespace kvr::pmem
