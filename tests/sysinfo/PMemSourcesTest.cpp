#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Module.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"
#include "sysinfo/BiosTables.h"
#include "sysinfo/PMemExports.h"
#include "sysinfo/ScopedEnv.h"
#include "sysinfo/SmbiosImage.h"
#include "sysinfo/pmem/EntryPoint.h"
#include "sysinfo/pmem/SourceMemory.h"
#include "sysinfo/pmem/Sources.h"

namespace kvr::pmem {
namespace {

using test::Bytes;

std::string asText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

const Bytes kTable =
    test::concat({test::smbiosStructure(0, Bytes(14, 0), {"BIOS Co", "1.0"}),
                  test::systemStructure(1, 2, 3, {"OVX", "Model 7", "S123"}), test::endOfTable()});

std::optional<BiosValues> valuesFrom(MemorySource& source) {
  test::LogCapture quiet;
  SourceMemory memory(source);
  return readBiosTables(memory);
}

TEST(PMemSearchTest, FindsSignaturesOnParagraphsWithinTheRange) {
  RegionMemory memory;
  memory.place(0xF0000, Bytes(0x30000, 0));
  const Bytes anchor{'_', 'S', 'M', '_'};
  memory.place(0xF0008, anchor);       // not on a paragraph
  memory.place(0x11FFF0, anchor);      // past the first window of the search
  memory.place(0x11FFFE, {'_', 'D'});  // runs off the end of memory
  const struct {
    const char* name;
    std::string signature;
    std::uint32_t first, last;
    std::uint32_t expected;
  } cases[] = {
      {"unaligned is skipped, next window", "_SM_", 0xF0000, 0x11FFFF, 0x11FFF0},
      {"last is inclusive", "_SM_", 0xF0000, 0x11FFF0, 0x11FFF0},
      {"before last", "_SM_", 0xF0000, 0x11FFEF, 0},
      {"first rounds up", "_SM_", 0x11FFE1, 0x11FFFF, 0x11FFF0},
      {"cut off at the end of memory", "_DMI_", 0xF0000, 0x11FFFF, 0},
      {"outside memory", "_SM_", 0x200000, 0x300000, 0},
      {"empty signature", "", 0xF0000, 0xFFFFF, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(searchSignature(memory, c.signature, c.first, c.last, 16), c.expected);
  }
}

TEST(PMemSearchTest, RegionsMergeAndLaterBytesWin) {
  RegionMemory memory;
  memory.place(10, {1, 2, 3});
  memory.place(20, {7});
  memory.place(12, Bytes(8, 9));  // joins both
  std::array<std::uint8_t, 11> out{};
  ASSERT_TRUE(memory.read(10, out.data(), out.size()));
  EXPECT_EQ(out, (std::array<std::uint8_t, 11>{1, 2, 9, 9, 9, 9, 9, 9, 9, 9, 7}));
  EXPECT_FALSE(memory.read(9, out.data(), 2));
  EXPECT_FALSE(memory.read(20, out.data(), 2));
}

class PMemSourcesTest : public ::testing::Test {
 protected:
  std::string file(const std::string& name, const Bytes& bytes) {
    std::string path = m_dir.file(name);
    test::writeFile(path, asText(bytes));
    return path;
  }
  test::TempDir m_dir;
};

TEST_F(PMemSourcesTest, ImageFileIsReadAtItsOffsets) {
  EXPECT_EQ(openImageFile(m_dir.file("missing.img")), nullptr);
  test::MemoryImage image;
  image.place(0xF0040, smbiosEntryPoint(static_cast<std::uint16_t>(kTable.size()), 0xE0000, 3));
  image.place(0xE0000, kTable);
  image.writeTo(m_dir.file("memory.img"));
  auto source = openImageFile(m_dir.file("memory.img"));
  ASSERT_NE(source, nullptr);
  auto values = valuesFrom(*source);
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(values->serial, "S123");
  std::uint8_t byte = 0;
  EXPECT_FALSE(source->read(0xF0040 + 31, &byte, 1));  // past the end of the file
}

TEST_F(PMemSourcesTest, MemoryDeviceIsUsedOnlyWhenItsBiosAreaHoldsAnEntryPoint) {
  test::MemoryImage uefi;
  uefi.place(0xF0000, Bytes(0x10000, 0xFF));
  uefi.writeTo(m_dir.file("uefi"));
  EXPECT_EQ(openMemoryDevice(m_dir.file("uefi")), nullptr);

  test::MemoryImage bios;
  bios.place(0xF0000, Bytes(0x10000, 0xFF)).place(0xFA950, test::dmiEntryPoint(10, 0xE0000, 1));
  bios.writeTo(m_dir.file("bios"));
  EXPECT_NE(openMemoryDevice(m_dir.file("bios")), nullptr);
  EXPECT_EQ(openMemoryDevice(m_dir.file("none")), nullptr);
}

TEST_F(PMemSourcesTest, FirmwareTablesArePresentedBehindTheirEntryPoint) {
  auto length = static_cast<std::uint16_t>(kTable.size());
  Bytes sm3(24, 0);
  const char anchor3[] = "_SM3_";
  std::copy(anchor3, anchor3 + 5, sm3.begin());
  sm3[6] = 24;
  sm3[7] = 3;
  sm3[8] = 2;
  sm3[0x0C] = static_cast<std::uint8_t>(kTable.size());
  sm3[0x10 + 4] = 0x01;  // 0x1_0000_0000: above 4 GiB
  fixChecksum(sm3, 0, 24, 5);
  const struct {
    const char* name;
    Bytes entry;
  } cases[] = {
      {"32-bit entry point", smbiosEntryPoint(length, 0x7FFE0000, 3)},
      {"table inside the BIOS area", smbiosEntryPoint(length, 0xF0000, 3)},
      {"legacy DMI", test::dmiEntryPoint(length, 0xE0000, 3)},
      {"64-bit entry point above 4 GiB", sm3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    test::writeFile(dir.file("smbios_entry_point"), asText(c.entry));
    test::writeFile(dir.file("DMI"), asText(kTable));
    auto source = openFirmwareTables(dir.path().string());
    ASSERT_NE(source, nullptr);
    auto values = valuesFrom(*source);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->manufacturer, "OVX");
    EXPECT_EQ(values->productName, "Model 7");
    EXPECT_EQ(values->serial, "S123");
  }
}

TEST_F(PMemSourcesTest, FirmwareTablesMissingOrUnknownAreNoSource) {
  EXPECT_EQ(openFirmwareTables(m_dir.file("nothing")), nullptr);
  file("smbios_entry_point", {'?', '?', '?', '?'});
  file("DMI", kTable);
  EXPECT_EQ(openFirmwareTables(m_dir.path().string()), nullptr);
}

TEST_F(PMemSourcesTest, IdentityAttributesGiveManufacturerAndModelBehindAValidEntryPoint) {
  EXPECT_EQ(buildFromIdentityAttributes(m_dir.path().string()), nullptr);
  test::writeFile(m_dir.file("sys_vendor"), "OVX\n");
  test::writeFile(m_dir.file("product_name"), "Model 7\n");
  {
    auto source = buildFromIdentityAttributes(m_dir.path().string());
    ASSERT_NE(source, nullptr);
    auto values = valuesFrom(*source);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->manufacturer, "OVX");
    EXPECT_EQ(values->productName, "Model 7");
    EXPECT_EQ(values->serial, "");  // hidden from ordinary users
  }
  test::writeFile(m_dir.file("product_serial"), "S123\n");
  auto source = buildFromIdentityAttributes(m_dir.path().string());
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(valuesFrom(*source)->serial, "S123");
}

}  // namespace
}  // namespace kvr::pmem

