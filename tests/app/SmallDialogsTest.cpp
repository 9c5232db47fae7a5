// The small dialogs: privacy statement, thank-you, connecting and printing.
#include <gtest/gtest.h>

#include <thread>

#include "../../res/resource.h"
#include "WizardTestSupport.h"
#include "app/CConnectingDlg.h"
#include "app/CPrintingDlg.h"
#include "app/CPrivacyDlg.h"
#include "app/CThankYouDlg.h"
#include "ui/StringTable.h"
#include "ui/WindowManager.h"

namespace kvr {
namespace {

class SmallDialogsTest : public test::WizardTest {};

TEST_F(SmallDialogsTest, PrivacyTextJoinsItsStringsWithBlankLines) {
  auto s = [](unsigned id) { return ui::loadString(id); };
  std::string lead = s(244).empty() ? std::string() : s(244);
  std::string expected = lead + s(236) + s(237) + "\n\n" + s(238) + s(239) + s(240) + "\n\n" + s(241) + "\n\n" +
                         s(242) + "\n\n" + s(243);
  EXPECT_EQ(CPrivacyDlg::statementText(), expected);
  EXPECT_EQ(expected.find("\n\n\n"), std::string::npos);

  m_driver.then([&] { EXPECT_EQ(m_driver.control(IDC_PRIVACY_TEXT)->text, expected); }).thenClick(IDC_PRIVACY_OK);
  CPrivacyDlg privacy;
  EXPECT_EQ(privacy.DoModal(), IDC_PRIVACY_OK);
}

TEST_F(SmallDialogsTest, ThankYouEndsWithExit) {
  m_driver.then([&] { EXPECT_EQ(m_driver.front()->GetWindowText(), ui::loadString(313)); })
      .thenClick(IDC_THANKS_EXIT);
  CThankYouDlg thanks;
  EXPECT_EQ(thanks.DoModal(), IDC_THANKS_EXIT);
}

TEST_F(SmallDialogsTest, ConnectingEndsByCancelEscapeOrTheWorker) {
  {
    m_driver.thenClick(IDC_CONNECTING_CANCEL);
    CConnectingDlg dialog;
    EXPECT_EQ(dialog.runModal(), IDC_CONNECTING_CANCEL);
  }
  {
    m_driver.thenKey(ui::VK_ESCAPE);
    CConnectingDlg dialog;
    EXPECT_EQ(dialog.runModal(), IDC_CONNECTING_CANCEL);
  }
  {
    CConnectingDlg dialog;
    dialog.endFromWorker(IDC_CONNECTING_DONE);
    EXPECT_EQ(dialog.runModal(), IDC_CONNECTING_DONE);
  }
  {
    CConnectingDlg dialog;
    std::thread worker;
    m_driver.then([&] { worker = std::thread([&] { dialog.endFromWorker(IDC_CONNECTING_DONE); }); });
    EXPECT_EQ(dialog.runModal(), IDC_CONNECTING_DONE);
    worker.join();
  }
}

TEST_F(SmallDialogsTest, PrintingCancelOrEscapeStopsPrinting) {
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape);
    setPrintAborted(false);
    CPrintingDlg printing;
    ASSERT_TRUE(printing.Create());
    if (escape) {
      m_driver.pressKey(ui::VK_ESCAPE);
    } else {
      m_driver.click(IDC_PRINTING_CANCEL);
    }
    // A modal loop of the caller serves the modeless window until it ends.
    ui::WindowManager::instance().runUntil([&] { return printAborted(); });
    EXPECT_TRUE(printAborted());
    EXPECT_FALSE(printing.IsWindowVisible());
    printing.DestroyWindow();
  }
  setPrintAborted(false);
}

}  // namespace
}  // namespace kvr
