#include <gtest/gtest.h>

#include <map>

#include "brand/BrandProfile.h"
#include "platform/Module.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"
#include "sysinfo/ProductSystemInfo.h"
#include "sysinfo/ScopedEnv.h"
#include "sysinfo/SmbiosImage.h"
#include "sysinfo/pmem/EntryPoint.h"
#include "sysinfo/pmem/Sources.h"

namespace kvr {
namespace {

using test::Bytes;

using test::ScopedEnv;

int g_initialized = 1;
int g_opened = 1;
int fakeIsInitialized() { return g_initialized; }
int fakeOpen(std::uint32_t) { return g_opened; }
std::uint32_t fakeSearch(const char*, std::uint32_t, std::uint32_t, std::uint32_t) { return 0; }
int fakeRead(void*, std::uint32_t, std::uint32_t) { return 1; }

class FakeLibrary : public platform::Module {
 public:
  explicit FakeLibrary(std::map<std::string, void*> symbols) : m_symbols(std::move(symbols)) {}
  void* symbol(const char* name) override {
    auto it = m_symbols.find(name);
    return it == m_symbols.end() ? nullptr : it->second;
  }

 private:
  std::map<std::string, void*> m_symbols;
};

std::map<std::string, void*> allExports() {
  return {{"PMemIsInitialized", reinterpret_cast<void*>(&fakeIsInitialized)},
          {"PMemOpen", reinterpret_cast<void*>(&fakeOpen)},
          {"PMemSearch", reinterpret_cast<void*>(&fakeSearch)},
          {"PMemRead", reinterpret_cast<void*>(&fakeRead)}};
}

const std::string kPrepare = "BiosProcessing: Preparing to load pmemw.dll\n";
const std::string kLoad = "BiosProcessing: Attempting to load PMEM.DLL\n";
const std::string kFindInitialized =
    "BiosProcessing: Attempting to find PMemIsInitialized routine\n";
const std::string kCallInitialized = "BiosProcessing: Attempting PMemIsInitialized\n";
const std::string kFindOpen = "BiosProcessing: Attempting to find PMemOpen routine\n";
const std::string kCallOpen = "BiosProcessing: Attempting PMemOpen\n";
const std::string kFindSearch = "BiosProcessing: Attempting to find PMemSearch routine\n";
const std::string kFindRead = "BiosProcessing: Attempting to find PMemRead routine\n";
const std::string kFailure = "BiosProcessing: Failure-Accessing Bios is not possible\n";

class ProductSystemInfoTest : public ::testing::Test {
 protected:
  void TearDown() override {
    g_initialized = 1;
    g_opened = 1;
  }

  // A flat image whose SMBIOS table names an OVX machine with blanks around its values.
  std::string writeImage(const std::string& manufacturer = "OVX") {
    const Bytes table =
        test::concat({test::systemStructure(1, 2, 3, {manufacturer, "  Model 7 ", " S123\t"}),
                      test::endOfTable()});
    test::MemoryImage image;
    image.place(0xF0000, Bytes(0x10000, 0));
    image.place(0xF0050,
                pmem::smbiosEntryPoint(static_cast<std::uint16_t>(table.size()), 0xE0000, 2));
    image.place(0xE0000, table);
    std::string path = m_dir.file("memory.img");
    image.writeTo(path);
    return path;
  }

  std::array<std::string, 3> values() const {
    std::array<std::string, 3> v;
    m_info.values(v[0], v[1], v[2]);
    return v;
  }

