// Modal loops: nesting, posted and cross-thread messages, timers on the virtual clock, missing
// templates, Escape, message boxes, and the watchdog that turns a hung loop into a failure.
#include "ui/CDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "../../res/resource.h"
#include "DialogTestSupport.h"
#include "ui/WindowManager.h"

namespace kvr {
namespace {

using namespace std::chrono_literals;
using ui::BN_CLICKED;
using ui::IDCANCEL;
using ui::IDNO;
using ui::IDOK;
using ui::IDYES;

// Opens another of itself, one level deeper, when its Open button is pressed.
class NestingDialog : public ui::CDialog {
 public:
  NestingDialog(unsigned id, std::vector<std::string>& log, int level)
      : CDialog(id), m_log(log), m_level(level) {
    onCommand(IDC_OPEN, BN_CLICKED, &NestingDialog::OnOpen);
  }

 private:
  void OnOpen() {
    NestingDialog inner(IDD_SMALL, m_log, m_level + 1);
    auto result = inner.DoModal();
    m_log.push_back("level " + std::to_string(m_level + 1) + " returned " + std::to_string(result));
  }

  std::vector<std::string>& m_log;
  int m_level;
};

class DialogLoopTest : public test::DialogTest {};

TEST_F(DialogLoopTest, ModalNestingThreeDeepUnwindsInOrder) {
  std::vector<std::string> log;
  m_driver.thenClick(IDC_OPEN).thenClick(IDC_OPEN).then([&] {
    auto open = m_driver.dialogs();
    ASSERT_EQ(open.size(), 3u);
    EXPECT_EQ(open[0]->templateId(), unsigned(IDD_FORM));
    EXPECT_EQ(ui::WindowManager::instance().loopDepth(), 3);
    EXPECT_EQ(m_driver.front(), open[2]);
  });
  m_driver.thenClick(IDOK).then([&] {
    EXPECT_EQ(m_driver.dialogs().size(), 2u);
    EXPECT_EQ(ui::WindowManager::instance().loopDepth(), 2);
  });
  m_driver.thenClick(IDOK).thenClick(IDOK);

  NestingDialog outer(IDD_FORM, log, 1);
  EXPECT_EQ(outer.DoModal(), IDOK);
  EXPECT_EQ(log, (std::vector<std::string>{"level 3 returned 1", "level 2 returned 1"}));
  EXPECT_TRUE(m_driver.dialogs().empty());
  EXPECT_EQ(m_driver.pendingSteps(), 0u);
}

// Logs the order in which its handlers run.
class PostingDialog : public ui::CDialog {
 public:
  explicit PostingDialog(std::vector<std::string>& log) : CDialog(IDD_FORM), m_log(log) {
    onCommand(IDC_OPEN, BN_CLICKED, &PostingDialog::OnOpen);
    onCommand(IDC_RADIO_C, BN_CLICKED, &PostingDialog::OnPosted);
  }

 private:
  void OnOpen() {
    m_log.push_back("open begins");
    PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_RADIO_C, BN_CLICKED));
    m_log.push_back("open ends");
  }
  void OnPosted() {
    m_log.push_back("posted click");
    EndDialog(IDOK);
  }

  std::vector<std::string>& m_log;
};

TEST_F(DialogLoopTest, PostedClickRunsAfterTheHandlerThatPostedIt) {
  std::vector<std::string> log;
  m_driver.thenClick(IDC_OPEN);
  PostingDialog dialog(log);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(log, (std::vector<std::string>{"open begins", "open ends", "posted click"}));
}

class TimerDialog : public ui::CDialog {
 public:
  TimerDialog() : CDialog(IDD_SMALL) { onTimer(&TimerDialog::OnTimer); }
  std::vector<std::chrono::milliseconds> fired;

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    SetTimer(1, 3000);
    return true;
  }

 private:
  void OnTimer(ui::UINT_PTR id) {
    fired.push_back(ui::WindowManager::instance().backend().now());
    if (fired.size() == 2) {
      KillTimer(id);
      EndDialog(IDOK);
    }
  }
};

