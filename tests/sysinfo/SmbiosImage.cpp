#include "sysinfo/SmbiosImage.h"

#include <fstream>

#include "sysinfo/pmem/EntryPoint.h"

namespace kvr::test {

Bytes smbiosStructure(std::uint8_t type, const Bytes& formatted,
                      const std::vector<std::string>& strings, std::uint16_t handle) {
  Bytes out{type, static_cast<std::uint8_t>(4 + formatted.size()),
            static_cast<std::uint8_t>(handle & 0xFF), static_cast<std::uint8_t>(handle >> 8)};
  out.insert(out.end(), formatted.begin(), formatted.end());
  for (const auto& s : strings) {
    out.insert(out.end(), s.begin(), s.end());
    out.push_back(0);
  }
  if (strings.empty()) out.push_back(0);
  out.push_back(0);
  return out;
}

Bytes systemStructure(std::uint8_t manufacturer, std::uint8_t product, std::uint8_t serial,
                      const std::vector<std::string>& strings) {
  Bytes formatted(0x1B - 4, 0);
  formatted[0] = manufacturer;
  formatted[1] = product;
  formatted[3] = serial;
  return smbiosStructure(1, formatted, strings, 0x0100);
}

Bytes endOfTable() { return smbiosStructure(127, {}, {}, 0xFEFF); }

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes dmiEntryPoint(std::uint16_t length, std::uint32_t address, std::uint16_t count) {
  Bytes entry{'_',
              'D',
              'M',
              'I',
              '_',
              0,
              static_cast<std::uint8_t>(length),
              static_cast<std::uint8_t>(length >> 8),
              static_cast<std::uint8_t>(address),
              static_cast<std::uint8_t>(address >> 8),
              static_cast<std::uint8_t>(address >> 16),
              static_cast<std::uint8_t>(address >> 24),
              static_cast<std::uint8_t>(count),
              static_cast<std::uint8_t>(count >> 8),
              0x21};
  pmem::fixChecksum(entry, 0, 15, 5);
  return entry;
}

Bytes vpdBlock(const std::string& product, const std::string& serial, bool badChecksum) {
  Bytes block(48, 0);
  block[0] = 0xAA;
  block[1] = 0x55;
  block[2] = 'V';
  block[3] = 'P';
  block[4] = 'D';
  block[5] = 48;
  for (std::size_t i = 0; i < serial.size() && i < 7; ++i)
    block[22 + i] = static_cast<std::uint8_t>(serial[i]);
  for (std::size_t i = 0; i < product.size() && i < 7; ++i)
    block[40 + i] = static_cast<std::uint8_t>(product[i]);
  pmem::fixChecksum(block, 0, 47, 20);
  if (badChecksum) block[20] = static_cast<std::uint8_t>(block[20] + 0x11);
  return block;
}

std::uint8_t byteSum(const Bytes& bytes, std::size_t from, std::size_t count) {
  unsigned sum = 0;
  for (std::size_t i = from; i < from + count; ++i) sum += bytes[i];
  return static_cast<std::uint8_t>(sum);
}

MemoryImage& MemoryImage::place(std::uint32_t address, Bytes bytes) {
  m_blocks.emplace_back(address, std::move(bytes));
  return *this;
}

Bytes MemoryImage::flat() const {
  std::size_t size = 0;
  for (const auto& [at, bytes] : m_blocks) size = std::max(size, at + bytes.size());
  Bytes out(size, 0);
  for (const auto& [at, bytes] : m_blocks) std::copy(bytes.begin(), bytes.end(), out.begin() + at);
  return out;
}

std::unique_ptr<pmem::RegionMemory> MemoryImage::memory() const {
  auto memory = std::make_unique<pmem::RegionMemory>();
  memory->place(0, flat());
  return memory;
}

void MemoryImage::writeTo(const std::string& path) const {
  Bytes bytes = flat();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

Bytes dmidecodeDump(const Bytes& table, std::uint16_t structureCount) {
  Bytes dump = pmem::smbiosEntryPoint(static_cast<std::uint16_t>(table.size()), 32, structureCount);
  dump.resize(32, 0);
  dump.insert(dump.end(), table.begin(), table.end());
  return dump;
}

}  // namespace kvr::test
