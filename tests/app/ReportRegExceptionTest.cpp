// The reporter's table: which ids give which message box, and the exit confirmation for 2243.
#include "app/ReportRegException.h"

#include <gtest/gtest.h>

#include "../../res/resource.h"
#include "WizardTestSupport.h"
#include "app/CRegException.h"
#include "ui/CMessageBox.h"
#include "ui/StringTable.h"

namespace kvr {
namespace {

using ui::IDNO;
using ui::IDOK;
using ui::IDYES;

class ReportRegExceptionTest : public test::WizardTest {};

TEST_F(ReportRegExceptionTest, WarningBoxesCarryCaption313AndTheirButtons) {
  struct {
    int id;
    std::vector<int> buttons;
    int answer;
  } cases[] = {
      {201, {IDOK}, IDOK},          {212, {IDOK}, IDOK},          {217, {IDOK}, IDOK},
      {221, {IDOK}, IDOK},          {247, {IDOK}, IDOK},          {1519, {IDOK}, IDOK},
      {1520, {IDOK}, IDOK},         {213, {IDYES, IDNO}, IDYES},  {216, {IDYES, IDNO}, IDNO},
      {224, {IDYES, IDNO}, IDNO},   {1515, {IDYES, IDNO}, IDYES}, {1517, {IDYES, IDNO}, IDNO},
      {219, {IDOK}, IDOK},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    std::size_t before = m_driver.messageBoxes().size();
    m_driver.thenAnswer(c.answer);
    CRegException error(c.id, nullptr);
    EXPECT_EQ(ReportRegException(&error), c.answer);
    ASSERT_EQ(m_driver.messageBoxes().size(), before + 1);
    const auto& box = m_driver.messageBoxes().back();
    EXPECT_EQ(box.caption, ui::loadString(313));
    EXPECT_EQ(box.text, error.text());
    EXPECT_EQ(box.icon, ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(box.buttons, c.buttons);
  }
  // 247 speaks of the address's letters, in the words of 222.
  EXPECT_EQ(m_driver.messageBoxes()[4].text, ui::loadString(222));
}

TEST_F(ReportRegExceptionTest, IdsOutsideTheTableShowNothing) {
  for (int id : {200, 214, 220, 226, 1000}) {
    SCOPED_TRACE(id);
    CRegException error(id, nullptr);
    EXPECT_EQ(ReportRegException(&error), 0);
  }
  EXPECT_TRUE(m_driver.messageBoxes().empty());
  EXPECT_EQ(ReportRegException(nullptr), 0);
}

TEST_F(ReportRegExceptionTest, ExitConfirmationAnswersWithItsButtonIds) {
  struct {
    const char* name;
    std::function<void(ui::HeadlessDriver&)> act;
    int result;
  } cases[] = {
      {"yes", [](ui::HeadlessDriver& d) { d.click(IDC_EXIT_YES); }, IDC_EXIT_YES},
      {"no", [](ui::HeadlessDriver& d) { d.click(IDC_EXIT_NO); }, IDC_EXIT_NO},
      {"escape", [](ui::HeadlessDriver& d) { d.pressKey(ui::VK_ESCAPE); }, ui::IDCANCEL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);

    m_driver.then([&] {
      ASSERT_NE(m_driver.front(), nullptr);
      EXPECT_EQ(m_driver.front()->templateId(), unsigned(IDD_EXIT_CONFIRM));
      EXPECT_EQ(m_driver.front()->GetWindowText(), ui::loadString(313));
      c.act(m_driver);
    });
    CRegException error(2243, nullptr);
    EXPECT_EQ(ReportRegException(&error), c.result);
  }
  EXPECT_TRUE(m_driver.messageBoxes().empty());
}

}  // namespace
}  // namespace kvr
