#pragma once

// What the dialog framework tests share: the test dialogs as the active resources, and a
// headless driver with a short watchdog, so that a loop that waits for nothing fails fast.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "dialogdata/dialog_ids.h"
#include "ui/ResourceModule.h"
#include "ui/Resources.h"
#include "ui/headless/HeadlessDriver.h"

namespace kvr::test {
const ui::ResourceTables& dialogTestTables();

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto module = ui::ResourceModule::fromTables(&dialogTestTables(), "dialog tests");
    ASSERT_NE(module, nullptr);
    ui::setResourceModule(std::move(module));
    m_driver.setWatchdog(std::chrono::milliseconds(2000));
  }
  void TearDown() override { ui::setResourceModule(nullptr); }

  ui::HeadlessDriver m_driver;
};

}  // namespace kvr::test
