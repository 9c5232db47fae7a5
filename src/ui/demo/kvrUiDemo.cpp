// Shows that the framework carries the wizard's real dialogs in a terminal: the start window
// 2402 with its picture and timer, then the exit confirmation 2406. Prints the confirmation's
// answer (2328 Yes, 2329 No, 2 cancelled) after the terminal is restored.
//   kvrUiDemo [--delay <seconds>]     (default 5; --delay 0 ends the start window at once)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "../../../res/resource.h"
#include "ui/CDialog.h"
#include "ui/CWinApp.h"
#include "ui/Resources.h"
#include "ui/StringTable.h"
#include "ui/WindowManager.h"
#include "ui/artwork/Artwork.h"
#include "ui/artwork/CPalette.h"
#include "ui/artwork/Dib.h"
#include "ui/headless/HeadlessBackend.h"
#include "ui/terminal/TerminalBackend.h"

namespace kvr::ui {
namespace {

constexpr unsigned kCaptionString = 313;

class SplashDemo : public CDialog {
 public:
  explicit SplashDemo(unsigned delaySeconds) : CDialog(IDD_SPLASH), m_delay(delaySeconds * 1000) {
    onMessage(WM_CREATE, &SplashDemo::OnCreate);
    onMessage(WM_PAINT, &SplashDemo::OnPaint);
    onTimer(&SplashDemo::OnTimer);
  }

  bool PreTranslateMessage(MSG* msg) override {
    bool input = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN || msg->message == WM_LBUTTONDOWN ||
                 msg->message == WM_RBUTTONDOWN || msg->message == WM_MBUTTONDOWN;
    if (IsWindowVisible() && input) {
      PostMessage(WM_TIMER, 1);
      return true;
    }
    return false;
  }

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    onQueryNewPalette(*this, AfxGetApp()->palette());
    SetTimer(1, m_delay);
    return true;
  }

 private:
  LRESULT OnCreate(WPARAM, LPARAM) {
    if (auto size = bitmapSize(IDB_SPLASH)) MoveWindow(0, 0, size->first, size->second);
    return 0;
  }
  LRESULT OnPaint(WPARAM, LPARAM) {
    CDC dc(*this);
    drawOpaque(dc, IDB_SPLASH, 0, 0);
    return 0;
  }
  void OnTimer(UINT_PTR id) {
    KillTimer(id);
    OnOK();
  }

  unsigned m_delay;
};

class ExitConfirmDemo : public CDialog {
 public:
  ExitConfirmDemo() : CDialog(IDD_EXIT_CONFIRM) {
    onCommand(IDC_EXIT_YES, BN_CLICKED, &ExitConfirmDemo::OnYes);
    onCommand(IDC_EXIT_NO, BN_CLICKED, &ExitConfirmDemo::OnNo);
  }

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    SetWindowText(loadString(kCaptionString));
    return true;
  }

 private:
  void OnYes() { EndDialog(IDC_EXIT_YES); }
  void OnNo() { EndDialog(IDC_EXIT_NO); }
};

class DemoApp : public CWinApp {
 public:
  explicit DemoApp(unsigned delay) : CWinApp("kvrUiDemo"), m_delay(delay) {}
  int answer = 0;

  bool InitInstance() override {
    setPalette(CPalette::fromBitmap(findBitmap(IDB_SPLASH)));
    SplashDemo splash(m_delay);
    m_pMainWnd = &splash;
    splash.DoModal();
    ExitConfirmDemo confirm;
    answer = static_cast<int>(confirm.DoModal());
    m_pMainWnd = nullptr;
    return false;
  }

 private:
  unsigned m_delay;
};

}  // namespace
}  // namespace kvr::ui

int main(int argc, char** argv) {
  unsigned delay = 5;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--delay") == 0 && i + 1 < argc) {
      delay = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else {
      std::cerr << "usage: kvrUiDemo [--delay <seconds>]\n";
      return 2;
    }
  }
  std::string error;
  auto backend = kvr::ui::TerminalBackend::create(&error);
  if (!backend) {
    std::cerr << "kvrUiDemo: " << error << "\n";
    return 3;
  }
  kvr::ui::WindowManager::instance().setBackend(std::move(backend));
  kvr::ui::DemoApp app(delay);
  app.Run();
  // Restores the terminal before the answer is printed.
  kvr::ui::WindowManager::instance().setBackend(std::make_unique<kvr::ui::HeadlessBackend>());
  std::cout << "exit confirmation: " << app.answer << std::endl;
  return 0;
}
