#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sysinfo/pmem/MemorySource.h"

namespace kvr::test {

using Bytes = std::vector<std::uint8_t>;

// One SMBIOS structure: the header (type, length, handle), `formatted` after it, then the
// strings; a structure without strings ends in two zeros.
Bytes smbiosStructure(std::uint8_t type, const Bytes& formatted,
                      const std::vector<std::string>& strings, std::uint16_t handle = 0);

// A type-1 structure of SMBIOS 2.4 length with the given string numbers.
Bytes systemStructure(std::uint8_t manufacturer, std::uint8_t product, std::uint8_t serial,
                      const std::vector<std::string>& strings);

Bytes endOfTable();
Bytes concat(std::initializer_list<Bytes> parts);

// A 15-byte legacy DMI entry point with a right checksum.
Bytes dmiEntryPoint(std::uint16_t length, std::uint32_t address, std::uint16_t count);

// A 48-byte VPD block; its checksum is right unless `badChecksum`.
Bytes vpdBlock(const std::string& product, const std::string& serial, bool badChecksum);

std::uint8_t byteSum(const Bytes& bytes, std::size_t from, std::size_t count);

// Memory built from blocks at addresses; as a flat image file (offset = address) or held
// in memory.
class MemoryImage {
 public:
  MemoryImage& place(std::uint32_t address, Bytes bytes);
  Bytes flat() const;
  std::unique_ptr<pmem::RegionMemory> memory() const;
  void writeTo(const std::string& path) const;

 private:
  std::vector<std::pair<std::uint32_t, Bytes>> m_blocks;
};

// The file `dmidecode --from-dump` reads: the entry point at 0, pointing at the table at 32.
Bytes dmidecodeDump(const Bytes& table, std::uint16_t structureCount);

}  // namespace kvr::test
