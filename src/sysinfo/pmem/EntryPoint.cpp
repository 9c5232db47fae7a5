#include "sysinfo/pmem/EntryPoint.h"

#include <algorithm>

namespace kvr::pmem {

namespace {

void putLittle(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

void fixChecksum(std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count,
                 std::size_t at) {
  bytes[at] = 0;
  unsigned sum = 0;
  for (std::size_t i = from; i < from + count; ++i) sum += bytes[i];
  bytes[at] = static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
}

std::vector<std::uint8_t> smbiosEntryPoint(std::uint16_t length, std::uint32_t address,
                                           std::uint16_t structureCount, std::uint8_t major,
                                           std::uint8_t minor) {
  std::vector<std::uint8_t> entry(31, 0);
  std::copy_n("_SM_", 4, entry.begin());
  entry[5] = 31;
  entry[6] = major;
  entry[7] = minor;
  std::copy_n("_DMI_", 5, entry.begin() + 0x10);
  putLittle(entry, 0x16, length, 2);
  putLittle(entry, 0x18, address, 4);
  putLittle(entry, 0x1C, structureCount, 2);
  entry[0x1E] = static_cast<std::uint8_t>((major << 4) | (minor & 0x0F));
  fixChecksum(entry, 0x10, 15, 0x15);
  fixChecksum(entry, 0, 31, 4);
  return entry;
}

std::vector<std::uint8_t> systemInformationTable(const std::string& manufacturer,
                                                 const std::string& productName,
                                                 const std::string& serial) {
  constexpr std::uint8_t kLength = 0x1B;
  std::vector<std::uint8_t> table(kLength, 0);
  table[0] = 1;
  table[1] = kLength;
  table[2] = 0x01;  // handle
  std::uint8_t next = 1;
  std::vector<std::uint8_t> strings;
  const std::pair<std::size_t, const std::string*> fields[] = {
      {4, &manufacturer}, {5, &productName}, {7, &serial}};
  for (const auto& [at, text] : fields) {
    if (text->empty()) continue;
    table[at] = next++;
    strings.insert(strings.end(), text->begin(), text->end());
    strings.push_back(0);
  }
  if (strings.empty()) strings.push_back(0);
  strings.push_back(0);
  table.insert(table.end(), strings.begin(), strings.end());
  // End of table: type 127, four bytes, no strings.
  const std::uint8_t end[] = {127, 4, 0x02, 0x00, 0, 0};
  table.insert(table.end(), std::begin(end), std::end(end));
  return table;
}

}  // namespace kvr::pmem
