// The system information page: the facts it shows, the Yes/No answer kept for the run, and
// the moves to the next page and back to a fresh contact page.
#include "app/CSystemInfoPage.h"

#include <gtest/gtest.h>

#include "../../res/resource.h"
#include "WizardTestSupport.h"
#include "app/SystemFacts.h"
#include "sysinfo/ProductSystemInfo.h"
#include "support/LogCapture.h"
#include "ui/StringTable.h"
#include "ui/WindowManager.h"

namespace kvr {
namespace {

class CSystemInfoPageTest : public test::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    RegistrationRecord::instance().name().setFirstName("Ada");
  }
  bool checked(int id) { return m_driver.control(id)->check == 1; }
};

TEST_F(CSystemInfoPageTest, ShowsTheFactsAndGreysWhatIsMissing) {
  SystemFacts facts = systemFacts();
  m_driver.then([&] {
    EXPECT_EQ(m_driver.front()->GetWindowText(), ui::loadString(313));
    struct {
      std::string value;
      int text;
      int caption;
    } rows[] = {{facts.manufacturer, IDC_MANUFACTURER, IDC_MANUFACTURER_LABEL},
                {facts.model, IDC_MODEL, IDC_MODEL_LABEL},
                {facts.serial, IDC_SERIAL, IDC_SERIAL_LABEL}};
    for (const auto& row : rows) {
      SCOPED_TRACE(row.caption);
      EXPECT_EQ(m_driver.control(row.text)->text, row.value);
      EXPECT_EQ(m_driver.control(row.caption)->enabled, !row.value.empty());
    }
    EXPECT_EQ(m_driver.control(IDC_OS)->text, facts.osName + " " + facts.osVersion);
    EXPECT_TRUE(checked(IDC_SYSINFO_YES));
  });
  m_driver.thenKey(ui::VK_ESCAPE).then([&] {
    EXPECT_EQ(m_driver.front()->templateId(), unsigned(IDD_SYSTEM_INFO_PAGE));
  });
  m_driver.thenClick(IDC_SYSINFO_EXIT).thenClick(IDC_EXIT_YES);
  CSystemInfoPage page;
  page.DoModal();
  // Leaving by Exit stores nothing.
  EXPECT_EQ(ProductSystemInfo::instance().sendFlag(), 0);
}

TEST_F(CSystemInfoPageTest, NextStoresTheAnswerWithTheOperatingSystem) {
  SystemFacts facts = systemFacts();
  struct {
    int button;
    int flag;
    std::string version;
    std::string name;
  } cases[] = {{IDC_SYSINFO_YES, 1, facts.osVersion, facts.osName}, {IDC_SYSINFO_NO, 0, "", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flag);
    m_driver.thenClick(c.button).thenClick(IDC_SYSINFO_NEXT);
    test::LogCapture log;
    CSystemInfoPage page;
    page.DoModal();
    EXPECT_NE(log.text().find("additional information page"), std::string::npos);
    ProductSystemInfo& info = ProductSystemInfo::instance();
    EXPECT_EQ(info.sendFlag(), c.flag);
    EXPECT_EQ(info.productPair("q2"), c.version);
    EXPECT_EQ(info.productPair("q3"), c.name);
  }
}

TEST_F(CSystemInfoPageTest, BackGivesAFreshContactPageAndTheAnswerIsKept) {
  m_driver.thenClick(IDC_SYSINFO_NO).thenClick(IDC_SYSINFO_BACK).then([&] {
    ASSERT_EQ(m_driver.front()->templateId(), unsigned(IDD_CONTACT_PAGE));
    EXPECT_EQ(m_driver.control(IDC_FIRST_NAME)->text, "Ada");
    EXPECT_EQ(ui::WindowManager::instance().loopDepth(), 2);
  });
  m_driver.thenClick(IDC_CONTACT_EXIT).thenClick(IDC_EXIT_YES);
  {
    CSystemInfoPage page;
    page.DoModal();
  }
  EXPECT_EQ(ProductSystemInfo::instance().sendFlag(), 0);

  m_driver.then([&] {
    EXPECT_TRUE(checked(IDC_SYSINFO_NO));
    EXPECT_FALSE(checked(IDC_SYSINFO_YES));
  });
  m_driver.thenClick(IDC_SYSINFO_NEXT);
  CSystemInfoPage again;
  again.DoModal();
  EXPECT_EQ(again.sendChoice(), 0);
}

}  // namespace
}  // namespace kvr