TEST_F(DialogLoopTest, TimerFiresOnTheVirtualClock) {
  TimerDialog dialog;
  m_driver.thenAdvance(2999ms).then([&] { EXPECT_TRUE(dialog.fired.empty()); });
  // Ten intervals at once give one WM_TIMER, as Windows coalesces them.
  m_driver.thenAdvance(1ms).then([&] { EXPECT_EQ(dialog.fired.size(), 1u); }).thenAdvance(30000ms);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.fired, (std::vector<std::chrono::milliseconds>{3000ms, 33000ms}));
}

TEST_F(DialogLoopTest, DoModalOfATemplateTheActiveModuleLacksReturnsMinusOne) {
  // The program's own resources have the exit confirmation; the active test module has not.
  ui::CDialog confirm(IDD_EXIT_CONFIRM);
  EXPECT_EQ(confirm.DoModal(), -1);
  ui::CDialog absent(IDD_ABSENT);
  EXPECT_EQ(absent.DoModal(), -1);
  EXPECT_TRUE(m_driver.dialogs().empty());

  ui::setResourceModule(nullptr);
  m_driver.then([&] { EXPECT_EQ(m_driver.front()->GetWindowText(), "OVX Product Registration"); })
      .thenClick(IDC_EXIT_YES);
  ui::CDialog again(IDD_EXIT_CONFIRM);
  // No handler for 2328: the click goes nowhere, so close it the way a page would not.
  m_driver.then([&] { again.EndDialog(IDC_EXIT_YES); });
  EXPECT_EQ(again.DoModal(), IDC_EXIT_YES);
}

class EscapeDialog : public ui::CDialog {
 public:
  explicit EscapeDialog(bool swallow) : CDialog(IDD_FORM), m_swallow(swallow) {}

  bool PreTranslateMessage(ui::MSG* msg) override {
    bool escape = (msg->message == ui::WM_KEYDOWN || msg->message == ui::WM_KEYUP || msg->message == ui::WM_CHAR) &&
                  msg->wParam == ui::VK_ESCAPE;
    if (m_swallow && escape && IsWindowVisible()) return true;
    return CDialog::PreTranslateMessage(msg);
  }

 private:
  bool m_swallow;
};

TEST_F(DialogLoopTest, EscapeEndsADialogUnlessPreTranslateMessageSwallowsIt) {
  struct Case {
    bool swallow;
    int expected;
  } cases[] = {{false, IDCANCEL}, {true, IDOK}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.swallow ? "swallowed" : "not swallowed");
    EscapeDialog dialog(c.swallow);
    m_driver.thenKey(ui::VK_ESCAPE);
    if (c.swallow) {
      m_driver.then([&] {
        EXPECT_TRUE(dialog.IsWindowVisible());
        m_driver.click(IDOK);
      });
    }
    EXPECT_EQ(dialog.DoModal(), c.expected);
  }
}

class AskingDialog : public ui::CDialog {
 public:
  AskingDialog(unsigned type, int& answer) : CDialog(IDD_FORM), m_type(type), m_answer(answer) {
    onCommand(IDC_OPEN, BN_CLICKED, &AskingDialog::OnOpen);
  }

 private:
  void OnOpen() {
    m_answer = MessageBox("Are you sure?", "Question", m_type);
    EndDialog(IDOK);
  }
  unsigned m_type;
  int& m_answer;
};

