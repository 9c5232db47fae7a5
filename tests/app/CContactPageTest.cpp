// The contact page driven through the headless backend: the Next loop one failure at a
// time, the skip of a next page the language lacks, the page's and the groups' reactions,
// typing checks, the lists and the record.
#include "app/CContactPage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../../res/resource.h"
#include "WizardTestSupport.h"
#include "brand/BrandProfile.h"
#include "brand/LanguageSelection.h"
#include "brand/Languages.h"
#include "offline/CCountry.h"
#include "offline/CountryFactory.h"
#include "support/LogCapture.h"
#include "ui/Resources.h"
#include "ui/StringTable.h"
#include "ui/WindowManager.h"

namespace kvr {
namespace {

using ui::IDNO;
using ui::IDOK;
using ui::IDYES;

constexpr int kUnitedStates = 158;
constexpr int kCanada = 27;
constexpr const char* kPassed = "The additional information page is not available";

class CContactPageTest : public test::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    RegistrationRecord& record = RegistrationRecord::instance();
    record.name().setFirstName("Ada");
    record.name().setLastName("Lovelace");
    record.address().setAddr1("12 Main Street");
    record.address().setCity("Springfield");
    record.address().setZip("12345");
    record.address().setCountry(CCountry::countryName(kUnitedStates), kUnitedStates);
    record.address().setState(countryFor(kUnitedStates)->stateName(0), countryFor(kUnitedStates)->stateCode(0));
    record.phone().setPhone("555 010 0123");
    record.setEmail("ada@example.com");
  }
  void TearDown() override {
    setBrandProfile(makeBrandProfile(kBuiltBrand));
    WizardTest::TearDown();
  }

  // Runs the page with the queued steps; true when Next passed and the wizard moved on. A
  // test that expects Next to pass says so: the system information page then comes next
  // and is passed too.
  bool runPage(bool passes = false) {
    if (passes) {
      m_driver.then([&] {
        ASSERT_NE(m_driver.front(), nullptr);
        EXPECT_EQ(m_driver.front()->templateId(), unsigned(IDD_SYSTEM_INFO_PAGE));
        EXPECT_EQ(ui::WindowManager::instance().loopDepth(), 2);
      });
      m_driver.thenClick(IDC_SYSINFO_NEXT);
    }
    test::LogCapture log;
    CContactPage page;
    page.DoModal();
    return log.text().find(kPassed) != std::string::npos;
  }
  // Replaces a field's text the way the user would: cleared, then typed.
  void thenSet(int id, std::string text) {
    m_driver.then([this, id, text] {
      m_driver.front()->SetDlgItemText(id, "");
      m_driver.type(id, text);
    });
  }
  // Leaves the page through Exit and Yes.
  void thenLeave() { m_driver.thenClick(IDC_CONTACT_EXIT).thenClick(IDC_EXIT_YES); }
  void expectBox(std::size_t at, int id) {
    ASSERT_GT(m_driver.messageBoxes().size(), at);
    EXPECT_EQ(m_driver.messageBoxes()[at].text, ui::loadString(id == 247 ? 222 : static_cast<unsigned>(id)));
  }
  bool focused(int id) { return m_driver.front() && m_driver.front()->model().focus == id; }
  int selectedData(int id) {
    const ui::Widget* list = m_driver.control(id);
    return list->selection < 0 ? -1 : static_cast<int>(list->items[static_cast<std::size_t>(list->selection)].data);
  }
  int itemWithData(int id, int data) {
    const ui::Widget* list = m_driver.control(id);
    for (std::size_t i = 0; i < list->items.size(); ++i)
      if (static_cast<int>(list->items[i].data) == data) return static_cast<int>(i);
    return -1;
  }
};

