#include "sysinfo/BiosTables.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "log/DebugLog.h"
#include "sysinfo/SmbiosTable.h"

namespace kvr {

namespace {

// The BIOS area that holds the entry points and the VPD block.
constexpr std::uint32_t kBiosAreaFirst = 0xF0000;
constexpr std::uint32_t kBiosAreaLast = 0xFFFFF;
constexpr std::uint32_t kParagraph = 16;

constexpr std::uint8_t kSystemInformationType = 1;
constexpr std::size_t kManufacturerOffset = 4;
constexpr std::size_t kProductNameOffset = 5;
constexpr std::size_t kSerialOffset = 7;

struct EntryPointLayout {
  const char* name;  // in the log lines
  const char* signature;
  std::uint32_t size;  // bytes read and summed
  std::size_t lengthOffset;
  std::size_t addressOffset;
};

constexpr EntryPointLayout kSmbios{"SMBIOS", "_SM_", 31, 0x16, 0x18};
constexpr EntryPointLayout kDmi{"DMI", "_DMI_", 15, 6, 8};

constexpr std::uint32_t kVpdSize = 48;
constexpr std::uint32_t kVpdSummed = 47;
constexpr std::size_t kVpdSerialOffset = 22;
constexpr std::size_t kVpdProductOffset = 40;
constexpr std::size_t kVpdFieldLength = 7;

std::uint8_t byteSum(std::span<const std::uint8_t> bytes) {
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  return static_cast<std::uint8_t>(sum);
}

void logChecksumFailure(const char* what, std::uint8_t sum) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%2.2X", static_cast<unsigned>(sum));
  debugLog() << "BiosProcessing: Invalid " << what << " found. Checksum failure." << std::endl;
  debugLog() << "                Calculated Checksum   = " << hex << std::endl;
}

void store(std::string& field, const char* label, std::string_view value) {
  field = value;
  debugLog() << "BiosProcessing: " << label << "= " << field << std::endl;
}

template <typename T>
T little(const std::uint8_t* bytes) {
  T value = 0;
  for (std::size_t i = sizeof(T); i-- > 0;) value = static_cast<T>((value << 8) | bytes[i]);
  return value;
}

// The three strings of the first type-1 structure; false when none of them is there.
bool readSystemInformation(std::span<const std::uint8_t> table, BiosValues& values) {
  debugLog() << "BiosProcessing: Searching for Type 1 structure" << std::endl;
  auto offset = findStructure(table, kSystemInformationType);
  if (!offset || *offset + kSerialOffset >= table.size()) return false;
  debugLog() << "BiosProcessing: Searching for Manufacturer, ProductName, Serial" << std::endl;
  bool found = false;
  const struct {
    std::size_t numberAt;
    std::string* field;
    const char* label;
  } fields[] = {
      {kManufacturerOffset, &values.manufacturer, "Manufacturer"},
      {kProductNameOffset, &values.productName, "ProductName"},
      {kSerialOffset, &values.serial, "serial"},
  };
  for (const auto& f : fields) {
    if (auto text = structureString(table, *offset, table[*offset + f.numberAt])) {
      store(*f.field, f.label, *text);
      found = true;
    }
  }
  return found;
}

bool searchStructureTable(PhysicalMemory& memory, const EntryPointLayout& layout,
                          BiosValues& values) {
  debugLog() << "BiosProcessing: Searching memory for " << layout.name << " Structure Table Header"
             << std::endl;
  std::uint32_t start = kBiosAreaFirst;
  while (start < kBiosAreaLast) {
    std::uint32_t at = memory.search(layout.signature, start, kBiosAreaLast, kParagraph);
    // A library answering before where it was asked to start would keep us here for ever.
    if (at == 0 || at < start) return false;
    debugLog() << "BiosProcessing: Reading " << layout.name << " Structure Table header "
               << std::endl;
    std::array<std::uint8_t, 32> header{};
    if (!memory.read(header.data(), at, layout.size)) return false;
    std::uint8_t sum = byteSum(std::span(header.data(), layout.size));
    if (sum != 0) {
      logChecksumFailure((std::string(layout.signature) + " Structure Table Header").c_str(), sum);
      start = at + kParagraph;
      continue;
    }
    debugLog() << "BiosProcessing: Attempting to copy StructTable to local memory " << std::endl;
    auto length = little<std::uint16_t>(header.data() + layout.lengthOffset);
    auto address = little<std::uint32_t>(header.data() + layout.addressOffset);
    std::vector<std::uint8_t> table(length);
    if (!memory.read(table.data(), address, length)) return false;
    return readSystemInformation(table, values);
  }
  return false;
}

std::string_view vpdField(const std::uint8_t* bytes) {
  std::string_view field(reinterpret_cast<const char*>(bytes), kVpdFieldLength);
  return field.substr(0, field.find('\0'));
}

bool searchVpd(PhysicalMemory& memory, BiosValues& values) {
  debugLog() << "BiosProcessing: Searching memory for VPD Data" << std::endl;
  std::uint32_t start = kBiosAreaFirst;
  while (start < kBiosAreaLast) {
    std::uint32_t at = memory.search("\xAA\x55", start, kBiosAreaLast, kParagraph);
    if (at == 0 || at < start) return false;
    debugLog() << "BiosProcessing: Reading VPD Structure " << std::endl;
    std::array<std::uint8_t, kVpdSize> block{};
    if (!memory.read(block.data(), at, kVpdSize)) return false;
    writeHexDump(debugLog(), block);
    debugLog() << "BiosProcessing: Checking Signature of VPD Structure " << std::endl;
    if (std::memcmp(block.data() + 2, "VPD", 3) != 0) {
      start = at + kParagraph;
      continue;
    }
    // Blocks with a wrong checksum are in the field; their fields are still right.
    std::uint8_t sum = byteSum(std::span(block.data(), kVpdSummed));
    if (sum != 0) logChecksumFailure("VPD Data", sum);
    store(values.manufacturer, "Manufacturer", kMakerName);
    store(values.productName, "ProductName", vpdField(block.data() + kVpdProductOffset));
    store(values.serial, "serial", vpdField(block.data() + kVpdSerialOffset));
    return true;
  }
  return false;
}

}  // namespace

std::optional<BiosValues> readBiosTables(PhysicalMemory& memory) {
  BiosValues values;
  if (!searchStructureTable(memory, kSmbios, values) &&
      !searchStructureTable(memory, kDmi, values) && !searchVpd(memory, values)) {
    return std::nullopt;
  }
  if (values.manufacturer != kMakerName) values.serial.clear();
  return values;
}

void writeHexDump(std::ostream& out, std::span<const std::uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  constexpr std::size_t kRow = 16;
  for (std::size_t row = 0; row < bytes.size(); row += kRow) {
    auto line = bytes.subspan(row, std::min(kRow, bytes.size() - row));
    std::string text;
    for (std::size_t i = 0; i < kRow; ++i) {
      if (i >= line.size()) {
        text += "  ";
        continue;
      }
      if (i > 0 && i % 2 == 0) text += ' ';
      text += kHex[line[i] >> 4];
      text += kHex[line[i] & 0x0F];
    }
    text += "   |";
    for (std::uint8_t b : line) text += b < 0x20 || b >= 0x7F ? '.' : static_cast<char>(b);
    text.append(kRow - line.size(), ' ');
    text += "|\n";
    out << text;
  }
  out.flush();
}

}  // namespace kvr