namespace kvr::pmem {
namespace {

TEST(PMemLibraryTest, ExportsRefuseToWorkUntilOpenedOnASource) {
  auto library = platform::loadModule("pmemw.dll");
  ASSERT_NE(library, nullptr) << "pmemw.so is not beside the test program";
  auto open = reinterpret_cast<PMemOpenFunction>(library->symbol("PMemOpen"));
  auto search = reinterpret_cast<PMemSearchFunction>(library->symbol("PMemSearch"));
  auto read = reinterpret_cast<PMemReadFunction>(library->symbol("PMemRead"));
  ASSERT_TRUE(open && search && read);

  test::TempDir dir;
  test::MemoryImage image;
  image.place(0xF0000, Bytes(0x10000, 0)).place(0xF1230, {'_', 'S', 'M', '_'});
  image.writeTo(dir.file("memory.img"));
  std::uint8_t bytes[4] = {};
  {
    test::ScopedEnv env(kImageVariable, dir.file("memory.img"));
    ASSERT_EQ(open(0), 1);
    EXPECT_EQ(search("_SM_", 0xF0000, 0xFFFFF, 16), 0xF1230u);
    EXPECT_EQ(search(nullptr, 0xF0000, 0xFFFFF, 16), 0u);
    EXPECT_EQ(read(bytes, 0xF1230, 4), 0);
    EXPECT_EQ(std::string(bytes, bytes + 4), "_SM_");
    EXPECT_NE(read(bytes, 0xFFFFE, 4), 0);  // runs past the image
  }
  test::ScopedEnv env(kImageVariable, dir.file("missing.img"));
  EXPECT_EQ(open(0), 0);
  EXPECT_EQ(search("_SM_", 0xF0000, 0xFFFFF, 16), 0u);
  EXPECT_NE(read(bytes, 0xF1230, 4), 0);
}

}  // namespace
}  // namespace kvr::pmem