TEST_F(CContactPageTest, ACompleteRecordPassesAndIsStored) {
  m_driver.then([&] {
    EXPECT_EQ(m_driver.front()->GetWindowText(), ui::loadString(313));
    EXPECT_EQ(m_driver.control(IDC_FIRST_NAME)->text, "Ada");
    EXPECT_EQ(selectedData(IDC_COUNTRY), kUnitedStates);
    EXPECT_FALSE(m_driver.control(IDC_CONTACT_BACK)->enabled);
  });
  thenSet(IDC_JOB_TITLE, "Analyst");
  thenSet(IDC_COMPANY, "Engines Ltd");
  m_driver.thenClick(IDC_CONTACT_NEXT);
  EXPECT_TRUE(runPage(true));
  EXPECT_TRUE(m_driver.messageBoxes().empty());
  const RegistrationRecord& record = RegistrationRecord::instance();
  EXPECT_EQ(record.jobTitle(), "Analyst");
  EXPECT_EQ(record.company(), "Engines Ltd");
  EXPECT_EQ(record.address().countryIndex(), kUnitedStates);
  EXPECT_EQ(record.address().stateCode(), countryFor(kUnitedStates)->stateCode(0));
  EXPECT_EQ(record.q1(), "en_US");
}

// While it lives, the language's module is English without dialog 2100.
class ModuleWithoutSystemInfoPage {
 public:
  ModuleWithoutSystemInfoPage() {
    setLanguage(makeLanguageFromName("english", brandProfile().brandCode(),
                                     [](std::string_view) { return ui::ResourceModule::load("KVTESTNOSYS.dll"); }));
  }
  ~ModuleWithoutSystemInfoPage() { deleteLanguage(); }
  ModuleWithoutSystemInfoPage(const ModuleWithoutSystemInfoPage&) = delete;
  ModuleWithoutSystemInfoPage& operator=(const ModuleWithoutSystemInfoPage&) = delete;
};

// Back from that page in the normal case: CSystemInfoPageTest.
TEST_F(CContactPageTest, NextSkipsTheSystemInformationPageTheLanguageLacks) {
  ModuleWithoutSystemInfoPage module;
  ASSERT_NE(ui::resources().active(), nullptr);
  ASSERT_EQ(ui::resources().active()->name(), "KVTESTNOSYS.dll");
  ASSERT_EQ(ui::findDialog(IDD_SYSTEM_INFO_PAGE), nullptr);
  m_driver.then([&] { EXPECT_EQ(m_driver.front()->templateId(), unsigned(IDD_CONTACT_PAGE)); });
  m_driver.thenClick(IDC_CONTACT_NEXT);
  test::LogCapture log;
  {
    CContactPage page;
    page.DoModal();
  }
  EXPECT_NE(log.text().find("Dialog 2100 is not in the active resources"), std::string::npos) << log.text();
  EXPECT_NE(log.text().find(kPassed), std::string::npos) << log.text();
  EXPECT_TRUE(m_driver.messageBoxes().empty());
  EXPECT_TRUE(m_driver.dialogs().empty());
  EXPECT_EQ(m_driver.pendingSteps(), 0u);
  // What follows the skipped page saved the answers.
  EXPECT_NE(test::readFile(m_prefix.file("user.reg")).find("Lovelace"), std::string::npos);
}

TEST_F(CContactPageTest, EmailQuestionsNoGoesOnYesFocuses) {
  struct {
    const char* email;
    int id;
    int answer;
    bool passes;
  } cases[] = {
      {"", 213, IDNO, true},
      {"", 213, IDYES, false},
      {"ada@example", 216, IDNO, true},
      {"ada@example", 216, IDYES, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.email) + " " + std::to_string(c.answer));
    std::size_t before = m_driver.messageBoxes().size();
    thenSet(IDC_EMAIL, c.email);
    m_driver.thenClick(IDC_CONTACT_NEXT).thenAnswer(c.answer);
    if (!c.passes) {
      m_driver.then([&] { EXPECT_TRUE(focused(IDC_EMAIL)); });
      thenLeave();
    }
    EXPECT_EQ(runPage(c.passes), c.passes);
    ASSERT_EQ(m_driver.messageBoxes().size(), before + 1);
    expectBox(before, c.id);
  }
}

