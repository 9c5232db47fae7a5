#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "support/LogCapture.h"
#include "sysinfo/BiosTables.h"
#include "sysinfo/SmbiosImage.h"
#include "sysinfo/pmem/EntryPoint.h"
#include "sysinfo/pmem/SourceMemory.h"

namespace kvr {
namespace {

using test::Bytes;
using test::MemoryImage;

constexpr std::uint32_t kSmbiosTable = 0xE0000;
constexpr std::uint32_t kDmiTable = 0xE8000;

const Bytes kOvxTable =
    test::concat({test::smbiosStructure(0, Bytes(14, 0), {"BIOS Co", "1.0"}),
                  test::systemStructure(1, 2, 3, {"OVX", "Model 7", "S123"}), test::endOfTable()});

Bytes entryFor(const Bytes& table, std::uint32_t address) {
  return pmem::smbiosEntryPoint(static_cast<std::uint16_t>(table.size()), address, 3);
}

// Keeps every search the table reader asks for.
class RecordingMemory : public PhysicalMemory {
 public:
  explicit RecordingMemory(const MemoryImage& image)
      : m_source(image.memory()), m_memory(*m_source) {}

  std::uint32_t search(std::string_view signature, std::uint32_t first, std::uint32_t last,
                       std::uint32_t step) override {
    searches.emplace_back(std::string(signature), first);
    return m_memory.search(signature, first, last, step);
  }
  bool read(void* destination, std::uint32_t address, std::uint32_t count) override {
    return m_memory.read(destination, address, count);
  }

  std::vector<std::pair<std::string, std::uint32_t>> searches;

