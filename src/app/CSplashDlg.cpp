#include "app/CSplashDlg.h"

#include <cstdlib>

#include "../../res/resource.h"
#include "app/CRegException.h"
#include "app/Options.h"
#include "app/PageSequence.h"
#include "app/ProductList.h"
#include "app/ReportRegException.h"
#include "brand/LanguageSelection.h"
#include "record/ProductConfig.h"
#include "record/RegistrationRecord.h"
#include "sysinfo/ProductSystemInfo.h"
#include "ui/CWinApp.h"
#include "ui/Resources.h"
#include "ui/artwork/Artwork.h"
#include "ui/artwork/CDC.h"
#include "ui/artwork/Dib.h"

namespace kvr {

namespace {
constexpr int kExitConfirmation = 2243;
}

CSplashDlg::CSplashDlg(std::vector<std::string> plainArguments)
    : CDialog(IDD_SPLASH),
      m_plainArguments(std::move(plainArguments)),
      m_hIcon(ui::loadIcon(IDI_APP)) {
  onMessage(ui::WM_CREATE, &CSplashDlg::OnCreate);
  onMessage(ui::WM_PAINT, &CSplashDlg::OnPaint);
  onMessage(ui::WM_QUERYDRAGICON, &CSplashDlg::OnQueryDragIcon);
  onTimer(&CSplashDlg::OnTimer);
  onClose(&CSplashDlg::OnClose);
}

bool CSplashDlg::PreTranslateMessage(ui::MSG* msg) {
  bool input = msg->message == ui::WM_KEYDOWN || msg->message == ui::WM_SYSKEYDOWN ||
               msg->message == ui::WM_LBUTTONDOWN || msg->message == ui::WM_RBUTTONDOWN ||
               msg->message == ui::WM_MBUTTONDOWN;
  if (input && IsWindowVisible()) {
    PostMessage(ui::WM_TIMER, kTimerId);
    return true;
  }
  // The start window has no dialog keys: Enter and Escape must not end it.
  return false;
}

bool CSplashDlg::OnInitDialog() {
  RegistrationRecord::instance().loadFromRegistry();
  BucketMap products;
  fillProductList(products, ProductConfig::instance(), m_plainArguments, language().code());
  ProductSystemInfo& info = ProductSystemInfo::instance();
  products.forEach([&](const std::string& key, const std::string& value) { info.setProductPair(key, value); });
  CDialog::OnInitDialog();
  ui::onQueryNewPalette(*this, ui::AfxGetApp() ? ui::AfxGetApp()->palette() : nullptr);
  SetIcon(m_hIcon, true);
  SetIcon(m_hIcon, false);
  startTimer();
  return true;
}

void CSplashDlg::startTimer() {
  int seconds = std::atoi(options().splashdelay.c_str());
  if (seconds < 0) seconds = 0;
  SetTimer(kTimerId, static_cast<ui::UINT>(seconds) * 1000u);
}

ui::LRESULT CSplashDlg::OnCreate(ui::WPARAM, ui::LPARAM) {
  if (auto size = ui::bitmapSize(IDB_SPLASH)) MoveWindow(0, 0, size->first, size->second);
  return 0;
}

ui::LRESULT CSplashDlg::OnPaint(ui::WPARAM, ui::LPARAM) {
  ui::CDC dc(*this);
  ui::drawOpaque(dc, IDB_SPLASH, 0, 0);
  return 0;
}

// Without it the system drags the default cursor: a dialog has no class icon.
ui::LRESULT CSplashDlg::OnQueryDragIcon(ui::WPARAM, ui::LPARAM) { return m_hIcon; }

void CSplashDlg::OnTimer(ui::UINT_PTR id) {
  KillTimer(id);
  // A key press queued behind the timer must not open a second page.
  if (ended()) return;
  OnOK();
  runContactPage();
}

void CSplashDlg::OnClose() {
  KillTimer(kTimerId);
  CRegException confirm(kExitConfirmation, nullptr);
  if (ReportRegException(&confirm) == IDC_EXIT_YES) {
    Default();
    return;
  }
  startTimer();
}

}  // namespace kvr
