// The exit confirmation's check box: the reminder on Yes, the stored choice on No, hidden
// by registerLater=no.
#include "app/CExitConfirmDlg.h"

#include <gtest/gtest.h>

#include "../../res/resource.h"
#include "WizardTestSupport.h"
#include "reminder/Reminder.h"

namespace kvr {
namespace {

class CExitConfirmDlgTest : public test::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    options().registerLater = "Yes";
  }
};

TEST_F(CExitConfirmDlgTest, YesWithTheBoxCheckedAddsTheReminder) {
  struct {
    int check;
    int reminders;
  } cases[] = {{1, 1}, {0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.check);
    RemoveReminders();
    m_driver.then([&] {
      EXPECT_EQ(m_driver.control(IDC_PROMPT_LATER)->check, 1);  // the record's default
      if (!c.check) m_driver.click(IDC_PROMPT_LATER);
    });
    m_driver.thenClick(IDC_EXIT_YES);
    CExitConfirmDlg confirm;
    EXPECT_EQ(confirm.DoModal(), IDC_EXIT_YES);
    EXPECT_EQ(RemoveReminders(), c.reminders);
  }
}

TEST_F(CExitConfirmDlgTest, NoStoresTheChoiceAndTheNextQuestionStartsFromIt) {
  m_driver.thenClick(IDC_PROMPT_LATER).thenClick(IDC_EXIT_NO);
  CExitConfirmDlg first;
  EXPECT_EQ(first.DoModal(), IDC_EXIT_NO);
  EXPECT_EQ(RegistrationRecord::instance().promptLater(), 0);
  EXPECT_EQ(RemoveReminders(), 0);

  m_driver.then([&] { EXPECT_EQ(m_driver.control(IDC_PROMPT_LATER)->check, 0); }).thenClick(IDC_EXIT_NO);
  CExitConfirmDlg second;
  EXPECT_EQ(second.DoModal(), IDC_EXIT_NO);
}

TEST_F(CExitConfirmDlgTest, RegisterLaterNoHidesTheBoxAndWritesNothing) {
  options().registerLater = "no";
  m_driver.then([&] { EXPECT_FALSE(m_driver.control(IDC_PROMPT_LATER)->visible); }).thenClick(IDC_EXIT_YES);
  CExitConfirmDlg confirm;
  EXPECT_EQ(confirm.DoModal(), IDC_EXIT_YES);
  EXPECT_EQ(RemoveReminders(), 0);
}

}  // namespace
}  // namespace kvr
