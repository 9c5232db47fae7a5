#include "sysinfo/pmem/Sources.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <vector>

#include "sysinfo/pmem/EntryPoint.h"

namespace kvr::pmem {

namespace {

constexpr std::uint32_t kBiosAreaFirst = 0xF0000;
constexpr std::uint32_t kBiosAreaSize = 0x10000;
// Where a table goes that has no address below 4 GiB of its own: above the BIOS area.
constexpr std::uint32_t kRelocatedTable = 0x100000;
// SMBIOS tables are tens of KiB; the kernel's file is refused beyond this.
constexpr std::size_t kTableFileLimit = 1024 * 1024;
constexpr std::size_t kAttributeLimit = 256;

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes(limit + 1);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return std::nullopt;
  auto got = static_cast<std::size_t>(in.gcount());
  if (got > limit) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

std::string readAttribute(const std::string& path) {
  auto bytes = readWholeFile(path, kAttributeLimit);
  if (!bytes) return {};
  std::string text(bytes->begin(), bytes->end());
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

std::uint64_t little(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
  std::uint64_t value = 0;
  for (int i = size; i-- > 0;) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

bool startsWith(const std::vector<std::uint8_t>& bytes, const char* text) {
  std::size_t n = std::strlen(text);
  return bytes.size() >= n && std::memcmp(bytes.data(), text, n) == 0;
}

// Places the entry point on the first paragraph of the BIOS area that the table leaves free.
void placeEntryPoint(RegionMemory& memory, const std::vector<std::uint8_t>& entry,
                     std::uint64_t tableAddress, std::size_t tableLength) {
  for (std::uint64_t at = kBiosAreaFirst; at + 32 <= kBiosAreaFirst + kBiosAreaSize; at += 16) {
    if (at + 32 <= tableAddress || at >= tableAddress + tableLength) {
      memory.place(at, entry);
      return;
    }
  }
}

std::unique_ptr<RegionMemory> biosArea() {
  auto memory = std::make_unique<RegionMemory>();
  memory->place(kBiosAreaFirst, std::vector<std::uint8_t>(kBiosAreaSize, 0));
  return memory;
}

}  // namespace

std::unique_ptr<MemorySource> openImageFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_unique<FileMemory>(fd);
}

std::unique_ptr<MemorySource> openMemoryDevice(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  auto memory = std::make_unique<FileMemory>(fd);
  // Machines started through UEFI keep their entry point elsewhere; the kernel's copy of
  // the tables serves them.
  if (searchSignature(*memory, "_SM_", kBiosAreaFirst, kBiosAreaFirst + kBiosAreaSize - 1, 16) ==
          0 &&
      searchSignature(*memory, "_DMI_", kBiosAreaFirst, kBiosAreaFirst + kBiosAreaSize - 1, 16) ==
          0)
    return nullptr;
  return memory;
}

std::unique_ptr<MemorySource> openFirmwareTables(const std::string& dir) {
  auto entry = readWholeFile(dir + "/smbios_entry_point", 64);
  auto table = readWholeFile(dir + "/DMI", kTableFileLimit);
  if (!entry || !table) return nullptr;

  auto memory = biosArea();
  std::uint64_t address = 0;
  if (startsWith(*entry, "_SM_") && entry->size() >= 0x1E) {
    address = little(*entry, 0x18, 4);
    entry->resize(std::min<std::size_t>(entry->size(), 32));
  } else if (startsWith(*entry, "_DMI_") && entry->size() >= 15) {
    address = little(*entry, 8, 4);
    entry->resize(15);
  } else if (startsWith(*entry, "_SM3_") && entry->size() >= 24) {
    address = little(*entry, 0x10, 8);
    if (address + table->size() > 0xFFFFFFFFu) address = kRelocatedTable;
    auto length = static_cast<std::uint16_t>(std::min<std::size_t>(table->size(), 0xFFFF));
    *entry =
        smbiosEntryPoint(length, static_cast<std::uint32_t>(address), 0, (*entry)[7], (*entry)[8]);
  } else {
    return nullptr;
  }
  memory->place(address, *table);
  placeEntryPoint(*memory, *entry, address, table->size());
  return memory;
}

std::unique_ptr<MemorySource> buildFromIdentityAttributes(const std::string& dir) {
  std::string vendor = readAttribute(dir + "/sys_vendor");
  std::string product = readAttribute(dir + "/product_name");
  if (vendor.empty() && product.empty()) return nullptr;
  std::string serial = readAttribute(dir + "/product_serial");
  auto table = systemInformationTable(vendor, product, serial);
  auto memory = biosArea();
  memory->place(kRelocatedTable, table);
  memory->place(kBiosAreaFirst,
                smbiosEntryPoint(static_cast<std::uint16_t>(table.size()), kRelocatedTable, 2));
  return memory;
}

std::unique_ptr<MemorySource> openPhysicalMemory() {
  if (const char* image = std::getenv(kImageVariable); image != nullptr && *image != '\0')
    return openImageFile(image);
  if (auto memory = openMemoryDevice("/dev/mem")) return memory;
  if (auto memory = openFirmwareTables("/sys/firmware/dmi/tables")) return memory;
  return buildFromIdentityAttributes("/sys/class/dmi/id");
}

}  // namespace kvr::pmem
