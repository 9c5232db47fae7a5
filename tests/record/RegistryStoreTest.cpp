#include "record/RegistryStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/HiveFile.h"
#include "platform/Registry.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

using namespace std::string_literals;
using platform::RegAccess;
using platform::RegRoot;

constexpr const char* kBase = "Software\\OVX\\Product Registration";

class RegistryStoreTest : public ::testing::Test {
 protected:
  // The value as the registry holds it, with its type and terminating zero.
  platform::RegValue raw(const std::string& section, const std::string& name) {
    std::unique_ptr<platform::RegKey> key;
    platform::RegValue value;
    EXPECT_EQ(platform::registry().openKey(RegRoot::CurrentUser, kBase + ("\\" + section),
                                           RegAccess::Read, key),
              platform::kRegSuccess);
    if (key) {
      EXPECT_EQ(key->queryValue(name, 4096, value), platform::kRegSuccess);
    }
    return value;
  }

  void writeRaw(const std::string& section, const std::string& name, std::uint32_t type,
                const std::string& data) {
    std::unique_ptr<platform::RegKey> key;
    ASSERT_EQ(platform::registry().createKey(RegRoot::CurrentUser, kBase + ("\\" + section), key),
              platform::kRegSuccess);
    ASSERT_EQ(key->setValue(name, type, data), platform::kRegSuccess);
  }

  test::ScopedPrefix m_prefix;
};

TEST_F(RegistryStoreTest, FirstWriteCreatesTheWholeKeyChain) {
  ASSERT_FALSE(std::filesystem::exists(m_prefix.file("user.reg")));
  EXPECT_EQ(RegistryStore::readText("OVX Brand", "q2"), "");
  EXPECT_EQ(RegistryStore::readInt("OVX Brand", "q2"), -1);

  EXPECT_TRUE(RegistryStore::writeText("OVX Brand", "q2", "answer"));

  auto parsed = platform::parseHive(test::readFile(m_prefix.file("user.reg")), "HKEY_CURRENT_USER");
  ASSERT_FALSE(parsed.error);
  const platform::HiveKey* product =
      parsed.root.child("Software")->child("OVX")->child("Product Registration");
  ASSERT_NE(product, nullptr);
  EXPECT_EQ(product->name(), "Product Registration");
  ASSERT_EQ(product->childCount(), 2u);
  EXPECT_EQ(product->childAt(0)->name(), "General");
  EXPECT_EQ(product->childAt(0)->valueCount(), 0u);
  EXPECT_EQ(product->childAt(1)->name(), "OVX Brand");
  EXPECT_EQ(RegistryStore::readText("OVX Brand", "q2"), "answer");
}

TEST_F(RegistryStoreTest, IntegersAreStoredAsDecimalTextOfAtLeastFourBytes) {
  struct {
    int written;
    std::string stored;
    int read;
  } cases[] = {
      {1, "1", 1},
      {0, "0", 0},
      {-1, "-1", -1},
      {999, "999", 999},
      {1000, "1000", 1000},
      {-999, "-999", -999},
      // Longer numbers keep every digit.
      {12345, "12345", 12345},
      {-12345, "-12345", -12345},
      {2147483647, "2147483647", 2147483647},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    EXPECT_TRUE(RegistryStore::writeInt("General", "number", c.written));
    platform::RegValue value = raw("General", "number");
    EXPECT_EQ(value.type, std::uint32_t{platform::kRegSz});
    EXPECT_EQ(value.data, c.stored + '\0');
    EXPECT_EQ(RegistryStore::readInt("General", "number"), c.read);
    EXPECT_EQ(RegistryStore::readText("General", "number"), c.stored);
  }
}

