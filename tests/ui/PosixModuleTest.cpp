#include <gtest/gtest.h>

#include <string>

#include "platform/Module.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"
#include "ui/ResourceTables.h"

namespace kvr {
namespace {

TEST(PosixModuleTest, ADllNameFindsTheLibraryBesideTheProgram) {
  // KVTESTDE.so lies beside this test; only the Windows name is given.
  for (const char* name : {"KVTESTDE.dll", "KVTESTDE.DLL", "KVTESTDE.so"}) {
    SCOPED_TRACE(name);
    auto module = platform::loadModule(name);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(module->symbol(ui::kResourceEntryPoint), nullptr);
    EXPECT_EQ(module->symbol("noSuchSymbol"), nullptr);
  }
}

TEST(PosixModuleTest, ANameNotBesideTheProgramGoesToTheSystemSearch) {
  auto module = platform::loadModule("libm.so.6");
  ASSERT_NE(module, nullptr);
  EXPECT_NE(module->symbol("cos"), nullptr);
}

TEST(PosixModuleTest, AMissingLibraryIsNullAndQuiet) {
  for (const char* name : {"KVOVXNONE.dll", "/nonexistent/dir/KVOVXNONE.dll", ""}) {
    SCOPED_TRACE(name);
    test::LogCapture log;
    EXPECT_EQ(platform::loadModule(name), nullptr);
    EXPECT_EQ(log.text(), "");
  }
}

TEST(PosixModuleTest, ALibraryThatIsThereButBrokenIsNullAndLogged) {
  test::TempDir dir;
  test::writeFile(dir.file("KVOVXBAD.so"), "not a shared library");
  test::LogCapture log;
  EXPECT_EQ(platform::loadModule(dir.file("KVOVXBAD.dll")), nullptr);
  EXPECT_NE(log.text().find("KVOVXBAD.so"), std::string::npos) << log.text();
}

}  // namespace
}  // namespace kvr