 private:
  std::unique_ptr<pmem::RegionMemory> m_source;
  pmem::SourceMemory m_memory;
};

struct Outcome {
  std::optional<BiosValues> values;
  std::string log;
  std::vector<std::pair<std::string, std::uint32_t>> searches;
};

Outcome readFrom(const MemoryImage& image) {
  test::LogCapture log;
  RecordingMemory memory(image);
  Outcome outcome;
  outcome.values = readBiosTables(memory);
  outcome.log = log.text();
  outcome.searches = memory.searches;
  return outcome;
}

std::string checksumLine(std::uint8_t sum) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%2.2X", static_cast<unsigned>(sum));
  return std::string("                Calculated Checksum   = ") + hex + "\n";
}

TEST(BiosTablesTest, SmbiosTableGivesTheValuesWithEveryStepLogged) {
  MemoryImage image;
  image.place(0xF0000, Bytes(0x10000, 0)).place(0xF5A30, entryFor(kOvxTable, kSmbiosTable));
  image.place(kSmbiosTable, kOvxTable);
  Outcome out = readFrom(image);
  ASSERT_TRUE(out.values.has_value());
  EXPECT_EQ(out.values->manufacturer, "OVX");
  EXPECT_EQ(out.values->productName, "Model 7");
  EXPECT_EQ(out.values->serial, "S123");
  EXPECT_EQ(out.log,
            "BiosProcessing: Searching memory for SMBIOS Structure Table Header\n"
            "BiosProcessing: Reading SMBIOS Structure Table header \n"
            "BiosProcessing: Attempting to copy StructTable to local memory \n"
            "BiosProcessing: Searching for Type 1 structure\n"
            "BiosProcessing: Searching for Manufacturer, ProductName, Serial\n"
            "BiosProcessing: Manufacturer= OVX\n"
            "BiosProcessing: ProductName= Model 7\n"
            "BiosProcessing: serial= S123\n");
}

TEST(BiosTablesTest, HeaderWithBadChecksumIsSkippedAndTheSearchGoesOnSixteenBytesLater) {
  Bytes broken = entryFor(kOvxTable, kSmbiosTable);
  broken[0x06] ^= 0x40;
  MemoryImage image;
  image.place(0xF0000, Bytes(0x10000, 0)).place(0xF0000, broken);
  image.place(0xF0010, entryFor(kOvxTable, kSmbiosTable)).place(kSmbiosTable, kOvxTable);
  // The bad header's 31 bytes run into the good one that starts 16 bytes later.
  const std::uint8_t sum = test::byteSum(image.flat(), 0xF0000, 31);
  ASSERT_NE(sum, 0);

  Outcome out = readFrom(image);
  ASSERT_TRUE(out.values.has_value());
  EXPECT_EQ(out.values->productName, "Model 7");
  ASSERT_GE(out.searches.size(), 2u);
  EXPECT_EQ(out.searches[0], std::make_pair(std::string("_SM_"), 0xF0000u));
  EXPECT_EQ(out.searches[1], std::make_pair(std::string("_SM_"), 0xF0010u));
  EXPECT_NE(out.log.find(
                "BiosProcessing: Reading SMBIOS Structure Table header \n"
                "BiosProcessing: Invalid _SM_ Structure Table Header found. Checksum failure.\n" +
                checksumLine(sum) +
                "BiosProcessing: Reading SMBIOS Structure Table header \n"
                "BiosProcessing: Attempting to copy StructTable to local memory \n"),
            std::string::npos)
      << out.log;
}

TEST(BiosTablesTest, GoodHeaderWithoutTypeOneStringsFallsThroughToDmi) {
  const Bytes noStrings = test::concat({test::systemStructure(0, 0, 0, {}), test::endOfTable()});
  const Bytes dmiTable = test::concat({test::systemStructure(1, 2, 3, {"OVX", "Old 5", "D77"})});
  const struct {
    const char* name;
    Bytes smbiosTable;
  } cases[] = {
      {"type 1 without strings", noStrings},
      {"no type 1", test::endOfTable()},
      {"empty table", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryImage image;
    // The legacy anchor comes first: the DMI search would otherwise find the "_DMI_" inside
    // the SMBIOS entry point, which leads to the same table.
    image.place(0xF0000, Bytes(0x10000, 0)).place(0xF0200, entryFor(c.smbiosTable, kSmbiosTable));
    image.place(0xF0100,
                test::dmiEntryPoint(static_cast<std::uint16_t>(dmiTable.size()), kDmiTable, 1));
    image.place(kSmbiosTable, c.smbiosTable).place(kDmiTable, dmiTable);
    Outcome out = readFrom(image);
    ASSERT_TRUE(out.values.has_value());
    EXPECT_EQ(out.values->productName, "Old 5");
    EXPECT_EQ(out.values->serial, "D77");
    // The good SMBIOS header ends the SMBIOS search: "_SM_" is asked for once.
    EXPECT_EQ(out.searches.front(), std::make_pair(std::string("_SM_"), 0xF0000u));
    EXPECT_EQ(out.searches[1], std::make_pair(std::string("_DMI_"), 0xF0000u));
    EXPECT_NE(out.log.find("BiosProcessing: Searching memory for DMI Structure Table Header\n"
                           "BiosProcessing: Reading DMI Structure Table header \n"
                           "BiosProcessing: Attempting to copy StructTable to local memory \n"),
              std::string::npos)
        << out.log;
  }
}

TEST(BiosTablesTest, SerialIsKeptOnlyForTheMakersOwnMachines) {
  const struct {
    std::string manufacturer;
    std::uint8_t serialNumber;
    std::string expectedSerial;
  } cases[] = {
      {"OVX", 3, "S123"}, {"OVX", 0, ""},  // string number 0: no serial
      {"Acme", 3, ""},    {"ovx", 3, ""}, {"OVX Corp", 3, ""}, {"", 3, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.manufacturer + "/" + std::to_string(c.serialNumber));
    std::vector<std::string> strings{"Model 7", "S123"};
    std::uint8_t manufacturer = 0;
    if (!c.manufacturer.empty()) {
      strings.push_back(c.manufacturer);
      manufacturer = 3;
    }
    const Bytes table =
        test::systemStructure(manufacturer, 1, c.serialNumber == 0 ? 0 : 2, strings);
    MemoryImage image;
    image.place(0xF0000, entryFor(table, kSmbiosTable)).place(kSmbiosTable, table);
    Outcome out = readFrom(image);
    ASSERT_TRUE(out.values.has_value());
    EXPECT_EQ(out.values->manufacturer, c.manufacturer);
    EXPECT_EQ(out.values->productName, "Model 7");
    EXPECT_EQ(out.values->serial, c.expectedSerial);
  }
}

TEST(BiosTablesTest, VpdBlockWithWrongChecksumIsStillUsed) {
  const Bytes vpd = test::vpdBlock("8641MTA", "78ABC12", true);
  MemoryImage image;
  // An option-ROM signature without "VPD" comes first and is passed over.
  image.place(0xF0000, Bytes(0x10000, 0)).place(0xF2000, Bytes{0xAA, 0x55, 0x40, 0xE9});
  image.place(0xF7FF0, vpd);
  Outcome out = readFrom(image);
  ASSERT_TRUE(out.values.has_value());
  EXPECT_EQ(out.values->manufacturer, "OVX");
  EXPECT_EQ(out.values->productName, "8641MTA");
  EXPECT_EQ(out.values->serial, "78ABC12");
  EXPECT_EQ(out.searches.back(), std::make_pair(std::string("\xAA\x55"), 0xF2010u));

  std::ostringstream dump;
  writeHexDump(dump, vpd);
  const std::string tail = "BiosProcessing: Reading VPD Structure \n" + dump.str() +
                           "BiosProcessing: Checking Signature of VPD Structure \n"
                           "BiosProcessing: Invalid VPD Data found. Checksum failure.\n" +
                           checksumLine(test::byteSum(vpd, 0, 47)) +
                           "BiosProcessing: Manufacturer= OVX\n"
                           "BiosProcessing: ProductName= 8641MTA\n"
                           "BiosProcessing: serial= 78ABC12\n";
  ASSERT_GE(out.log.size(), tail.size());
  EXPECT_EQ(out.log.substr(out.log.size() - tail.size()), tail);
  EXPECT_NE(out.log.find("BiosProcessing: Searching memory for VPD Data\n"), std::string::npos);
}

TEST(BiosTablesTest, VpdBlockWithRightChecksumLogsNoFailure) {
  MemoryImage image;
  image.place(0xF0000, test::vpdBlock("8641MTA", "78ABC12", false));
  Outcome out = readFrom(image);
  ASSERT_TRUE(out.values.has_value());
  EXPECT_EQ(out.log.find("Checksum failure"), std::string::npos);
}

TEST(BiosTablesTest, NothingFoundSearchesAllThreeSources) {
  const struct {
    const char* name;
    MemoryImage image;
  } cases[] = {
      {"empty area", MemoryImage().place(0xF0000, Bytes(0x10000, 0))},
      {"no memory at all", MemoryImage()},
      // The header is good but its table lies where nothing can be read.
      {"unreadable table", MemoryImage().place(0xF0000, entryFor(kOvxTable, 0x40000000))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Outcome out = readFrom(c.image);
    EXPECT_FALSE(out.values.has_value());
    EXPECT_NE(out.log.find("BiosProcessing: Searching memory for DMI Structure Table Header\n"),
              std::string::npos);
    EXPECT_NE(out.log.find("BiosProcessing: Searching memory for VPD Data\n"), std::string::npos);
  }
}

TEST(BiosTablesTest, HexDumpPairsBytesAndShowsPrintableCharacters) {
  const Bytes full{0xAA, 0x55, 'V', 'P', 'D',  0x30, 0x00, 0x7F,
                   0x80, 'a',  ' ', '~', 0x1F, 0xFF, '0',  '9'};
  const Bytes shortRow{0x41, 0x0A, 0x42, 0x43, 0xC9};
  std::ostringstream out;
  writeHexDump(out, test::concat({full, shortRow}));
  EXPECT_EQ(out.str(),
            "AA55 5650 4430 007F 8061 207E 1FFF 3039   |.UVPD0...a ~..09|\n"
            // A short row: two blanks for each missing byte, the characters padded.
            "410A 4243 C9" +
                std::string(11 * 2, ' ') + "   |A.BC." + std::string(11, ' ') + "|\n");
  std::ostringstream none;
  writeHexDump(none, {});
  EXPECT_EQ(none.str(), "");
}

}  // namespace
}  // namespace kvr