TEST_F(CContactPageTest, TwoProblemsAreShownOneAtATime) {
  thenSet(IDC_LAST_NAME, "");
  thenSet(IDC_CITY, "");
  m_driver.thenClick(IDC_CONTACT_NEXT).thenAnswer(IDOK).then([&] {
    EXPECT_EQ(m_driver.messageBoxes().size(), 1u);
    EXPECT_TRUE(focused(IDC_LAST_NAME));
  });
  thenSet(IDC_LAST_NAME, "Byron");
  m_driver.thenClick(IDC_CONTACT_NEXT).thenAnswer(IDOK).then([&] { EXPECT_TRUE(focused(IDC_CITY)); });
  thenLeave();
  EXPECT_FALSE(runPage());
  ASSERT_EQ(m_driver.messageBoxes().size(), 2u);
  expectBox(0, 202);
  expectBox(1, 204);
  // Nothing reached the record.
  EXPECT_EQ(RegistrationRecord::instance().name().lastName(), "Lovelace");
}

TEST_F(CContactPageTest, AddressWithoutLettersFocusesTheLineItNames) {
  struct {
    int control;
    const char* text;
    int id;
  } cases[] = {{IDC_STREET, "12", 247}, {IDC_PO_BOX, "12", 222}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    std::size_t before = m_driver.messageBoxes().size();
    thenSet(c.control, c.text);
    m_driver.thenClick(IDC_CONTACT_NEXT).thenAnswer(IDOK);
    m_driver.then([&] { EXPECT_TRUE(focused(c.control)); });
    thenLeave();
    EXPECT_FALSE(runPage());
    expectBox(before, c.id);
  }
}