TEST_F(DialogLoopTest, MessageBoxAnswerReachesTheCaller) {
  struct Case {
    const char* name;
    unsigned type;
    std::vector<unsigned> keys;  // pressed before the answer
    int answer;
    std::vector<int> buttons;
  } cases[] = {
      {"yes", ui::MB_YESNO | ui::MB_ICONQUESTION, {}, IDYES, {IDYES, IDNO}},
      {"no after a refused escape", ui::MB_YESNO | ui::MB_ICONQUESTION, {ui::VK_ESCAPE}, IDNO, {IDYES, IDNO}},
      {"ok", ui::MB_OK | ui::MB_ICONSTOP, {}, IDOK, {IDOK}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int answer = 0;
    std::size_t shownBefore = m_driver.messageBoxes().size();
    m_driver.thenClick(IDC_OPEN);
    for (unsigned key : c.keys) m_driver.thenKey(key);
    m_driver.thenAnswer(c.answer);
    AskingDialog dialog(c.type, answer);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(answer, c.answer);
    ASSERT_EQ(m_driver.messageBoxes().size(), shownBefore + 1);
    const ui::MessageBoxRecord& shown = m_driver.messageBoxes().back();
    EXPECT_EQ(shown.caption, "Question");
    EXPECT_EQ(shown.text, "Are you sure?");
    EXPECT_EQ(shown.icon, c.type & ui::MB_ICONMASK);
    EXPECT_EQ(shown.buttons, c.buttons);
    EXPECT_EQ(shown.answer, c.answer);
  }
}

TEST_F(DialogLoopTest, EscapeOnAnOkMessageBoxAnswersOk) {
  int answer = 0;
  m_driver.thenClick(IDC_OPEN).thenKey(ui::VK_ESCAPE);
  AskingDialog dialog(ui::MB_OK, answer);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(answer, IDOK);
}

class ThreadDialog : public ui::CDialog {
 public:
  ThreadDialog() : CDialog(IDD_SMALL) { onMessage(kDone, &ThreadDialog::OnDone); }
  ~ThreadDialog() override {
    if (m_worker.joinable()) m_worker.join();
  }
  static constexpr ui::UINT kDone = ui::WM_USER + 1;

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    m_worker = std::thread([this] {
      std::this_thread::sleep_for(20ms);
      PostMessage(kDone, 42);
    });
    return true;
  }

 private:
  ui::LRESULT OnDone(ui::WPARAM code, ui::LPARAM) {
    EndDialog(static_cast<int>(code));
    return 0;
  }
  std::thread m_worker;
};

TEST_F(DialogLoopTest, CrossThreadPostEndsAModalLoop) {
  ThreadDialog dialog;
  EXPECT_EQ(dialog.DoModal(), 42);
}

TEST_F(DialogLoopTest, LoopWaitingForNothingFailsAndUnwindsEveryDialog) {
  m_driver.setWatchdog(50ms);
  std::vector<std::string> log;
  m_driver.thenClick(IDC_OPEN);
  NestingDialog outer(IDD_FORM, log, 1);
  EXPECT_THROW(outer.DoModal(), ui::LoopStalled);
  EXPECT_TRUE(m_driver.dialogs().empty());
  EXPECT_EQ(ui::WindowManager::instance().loopDepth(), 0);
}

TEST_F(DialogLoopTest, ModelessDialogIsServedByTheRunningModalLoop) {
  ui::CDialog modeless(IDD_SMALL);
  ASSERT_TRUE(modeless.Create());
  EXPECT_TRUE(modeless.IsWindowVisible());
  TimerDialog modal;
  m_driver.then([&] {
    EXPECT_EQ(m_driver.dialogs().size(), 2u);
    modeless.PostMessage(ui::WM_CLOSE);
  });
  m_driver.then([&] {
    EXPECT_FALSE(modeless.IsWindowVisible());
    EXPECT_TRUE(modeless.ended());
    modeless.DestroyWindow();
    EXPECT_EQ(m_driver.dialogs().size(), 1u);
  });
  m_driver.thenAdvance(3000ms).thenAdvance(3000ms);
  EXPECT_EQ(modal.DoModal(), IDOK);
}

TEST_F(DialogLoopTest, MessageToADestroyedWindowIsDropped) {
  std::vector<std::string> log;
  ui::HWND stale = 0;
  {
    ui::CDialog gone(IDD_SMALL);
    ASSERT_TRUE(gone.Create());
    stale = gone.GetSafeHwnd();
  }
  EXPECT_TRUE(ui::WindowManager::instance().post(ui::MSG{stale, ui::WM_CLOSE, 0, 0}));
  m_driver.thenClick(IDC_OPEN).thenClick(IDOK).thenClick(IDOK);
  NestingDialog dialog(IDD_FORM, log, 1);
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
}  // namespace kvr
