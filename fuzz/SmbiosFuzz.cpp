// Arbitrary bytes as an SMBIOS structure table behind a valid entry point, or as the whole
// BIOS area (entry points, VPD blocks and the lengths and addresses inside them), through the
// structure walk, the string lookup and the table search.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <streambuf>
#include <vector>

#include "log/DebugLog.h"
#include "sysinfo/BiosTables.h"
#include "sysinfo/SmbiosTable.h"
#include "sysinfo/pmem/EntryPoint.h"
#include "sysinfo/pmem/SourceMemory.h"

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

constexpr std::uint32_t kBiosArea = 0xF0000;
constexpr std::uint32_t kTable = 0xE0000;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static NullBuffer sink;
  kvr::debugLog().rdbuf(&sink);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t mode = data[0];
  std::vector<std::uint8_t> bytes(data + 1, data + size);
  if (bytes.size() > 0xFFFF) bytes.resize(0xFFFF);

  // The walk and the lookup on their own, over an exactly sized copy so that any read past
  // the end is caught.
  std::vector<std::uint8_t> exact(bytes);
  std::span<const std::uint8_t> table(exact);
  if (auto at = kvr::findStructure(table, mode)) {
    for (unsigned n = 0; n < 256; ++n)
      (void)kvr::structureString(table, *at, static_cast<std::uint8_t>(n));
  }
  for (std::size_t at = 0; at < table.size() && at < 64; ++at)
    (void)kvr::structureString(table, at, static_cast<std::uint8_t>(mode & 0x0F));

  kvr::pmem::RegionMemory memory;
  if (mode & 1) {
    memory.place(kBiosArea, bytes);
    memory.place(kTable, bytes);
  } else {
    memory.place(kTable, bytes);
    memory.place(kBiosArea + 16u * (mode >> 1),
                 kvr::pmem::smbiosEntryPoint(static_cast<std::uint16_t>(bytes.size()), kTable, 0));
  }
  kvr::pmem::SourceMemory physical(memory);
  (void)kvr::readBiosTables(physical);
  return 0;
}
