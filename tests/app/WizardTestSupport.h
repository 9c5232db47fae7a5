#pragma once

// What the tests of the wizard's windows share: a temporary hive, fresh options and record,
// the program's own resources, and a headless driver whose watchdog turns a hung loop into a
// failure.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/Options.h"
#include "platform/System.h"
#include "app/CSystemInfoPage.h"
#include "sysinfo/ProductSystemInfo.h"
#include "record/ProductConfig.h"
#include "record/RegistrationRecord.h"
#include "support/TempDir.h"
#include "ui/headless/HeadlessDriver.h"

namespace kvr::test {

class WizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetOptions();
    RegistrationRecord::deleteInstance();
    ProductSystemInfo::deleteInstance();
    CSystemInfoPage::forgetAnswer();
    m_driver.setWatchdog(std::chrono::milliseconds(2000));
    options().registerLater = "no";
    // The reminder repeats the wizard's own command line.
    m_argv = {m_program.data()};
    platform::setArguments(1, m_argv.data());
  }
  void TearDown() override {
    RegistrationRecord::deleteInstance();
    ProductSystemInfo::deleteInstance();
    CSystemInfoPage::forgetAnswer();
    resetOptions();
    platform::setArguments(0, nullptr);
  }

  std::string m_program = KVR_BIN_DIR "/kvrWizard";
  std::vector<char*> m_argv;
  ScopedPrefix m_prefix;
  ui::HeadlessDriver m_driver;
};

}  // namespace kvr::test