  test::TempDir m_dir;
  ProductSystemInfo m_info;
};

TEST_F(ProductSystemInfoTest, EveryLibraryFailureLeavesTheValuesEmptyAndLogsIt) {
  const struct {
    const char* name;
    bool loads;
    const char* missing;
    int initialized;
    int opened;
    std::string log;
  } cases[] = {
      {"library missing", false, "", 1, 1, kPrepare + kLoad + kFailure},
      {"no PMemIsInitialized", true, "PMemIsInitialized", 1, 1,
       kPrepare + kLoad + kFindInitialized + kFailure},
      {"not initialised", true, "", 0, 1,
       kPrepare + kLoad + kFindInitialized + kCallInitialized + kFailure},
      {"no PMemOpen", true, "PMemOpen", 1, 1,
       kPrepare + kLoad + kFindInitialized + kCallInitialized + kFindOpen + kFailure},
      {"open fails", true, "", 1, 0,
       kPrepare + kLoad + kFindInitialized + kCallInitialized + kFindOpen + kCallOpen + kFailure},
      {"no PMemSearch", true, "PMemSearch", 1, 1,
       kPrepare + kLoad + kFindInitialized + kCallInitialized + kFindOpen + kCallOpen +
           kFindSearch + kFailure},
      {"no PMemRead", true, "PMemRead", 1, 1,
       kPrepare + kLoad + kFindInitialized + kCallInitialized + kFindOpen + kCallOpen +
           kFindSearch + kFindRead + kFailure},
  };
  const std::string image = writeImage();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    {
      // Values from an earlier read must not survive a failed one.
      ScopedEnv env(pmem::kImageVariable, image);
      test::LogCapture quiet;
      ASSERT_EQ(m_info.ReadBiosIdentity(), 1);
    }
    g_initialized = c.initialized;
    g_opened = c.opened;
    test::LogCapture log;
    int result =
        m_info.ReadBiosIdentity([&](std::string_view name) -> std::unique_ptr<platform::Module> {
          EXPECT_EQ(name, "pmemw.dll");
          if (!c.loads) return nullptr;
          auto symbols = allExports();
          symbols.erase(c.missing);
          return std::make_unique<FakeLibrary>(symbols);
        });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(log.text(), c.log);
    EXPECT_EQ(values(), (std::array<std::string, 3>{"", "", ""}));
  }
}

TEST_F(ProductSystemInfoTest, LibraryFoundButNoTableFoundReturnsZeroWithoutFailureLine) {
  test::LogCapture log;
  EXPECT_EQ(m_info.ReadBiosIdentity(
                [](std::string_view) { return std::make_unique<FakeLibrary>(allExports()); }),
            0);
  EXPECT_EQ(log.text().find(kFailure), std::string::npos);
  EXPECT_NE(log.text().find(kFindRead + "BiosProcessing: Searching memory for SMBIOS"),
            std::string::npos);
}

TEST_F(ProductSystemInfoTest, RealLibraryReadsTheImageNamedByTheEnvironment) {
  ScopedEnv env(pmem::kImageVariable, writeImage());
  test::LogCapture log;
  ASSERT_EQ(m_info.ReadBiosIdentity(), 1) << log.text();
  EXPECT_EQ(values(), (std::array<std::string, 3>{"OVX", "Model 7", "S123"}));
  // Stored as found; only values() trims.
  EXPECT_EQ(m_info.systemPairs().at("q16"), "  Model 7 ");
  EXPECT_EQ(log.text().rfind(kPrepare + kLoad + kFindInitialized + kCallInitialized + kFindOpen +
                                 kCallOpen + kFindSearch + kFindRead,
                             0),
            0u);
}

TEST_F(ProductSystemInfoTest, RealLibraryMissingOrUnopenable) {
  {
    ScopedEnv env(pmem::kImageVariable, m_dir.file("no-such-image"));
    test::LogCapture log;
    EXPECT_EQ(m_info.ReadBiosIdentity(), 0);
    EXPECT_EQ(log.text(), kPrepare + kLoad + kFindInitialized + kCallInitialized + kFindOpen +
                              kCallOpen + kFailure);
  }
  {
    test::LogCapture log;
    EXPECT_EQ(m_info.ReadBiosIdentity([&](std::string_view name) {
      return platform::loadModule(m_dir.file(std::string(name)));
    }),
              0);
    EXPECT_EQ(log.text(), kPrepare + kLoad + kFailure);
  }
  EXPECT_EQ(values(), (std::array<std::string, 3>{"", "", ""}));
}

TEST_F(ProductSystemInfoTest, RequestFragmentSendsSystemPairsOnlyWhenAgreed) {
  EXPECT_EQ(m_info.requestFragment(), "");
  m_info.setSendFlag(1);
  EXPECT_EQ(m_info.requestFragment(), "q15=%20&q16=%20&q17=%20");

  m_info.setSendFlag(0);
  m_info.setProductPair("prodName", "Lex Pro 2.0");
  m_info.setProductPair("numOfProds", "1");
  m_info.setProductPair("prod1", "OVX-12_a");
  m_info.setProductPair("q2", "");
  EXPECT_EQ(m_info.requestFragment(),
            "numOfProds=1&prod1=OVX%2d12_a&prodName=Lex%20Pro%202%2e0&q2=%20");

  ScopedEnv env(pmem::kImageVariable, writeImage());
  test::LogCapture quiet;
  ASSERT_EQ(m_info.ReadBiosIdentity(), 1);
  m_info.setSendFlag(1);
  EXPECT_EQ(m_info.requestFragment(),
            "numOfProds=1&prod1=OVX%2d12_a&prodName=Lex%20Pro%202%2e0&q2=%20"
            "&q15=OVX&q16=%20%20Model%207%20&q17=%20S123%09");
}

TEST_F(ProductSystemInfoTest, SingleInstanceIsDeletedAndMadeAgain) {
  ProductSystemInfo::instance().setSendFlag(1);
  EXPECT_EQ(ProductSystemInfo::instance().sendFlag(), 1);
  ProductSystemInfo::deleteInstance();
  EXPECT_EQ(ProductSystemInfo::instance().sendFlag(), 0);
  ProductSystemInfo::deleteInstance();
}

TEST_F(ProductSystemInfoTest, VersionTextNamesBrandAndProgram) {
  EXPECT_EQ(ProductSystemInfo::versionText(),
            "KVR 2.2.010228 " + brandProfile().shortName() + " sysinfo_test");
}

}  // namespace
}  // namespace kvr
