// The start window: its delay, leaving it early by key or click and not once hidden, closing
// it with and without the exit confirmation, its icon, and the product list it fills.
#include "app/CSplashDlg.h"

#include <gtest/gtest.h>

#include <map>

#include "../../res/resource.h"
#include "WizardTestSupport.h"
#include "app/ProductList.h"
#include "brand/LanguageSelection.h"
#include "record/ProductConfigCodec.h"
#include "ui/WindowManager.h"
#include "ui/artwork/Dib.h"

namespace kvr {
namespace {

using namespace std::chrono_literals;

class CSplashDlgTest : public test::WizardTest {
 protected:
  // Runs the start window until the contact page opens, then leaves that page; the virtual
  // time at which the page opened.
  std::chrono::milliseconds runSplash() {
    std::chrono::milliseconds opened{-1};
    m_driver.then([&] {
      ASSERT_NE(m_driver.front(), nullptr);
      EXPECT_EQ(m_driver.front()->templateId(), unsigned(IDD_CONTACT_PAGE));
      // The start window stays open, hidden, below the page.
      EXPECT_EQ(ui::WindowManager::instance().loopDepth(), 2);
      opened = m_driver.now();
    });
    m_driver.thenClick(IDC_CONTACT_EXIT).thenClick(IDC_EXIT_YES);
    CSplashDlg splash({});
    splash.DoModal();
    return opened;
  }
  bool splashShowing() const {
    return m_driver.front() && m_driver.front()->templateId() == unsigned(IDD_SPLASH);
  }
};

TEST_F(CSplashDlgTest, TakesThePictureSizeAndWaitsTheDelay) {
  options().splashdelay = "2";
  m_driver.then([&] {
    ASSERT_TRUE(splashShowing());
    auto size = ui::bitmapSize(IDB_SPLASH);
    ASSERT_TRUE(size);
    auto rect = m_driver.front()->windowRectPixels();
    EXPECT_EQ(rect.cx, size->first);
    EXPECT_EQ(rect.cy, size->second);
  });
  m_driver.thenAdvance(1999ms).then([&] { EXPECT_TRUE(splashShowing()); }).thenAdvance(1ms);
  EXPECT_EQ(runSplash(), 2000ms);
}

TEST_F(CSplashDlgTest, ZeroDelayOpensTheFirstPageAtOnce) {
  options().splashdelay = "0";
  EXPECT_EQ(runSplash(), 0ms);
}

TEST_F(CSplashDlgTest, KeyOrMouseButtonEndsTheWaitEarly) {
  for (ui::UINT message : {ui::WM_KEYDOWN, ui::WM_SYSKEYDOWN, ui::WM_LBUTTONDOWN, ui::WM_RBUTTONDOWN,
                           ui::WM_MBUTTONDOWN}) {
    SCOPED_TRACE(message);
    options().splashdelay = "6";
    auto start = m_driver.now();
    m_driver.thenAdvance(500ms).then([&] { m_driver.front()->PostMessage(message, 'A'); });
    EXPECT_EQ(runSplash() - start, 500ms);
    EXPECT_EQ(m_driver.pendingSteps(), 0u);
  }
}

TEST_F(CSplashDlgTest, EnterAndEscapeAreNotDialogKeysHere) {
  options().splashdelay = "1";
  auto start = m_driver.now();
  m_driver.then([&] {
    // Handled as any key: the wait ends, but through the timer, not by ending the dialog.
    ASSERT_TRUE(splashShowing());
  });
  m_driver.thenKey(ui::VK_ESCAPE);
  EXPECT_EQ(runSplash(), start);
}

TEST_F(CSplashDlgTest, CloseAsksAndDecliningRestartsTheFullDelay) {
  options().splashdelay = "3";
  options().registerLater = "no";
  auto start = m_driver.now();
  m_driver.thenAdvance(2000ms).thenClose().then([&] {
    ASSERT_NE(m_driver.front(), nullptr);
    EXPECT_EQ(m_driver.front()->templateId(), unsigned(IDD_EXIT_CONFIRM));
    EXPECT_EQ(ui::WindowManager::instance().loopDepth(), 2);
    m_driver.click(IDC_EXIT_NO);
  });
  m_driver.thenAdvance(2999ms).then([&] { EXPECT_TRUE(splashShowing()); }).thenAdvance(1ms);
  EXPECT_EQ(runSplash() - start, 5000ms);
}

TEST_F(CSplashDlgTest, CloseConfirmedEndsWithoutThePages) {
  options().splashdelay = "3";
  options().registerLater = "no";
  auto start = m_driver.now();
  m_driver.thenAdvance(1000ms).thenClose().thenClick(IDC_EXIT_YES);
  CSplashDlg splash({});
  EXPECT_EQ(splash.DoModal(), ui::IDCANCEL);
  EXPECT_EQ(m_driver.now() - start, 1000ms);
}

TEST_F(CSplashDlgTest, CarriesTheProgramIconBigAndSmall) {
  options().splashdelay = "1";
  m_driver.then([&] {
    ASSERT_TRUE(splashShowing());
    ui::CDialog& splash = *m_driver.front();
    EXPECT_EQ(m_driver.icon(splash, true), ui::HICON(IDI_APP));
    EXPECT_EQ(m_driver.icon(splash, false), ui::HICON(IDI_APP));
    EXPECT_EQ(splash.SendMessage(ui::WM_QUERYDRAGICON), ui::LRESULT(IDI_APP));
  });
  m_driver.thenAdvance(1000ms);
  runSplash();
}

// The real start window, counting the WM_TIMER messages that reach it, posted or made by its
// timer.
class CountingSplash : public CSplashDlg {
 public:
  CountingSplash() : CSplashDlg({}) {}
  bool PreTranslateMessage(ui::MSG* msg) override {
    if (msg->message == ui::WM_TIMER) ++timers;
    return CSplashDlg::PreTranslateMessage(msg);
  }
  int timers = 0;
};

TEST_F(CSplashDlgTest, InputToTheHiddenStartWindowDoesNothing) {
  options().splashdelay = "1";
  CountingSplash splash;
  std::vector<ui::CDialog*> stack;
  m_driver.thenAdvance(1000ms).then([&] {
    stack = m_driver.dialogs();
    ASSERT_EQ(stack.size(), 2u);
    EXPECT_EQ(stack[0], &splash);
    EXPECT_EQ(stack[1]->templateId(), unsigned(IDD_CONTACT_PAGE));
    EXPECT_FALSE(splash.IsWindowVisible());
    EXPECT_EQ(splash.timers, 1);
    for (ui::UINT message : {ui::WM_LBUTTONDOWN, ui::WM_RBUTTONDOWN, ui::WM_MBUTTONDOWN, ui::WM_KEYDOWN,
                             ui::WM_SYSKEYDOWN})
      EXPECT_TRUE(splash.PostMessage(message, 'A'));
  });
  // Long enough for any timer the input might have set again.
  m_driver.thenAdvance(10000ms).then([&] {
    EXPECT_EQ(m_driver.dialogs(), stack);
    EXPECT_EQ(m_driver.front(), stack[1]);
    EXPECT_EQ(ui::WindowManager::instance().loopDepth(), 2);
    EXPECT_EQ(splash.timers, 1);
  });
  m_driver.thenClick(IDC_CONTACT_EXIT).thenClick(IDC_EXIT_YES);
  splash.DoModal();
  EXPECT_EQ(splash.timers, 1);
  EXPECT_EQ(m_driver.pendingSteps(), 0u);
}

class ProductListTest : public test::WizardTest {
 protected:
  void TearDown() override {
    ProductConfig::resetInstance();
    WizardTest::TearDown();
  }
  std::unique_ptr<ProductConfig> config(const std::string& text) {
    auto encoded = encodeProductConfig(text);
    EXPECT_TRUE(encoded.ok()) << encoded.error;
    test::writeFile(m_dir.file("kvovxreg.dat"), encoded.bytes);
    return ProductConfig::open(m_dir.file("kvovxreg.dat"));
  }
  test::TempDir m_dir;
};

TEST_F(ProductListTest, FilledFromTheConfigurationAndTheArguments) {
  struct {
    const char* name;
    std::string text;  // empty: no configuration
    std::vector<std::string> arguments;
    std::vector<std::pair<std::string, std::string>> expected;
  } cases[] = {
      {"suite with arguments", "productName: Suite\nproductType: SUITE\npartNumber: 10K0001\n", {"A", "B"},
       {{"numOfProds", "2"}, {"prod1", "A"}, {"prod2", "B"}, {"prodName", "Suite"}}},
      {"suite without arguments", "productName: Suite\nproductType: SUITE\npartNumber:  10K0001 \n", {},
       {{"numOfProds", "1"}, {"prod1", "10K0001"}, {"prodName", "Suite"}}},
      {"single product", "productName: One\nproductType: SINGLE\npartNumber: 10K0009\n", {"A"},
       {{"numOfProds", "1"}, {"prod1", "10K0009"}, {"prodName", "One"}}},
      {"nothing to register", "productName: None\nproductType: SINGLE\npartNumber:   \n", {},
       {{"numOfProds", "1"}, {"prod1", "OVXLexNone"}, {"prodName", "Unknown"}}},
      {"no configuration", "", {"A"}, {{"numOfProds", "1"}, {"prod1", "OVXLexNone"}, {"prodName", "Unknown"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<ProductConfig> file = c.text.empty() ? nullptr : config(c.text);
    BucketMap list;
    fillProductList(list, file.get(), c.arguments, language().code());
    for (const auto& [key, value] : c.expected) EXPECT_EQ(list.get(key), value) << key;
    EXPECT_EQ(list.size(), c.expected.size());
  }
}

// The same list through the real start window, from the configuration in use, into the
// shared product pairs.
TEST_F(ProductListTest, TheStartWindowPutsItIntoTheProductPairs) {
  using Pairs = std::map<std::string, std::string>;
  struct {
    const char* name;
    std::string text;  // empty: no configuration
    Pairs expected;
  } cases[] = {
      {"suite", "productName: Test Suite\nproductType: SUITE\npartNumber: 10K0001\n",
       {{"numOfProds", "2"}, {"prod1", "A"}, {"prod2", "B"}, {"prodName", "Test Suite"}}},
      {"no configuration", "", {{"numOfProds", "1"}, {"prod1", "OVXLexNone"}, {"prodName", "Unknown"}}},
  };
  options().splashdelay = "0";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProductSystemInfo::deleteInstance();
    ProductConfig::setInstance(c.text.empty() ? nullptr : config(c.text));
    m_driver.thenClick(IDC_CONTACT_EXIT).thenClick(IDC_EXIT_YES);
    CSplashDlg splash({"A", "B"});
    splash.DoModal();
    EXPECT_EQ(ProductSystemInfo::instance().productPairs(), c.expected);
  }
}

}  // namespace
}  // namespace kvr
