// Our reading of SMBIOS tables against Debian's dmidecode reading the same tables.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "support/LogCapture.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "sysinfo/ProductSystemInfo.h"
#include "sysinfo/ScopedEnv.h"
#include "sysinfo/SmbiosImage.h"
#include "sysinfo/pmem/EntryPoint.h"
#include "sysinfo/pmem/Sources.h"

namespace kvr {
namespace {

using test::Bytes;
using test::concat;
using test::smbiosStructure;
using test::systemStructure;

std::string dmidecodePath() {
  for (const char* path : {"/usr/sbin/dmidecode", "/sbin/dmidecode", "/usr/bin/dmidecode"})
    if (std::filesystem::exists(path)) return path;
  return {};
}

std::string trimmed(std::string text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  std::size_t first = 0;
  while (first < text.size() && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
  return text.substr(first);
}

// dmidecode's answer for one keyword, with its words for "no string" made empty.
std::string dmidecodeString(const std::string& dump, const char* keyword) {
  auto result = test::runProgram(dmidecodePath(), {"--from-dump", dump, "-s", keyword});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  std::string value = trimmed(result.out);
  return value == "Not Specified" ? std::string() : value;
}

struct PeerCase {
  const char* name;
  Bytes table;
  std::uint16_t structures;
};

std::vector<PeerCase> peerCases() {
  const Bytes bios = smbiosStructure(0, Bytes(14, 0), {"BIOS Co", "1.0", "01/28/2001"});
  const Bytes boot = smbiosStructure(32, Bytes(7, 0), {});
  const Bytes chassis = smbiosStructure(3, Bytes(9, 0), {"OVX", "C-1"});
  Bytes oldSystem{1, 8, 0x10, 0x00, 2, 1, 0, 3};  // the SMBIOS 2.0 length
  oldSystem.insert(oldSystem.end(), {'M', '2', 0, 'O', 'V', 'X', 0, 'S', '9', 0, 0});
  return {
      {"plain",
       concat(
           {bios, systemStructure(1, 2, 4, {"OVX", "Model 7", "v1", "S123"}), test::endOfTable()}),
       3},
      {"string-less structures first",
       concat({boot, boot, systemStructure(1, 2, 3, {"OVX", "Model 7", "S1"}), test::endOfTable()}),
       4},
      {"strings in another order",
       concat({chassis, systemStructure(3, 1, 2, {"Model 9", "ZX-4411", "OVX"})}), 2},
      {"no serial string", concat({bios, systemStructure(1, 2, 0, {"OVX", "Model 7"})}), 2},
      {"another maker",
       concat({bios, systemStructure(1, 2, 3, {"Acme Computers", "Desk 1", "AC-77"})}), 2},
      {"no product name", concat({systemStructure(1, 0, 2, {"OVX", "S5"}), test::endOfTable()}), 2},
      {"inner blanks and punctuation",
       concat({systemStructure(1, 2, 3, {"OVX", "Think 8641-MTA (rev. 2)", "78-AB C12"})}), 1},
      {"SMBIOS 2.0 length", concat({bios, oldSystem}), 2},
  };
}

TEST(DmidecodePeerTest, SameManufacturerProductNameAndSerialAsDmidecode) {
  if (dmidecodePath().empty()) GTEST_SKIP() << "dmidecode is not installed (scripts/packages.txt)";
  test::TempDir dir;
  for (const auto& c : peerCases()) {
    SCOPED_TRACE(c.name);
    const std::string dump = dir.file("dump.bin");
    const auto dumpBytes = test::dmidecodeDump(c.table, c.structures);
    test::writeFile(dump, std::string(dumpBytes.begin(), dumpBytes.end()));

    test::MemoryImage image;
    image.place(0xF0000, Bytes(0x10000, 0));
    image.place(0xF3C40, pmem::smbiosEntryPoint(static_cast<std::uint16_t>(c.table.size()), 0xE0000,
                                                c.structures));
    image.place(0xE0000, c.table);
    image.writeTo(dir.file("memory.img"));
    ProductSystemInfo info;
    {
      test::ScopedEnv env(pmem::kImageVariable, dir.file("memory.img"));
      test::LogCapture quiet;
      ASSERT_EQ(info.ReadBiosIdentity(), 1);
    }
    std::string manufacturer, productName, serial;
    info.values(manufacturer, productName, serial);

    const std::string theirManufacturer = dmidecodeString(dump, "system-manufacturer");
    EXPECT_EQ(manufacturer, theirManufacturer);
    EXPECT_EQ(productName, dmidecodeString(dump, "system-product-name"));
    // We report a serial number for the maker's own machines only.
    const std::string theirSerial = dmidecodeString(dump, "system-serial-number");
    EXPECT_EQ(serial, theirManufacturer == "OVX" ? theirSerial : "");
    if (theirManufacturer != "OVX") {
      EXPECT_FALSE(theirSerial.empty());
    }
  }
}

}  // namespace
}  // namespace kvr