TEST_F(CContactPageTest, TypingChecksReportAtOnceAndKeepTheText) {
  struct {
    int control;
    const char* text;
    int id;  // 0: accepted
  } cases[] = {
      {IDC_CITY, "Spring|", 217}, {IDC_FIRST_NAME, "Ada2", 221}, {IDC_INITIAL, "2", 0},
      {IDC_LAST_NAME, "Love\\", 217}, {IDC_EMAIL, "ada|", 217},  {IDC_STREET, "12 Main", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::size_t before = m_driver.messageBoxes().size();
    thenSet(c.control, c.text);
    if (c.id) m_driver.thenAnswer(IDOK);
    m_driver.then([&] {
      EXPECT_EQ(m_driver.control(c.control)->text, c.text);
      if (c.id) {
        EXPECT_TRUE(focused(c.control));
      }
    });
    thenLeave();
    runPage();
    ASSERT_EQ(m_driver.messageBoxes().size(), before + (c.id ? 1 : 0));
    if (c.id) expectBox(before, c.id);
  }
}

TEST_F(CContactPageTest, ZipQuestionAnsweredNoComesBackAfterAnEdit) {
  // The e-mail question keeps the page open after the zip was accepted.
  thenSet(IDC_ZIP, "123");
  thenSet(IDC_EMAIL, "");
  m_driver.thenClick(IDC_CONTACT_NEXT).thenAnswer(IDNO).thenAnswer(IDYES);
  m_driver.thenClick(IDC_CONTACT_NEXT).thenAnswer(IDYES);
  thenSet(IDC_ZIP, "1234");
  m_driver.thenClick(IDC_CONTACT_NEXT).thenAnswer(IDYES).then([&] { EXPECT_TRUE(focused(IDC_ZIP)); });
  thenLeave();
  EXPECT_FALSE(runPage());
  const auto& boxes = m_driver.messageBoxes();
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_NE(boxes[0].text.find("zip code"), std::string::npos);
  expectBox(1, 213);
  expectBox(2, 213);  // the accepted zip is not asked again
  EXPECT_EQ(boxes[3].text, boxes[0].text);
}

TEST_F(CContactPageTest, EscapeDoesNotClose) {
  m_driver.thenKey(ui::VK_ESCAPE).then([&] {
    ASSERT_NE(m_driver.front(), nullptr);
    EXPECT_EQ(m_driver.front()->templateId(), unsigned(IDD_CONTACT_PAGE));
  });
  thenLeave();
  EXPECT_FALSE(runPage());
}

TEST_F(CContactPageTest, FrenchBoxOnlyForCanada) {
  setBrandProfile(makeBrandProfile(BrandId::Ovx));
  bool offered = brandProfile().offersFrenchCorrespondence();
  m_driver.then([&] {
    EXPECT_FALSE(m_driver.control(IDC_FRENCH_MAIL)->visible);
    m_driver.select(IDC_COUNTRY, itemWithData(IDC_COUNTRY, kCanada));
  });
  m_driver.then([&] {
    EXPECT_EQ(m_driver.control(IDC_FRENCH_MAIL)->visible, offered);
    if (offered) m_driver.click(IDC_FRENCH_MAIL);
  });
  m_driver.then([&] {
    m_driver.select(IDC_COUNTRY, itemWithData(IDC_COUNTRY, kUnitedStates));
  });
  m_driver.then([&] {
    EXPECT_FALSE(m_driver.control(IDC_FRENCH_MAIL)->visible);
    EXPECT_EQ(m_driver.control(IDC_FRENCH_MAIL)->check, 0);
  });
  thenLeave();
  runPage();
}

TEST_F(CContactPageTest, ConsumerFormStoresTheJobTitleAsQ22) {
  setBrandProfile(makeBrandProfile(BrandId::Tanager));
  m_driver.then([&] {
    EXPECT_FALSE(m_driver.control(IDC_COMPANY)->visible);
    ui::Rect job = m_driver.front()->GetDlgItem(IDC_JOB_TITLE)->windowRectPixels();
    ui::Rect company = m_driver.front()->GetDlgItem(IDC_COMPANY)->windowRectPixels();
    EXPECT_EQ(job.x + job.cx, company.x + company.cx);
    EXPECT_EQ(m_driver.control(IDC_JOB_TITLE_LABEL)->text, ui::loadString(322));
  });
  thenSet(IDC_JOB_TITLE, "Hobbyist");
  m_driver.thenClick(IDC_CONTACT_NEXT);
  EXPECT_TRUE(runPage(true));
  EXPECT_EQ(RegistrationRecord::instance().q22(), "Hobbyist");
  EXPECT_EQ(RegistrationRecord::instance().jobTitle(), "");
}

TEST_F(CContactPageTest, CountriesAreSortedWithTheirIndexes) {
  m_driver.then([&] {
    const auto& items = m_driver.control(IDC_COUNTRY)->items;
    EXPECT_GT(items.size(), 100u);
    for (std::size_t i = 1; i < items.size(); ++i) EXPECT_LE(items[i - 1].text, items[i].text);
    for (const auto& item : items) EXPECT_EQ(item.text, CCountry::countryName(static_cast<int>(item.data)));
  });
  thenLeave();
  runPage();
}

TEST_F(CContactPageTest, StatesFollowTheTableForJapaneseAndAreSortedOtherwise) {
  constexpr int kJapan = 76;
  RegistrationRecord::instance().address().setCountry(CCountry::countryName(kJapan), kJapan);
  auto japan = countryFor(kJapan);
  std::vector<std::string> table;
  for (int i = 0; i < japan->stateCount(); ++i) table.push_back(japan->stateName(i));
  ASSERT_GT(table.size(), 2u);
  std::vector<std::string> sorted = table;
  std::sort(sorted.begin(), sorted.end());

  struct {
    int language;
    std::vector<std::string> expected;
  } cases[] = {{4, table}, {0, sorted}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    setLanguage(makeLanguage(c.language, nullptr));
    if (c.language == 4) {
      ASSERT_TRUE(language().shows(ContactField::State, kJapan));
    } else if (!language().shows(ContactField::State, kJapan)) {
      continue;
    }
    m_driver.then([&] {
      std::vector<std::string> shown;
      for (const auto& item : m_driver.control(IDC_STATE)->items) shown.push_back(item.text);
      EXPECT_EQ(shown, c.expected);
    });
    thenLeave();
    runPage();
  }
  deleteLanguage();
}

}  // namespace
}  // namespace kvr