TEST_F(RegistryStoreTest, TextsRoundTripUpTo1023Bytes) {
  struct {
    std::string label;
    std::string text;
    std::string read;
  } cases[] = {
      {"plain", "Jane Doe", "Jane Doe"},
      {"code-page bytes",
       "M\xfcller, Stra\xdf"
       "e 5 \x80",
       "M\xfcller, Stra\xdf"
       "e 5 \x80"},
      {"line feeds", "line 1\r\nline 2", "line 1\r\nline 2"},
      {"quotes and backslashes", "\"C:\\dir\\\"", "\"C:\\dir\\\""},
      {"empty", "", ""},
      {"1023 bytes", std::string(1023, 'x'), std::string(1023, 'x')},
      {"1024 bytes", std::string(1024, 'y'), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_TRUE(RegistryStore::writeText("General", "text", c.text));
    EXPECT_EQ(RegistryStore::readText("General", "text"), c.read);
  }
  // The empty text is a value holding its zero alone, not a missing one.
  RegistryStore::writeText("General", "blank", "");
  EXPECT_EQ(raw("General", "blank").data, "\0"s);
}

TEST_F(RegistryStoreTest, IntegersWrittenInOtherFormsReadBackAsNumbers) {
  writeRaw("General", "dword", platform::kRegDword, "\x2a\x00\x00\x00"s);
  writeRaw("General", "negative", platform::kRegDword, "\xff\xff\xff\xff"s);
  writeRaw("General", "binary", platform::kRegBinary, "\x07\x00\x00\x00\xff"s);
  writeRaw("General", "short", platform::kRegBinary, "\x05"s);
  writeRaw("General", "padded", platform::kRegSz, "  17 apples");
  writeRaw("General", "words", platform::kRegSz, "many");
  writeRaw("General", "expand", platform::kRegExpandSz, "5\0"s);
  writeRaw("General", "huge", platform::kRegSz, std::string(300, '9'));
  EXPECT_EQ(RegistryStore::readInt("General", "dword"), 42);
  EXPECT_EQ(RegistryStore::readInt("General", "negative"), -1);
  EXPECT_EQ(RegistryStore::readInt("General", "binary"), 7);
  EXPECT_EQ(RegistryStore::readInt("General", "short"), 5);
  EXPECT_EQ(RegistryStore::readInt("General", "padded"), 17);
  EXPECT_EQ(RegistryStore::readInt("General", "words"), 0);
  EXPECT_EQ(RegistryStore::readInt("General", "expand"), -1);
  EXPECT_EQ(RegistryStore::readInt("General", "huge"), -1);  // does not fit 256 bytes
  EXPECT_EQ(RegistryStore::readInt("General", "missing"), -1);
  EXPECT_EQ(RegistryStore::readInt("Missing Section", "dword"), -1);
}

TEST_F(RegistryStoreTest, DwordInAHiveWrittenByAnotherProgramReadsAsItsNumber) {
  test::writeFile(m_prefix.file("user.reg"),
                  "REGEDIT4\r\n\r\n"
                  "[HKEY_CURRENT_USER\\Software\\OVX\\Product Registration\\General]\r\n"
                  "\"q3\"=dword:0000002a\r\n"
                  "\"name\"=\"Jane\"\r\n");
  EXPECT_EQ(RegistryStore::readInt("General", "q3"), 42);
  EXPECT_EQ(RegistryStore::readText("General", "name"), "Jane");
  EXPECT_EQ(RegistryStore::readText("General", "q3"), "*");
}

TEST_F(RegistryStoreTest, WriteTextReportsTheOpenedKeyNotTheWrite) {
  EXPECT_TRUE(RegistryStore::writeText("General", "bad\nname", "x"));
  EXPECT_EQ(RegistryStore::readText("General", "bad\nname"), "");
  EXPECT_FALSE(RegistryStore::writeInt("General", "bad\nname", 1));
  EXPECT_FALSE(RegistryStore::writeText("Bad\\Section\\", "name", "x"));
}

TEST_F(RegistryStoreTest, BatchSavesEverythingWhenItEnds) {
  {
    RegistryStore::Batch batch;
    for (int i = 0; i < 40; ++i) {
      EXPECT_TRUE(RegistryStore::writeText("General", "t" + std::to_string(i), std::to_string(i)));
      EXPECT_TRUE(RegistryStore::writeInt("Brand", "q" + std::to_string(i), i));
    }
    EXPECT_EQ(RegistryStore::readInt("Brand", "q7"), 7);
    EXPECT_FALSE(std::filesystem::exists(m_prefix.file("user.reg")));
  }
  auto parsed = platform::parseHive(test::readFile(m_prefix.file("user.reg")), "HKEY_CURRENT_USER");
  ASSERT_FALSE(parsed.error);
  const platform::HiveKey* product =
      parsed.root.child("Software")->child("OVX")->child("Product Registration");
  EXPECT_EQ(product->child("General")->valueCount(), 40u);
  EXPECT_EQ(product->child("Brand")->valueCount(), 40u);
  EXPECT_EQ(RegistryStore::readText("General", "t39"), "39");
}

TEST_F(RegistryStoreTest, DamagedHiveIsKeptAndTheStoreGoesOnEmpty) {
  const std::string damaged =
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\OVX\\Product Registration\\General]\n"
      "\"firstName\"=\"Ja";
  test::writeFile(m_prefix.file("user.reg"), damaged);
  std::string log;
  {
    test::LogCapture capture;
    EXPECT_EQ(RegistryStore::readText("General", "firstName"), "");
    log = capture.text();
  }
  EXPECT_NE(log.find("line 4: unterminated quote"), std::string::npos) << log;

  EXPECT_TRUE(RegistryStore::writeText("General", "firstName", "Jane"));
  EXPECT_EQ(RegistryStore::readText("General", "firstName"), "Jane");
  int copies = 0;
  for (const auto& entry : std::filesystem::directory_iterator(m_prefix.path())) {
    if (entry.path().filename().string().rfind("user.reg.damaged-", 0) != 0) continue;
    ++copies;
    EXPECT_EQ(test::readFile(entry.path().string()), damaged);
  }
  EXPECT_EQ(copies, 1);
}

}  // namespace
}  // namespace kvr
