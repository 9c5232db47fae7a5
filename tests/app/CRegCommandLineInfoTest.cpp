#include "app/CRegCommandLineInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Options.h"
#include "support/LogCapture.h"

namespace kvr {
namespace {

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override { resetOptions(); }
  void TearDown() override { resetOptions(); }

  // Parses the arguments as the program would receive them after its own name.
  std::string parse(std::vector<std::string> args) {
    test::LogCapture log;
    std::vector<char*> argv{const_cast<char*>("kvrWizard")};
    for (auto& arg : args) argv.push_back(arg.data());
    parseCommandLine(static_cast<int>(argv.size()), argv.data(), m_info);
    return log.text();
  }

  CRegCommandLineInfo m_info;
};

TEST_F(CommandLineTest, OptionsAreMatchedWithoutCaseAndStoredInLowerCase) {
  struct {
    std::string argument;
    std::string OptionStore::*option;
    std::string value;
  } cases[] = {
      {"-Connect=NO", &OptionStore::connect, "no"},
      {"/connect=no", &OptionStore::connect, "no"},
      {"-lang=en_US", &OptionStore::lang, "en_us"},
      {"-REGISTERLATER=No", &OptionStore::registerLater, "no"},
      {"/splashdelay=0", &OptionStore::splashdelay, "0"},
      {"-timeout=120", &OptionStore::timeout, "120"},
      {"-cleanRegistry=RETRY", &OptionStore::cleanRegistry, "retry"},
      {"-regressiontest=Yes", &OptionStore::regressionTest, "yes"},
      {"-thankyou=yes", &OptionStore::thankyou, "yes"},
      {"-javaconnect=YES", &OptionStore::javaconnect, "yes"},
      {"-debug=Yes", &OptionStore::debug, "yes"},
      {"-connect=", &OptionStore::connect, ""},
      {"-connect=a=b", &OptionStore::connect, "a=b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    resetOptions();
    EXPECT_EQ(parse({c.argument}), "");
    EXPECT_EQ(options().*c.option, c.value);
  }
}

TEST_F(CommandLineTest, MalformedAndUnknownOptionsAreLoggedAndChangeNothing) {
  struct {
    std::string argument;
    std::string logged;
  } cases[] = {
      {"-connect", "Unknown Parameter: connect\n"},
      {"-foo=1", "Unknown Parameter: foo=1\n"},
      {"/langs=deu", "Unknown Parameter: langs=deu\n"},
      {"-", "Unknown Parameter: \n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    resetOptions();
    EXPECT_EQ(parse({c.argument}), c.logged);
    EXPECT_EQ(options().connect, "Yes");
    EXPECT_EQ(options().lang, "NotSpecified");
  }
}

TEST_F(CommandLineTest, PlainArgumentsKeepTheirOrderAndCase) {
  EXPECT_EQ(parse({"OVXOFFICE", "-lang=deu", "Writer", "=x", "OVXOFFICE"}), "");
  EXPECT_EQ(m_info.plainArguments(), (std::vector<std::string>{"OVXOFFICE", "Writer", "=x", "OVXOFFICE"}));
  EXPECT_EQ(options().lang, "deu");
}

TEST_F(CommandLineTest, ALaterArgumentOverwritesAnEarlierOne) {
  parse({"-connect=Direct", "-CONNECT=DirectIP"});
  EXPECT_EQ(options().connect, "directip");
}

TEST_F(CommandLineTest, DefaultsHoldWithoutArguments) {
  parse({});
  const OptionStore defaults;
  EXPECT_EQ(options().lang, "NotSpecified");
  EXPECT_EQ(options().timeout, "45");
  EXPECT_EQ(options().splashdelay, "6");
  EXPECT_EQ(options().registerLater, "Yes");
  EXPECT_EQ(options().cleanRegistry, defaults.cleanRegistry);
  EXPECT_TRUE(m_info.plainArguments().empty());
}

}  // namespace
}  // namespace kvr
