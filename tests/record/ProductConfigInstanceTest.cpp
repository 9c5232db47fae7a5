#include "record/ProductConfig.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "record/ProductConfigCodec.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

namespace fs = std::filesystem;

TEST(ProductConfigInstance, FileBesideTheWizard) {
  struct Case {
    std::string wizard;
    std::string file;
  };
  const Case cases[] = {
      {"/opt/ovx/bin/kvrWizard", "/opt/ovx/bin/kvovxreg.dat"},
      {"C:\\Program Files\\OVX\\kvrWizard.exe", "C:\\Program Files\\OVX\\kvovxreg.dat"},
      {"/kvrWizard", "/kvovxreg.dat"},
      {"kvrWizard", "kvovxreg.dat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wizard);
    EXPECT_EQ(ProductConfig::fileBeside(c.wizard), c.file);
  }
}

TEST(ProductConfigInstance, SameObjectUntilReset) {
  ProductConfig::resetInstance();
  ProductConfig* first = ProductConfig::instance();
  EXPECT_EQ(ProductConfig::instance(), first);
  ProductConfig::deleteInstance();
  ProductConfig::instance();
  ProductConfig::resetInstance();
}

TEST(ProductConfigInstance, PutInPlaceUntilReset) {
  auto config = std::make_unique<ProductConfig>("/nonexistent/kvovxreg.dat");
  ProductConfig* placed = config.get();
  ProductConfig::setInstance(std::move(config));
  EXPECT_EQ(ProductConfig::instance(), placed);
  // None in place hides whatever lies beside the wizard.
  ProductConfig::setInstance(nullptr);
  EXPECT_EQ(ProductConfig::instance(), nullptr);
  ProductConfig::resetInstance();
}

// A copy of the probe program sits in a directory of its own beside a stand-in wizard, so
// what instance() finds depends on nothing but what the test puts there.
class ProductConfigProbe : public ::testing::Test {
 protected:
  void SetUp() override {
    m_home = fs::canonical(m_dir.path());
    fs::copy_file(test::builtProgram("productConfigProbe"), m_home / "productConfigProbe");
    test::writeFile((m_home / "kvrWizard").string(), "#!/bin/sh\nexit 0\n");
    for (const char* name : {"productConfigProbe", "kvrWizard"})
      fs::permissions(m_home / name, fs::perms::owner_all);
  }

  test::ProgramResult probe(const std::vector<std::string>& args = {}) {
    return test::runProgram((m_home / "productConfigProbe").string(), args);
  }
  std::string configFile() const { return (m_home / "kvovxreg.dat").string(); }
  std::string sampleFile() const {
    std::string path = (m_home / "sample.dat").string();
    std::string text = test::readFile(KVR_SOURCE_DIR "/res/sample/kvovxreg.txt");
    test::writeFile(path, encodeProductConfig(text).bytes);
    return path;
  }
  std::string sampleAnswers() const {
    return "found " + configFile() +
           "\n"
           "productName=OVX Sample Office\n"
           "productType=SUITE\n"
           "partNumber=10K0001\n"
           "lang 4: 10K0401\n"
           "lang 9: 10K0201\n"
           "lang 11: 10K0101 10K0102\n"
           "lang 18: 10K0001 10K0002 10K0003\n"
           "lang 22: 10K0001\n";
  }

  test::TempDir m_dir;
  fs::path m_home;
};

TEST_F(ProductConfigProbe, FindsTheFileBesideTheWizard) {
  fs::copy_file(sampleFile(), configFile());
  test::ProgramResult result = probe();
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "first: " + sampleAnswers());
}

TEST_F(ProductConfigProbe, AbsentWithoutTheFile) {
  test::ProgramResult result = probe();
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "first: absent\n");
}

TEST_F(ProductConfigProbe, LooksOnceUntilReset) {
  test::ProgramResult result = probe({"again", sampleFile()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "first: absent\nagain: absent\nreset: " + sampleAnswers());
}

TEST_F(ProductConfigProbe, FileThatCannotBeReadIsLogged) {
  fs::create_directory(configFile());
  test::ProgramResult result = probe();
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("first: found " + configFile()), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Product configuration " + configFile() + " cannot be"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("productName=\n"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace kvr
