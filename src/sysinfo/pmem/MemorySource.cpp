#include "sysinfo/pmem/MemorySource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>

namespace kvr::pmem {

FileMemory::~FileMemory() { close(m_fd); }

std::size_t FileMemory::readSome(std::uint64_t address, void* destination, std::size_t count) {
  auto* out = static_cast<char*>(destination);
  std::size_t done = 0;
  while (done < count) {
    const std::uint64_t at = address + done;
    if (at > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) break;
    ssize_t got = pread(m_fd, out + done, count - done, static_cast<off_t>(at));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

void RegionMemory::place(std::uint64_t address, const std::vector<std::uint8_t>& bytes) {
  if (bytes.empty()) return;
  std::uint64_t begin = address;
  std::uint64_t end = address + bytes.size();
  // Every region that overlaps or touches the new block is merged into one.
  auto first = m_regions.upper_bound(begin);
  if (first != m_regions.begin()) {
    auto before = std::prev(first);
    if (before->first + before->second.size() >= begin) first = before;
  }
  auto last = first;
  while (last != m_regions.end() && last->first <= end) {
    begin = std::min(begin, last->first);
    end = std::max(end, last->first + last->second.size());
    ++last;
  }
  std::vector<std::uint8_t> merged(static_cast<std::size_t>(end - begin), 0);
  for (auto it = first; it != last; ++it)
    std::copy(it->second.begin(), it->second.end(),
              merged.begin() + static_cast<std::ptrdiff_t>(it->first - begin));
  std::copy(bytes.begin(), bytes.end(),
            merged.begin() + static_cast<std::ptrdiff_t>(address - begin));
  m_regions.erase(first, last);
  m_regions.emplace(begin, std::move(merged));
}

bool RegionMemory::holds(std::uint64_t address, std::size_t count) const {
  auto it = m_regions.upper_bound(address);
  if (it == m_regions.begin()) return false;
  --it;
  return address + count <= it->first + it->second.size();
}

std::size_t RegionMemory::readSome(std::uint64_t address, void* destination, std::size_t count) {
  if (count == 0) return 0;
  auto it = m_regions.upper_bound(address);
  if (it == m_regions.begin()) return 0;
  --it;
  const std::uint64_t end = it->first + it->second.size();
  if (address >= end) return 0;
  auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, end - address));
  std::memcpy(destination, it->second.data() + (address - it->first), n);
  return n;
}

std::uint32_t searchSignature(MemorySource& memory, const std::string& signature,
                              std::uint32_t first, std::uint32_t last, std::uint32_t step) {
  if (signature.empty()) return 0;
  if (step == 0) step = 16;
  // The area is read a window at a time rather than a signature's length per candidate.
  constexpr std::uint64_t kWindow = 64 * 1024;
  const std::uint64_t start = (std::uint64_t{first} + 15) & ~std::uint64_t{15};
  if (start > last) return 0;
  const std::size_t windowSize =
      static_cast<std::size_t>(std::min(kWindow, std::uint64_t{last} - start + 1)) +
      signature.size();
  std::unique_ptr<char[]> window(new char[windowSize]);
  std::uint64_t windowStart = 0;
  std::size_t windowBytes = 0;
  for (std::uint64_t at = start; at <= last; at += step) {
    if (at < windowStart || at + signature.size() > windowStart + windowBytes) {
      windowStart = at;
      windowBytes = memory.readSome(at, window.get(), windowSize);
      if (windowBytes < signature.size()) continue;
    }
    if (std::memcmp(window.get() + (at - windowStart), signature.data(), signature.size()) == 0)
      return static_cast<std::uint32_t>(at);
  }
  return 0;
}

}  // namespace kvr::pmem
