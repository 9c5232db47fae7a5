#include "app/CSystemInfoPage.h"

#include "../../res/resource.h"
#include "app/CRegException.h"
#include "app/PageSequence.h"
#include "app/ReportRegException.h"
#include "app/SystemFacts.h"
#include "brand/LanguageSelection.h"
#include "sysinfo/ProductSystemInfo.h"
#include "ui/CWinApp.h"
#include "ui/StringTable.h"
#include "ui/artwork/Artwork.h"
#include "ui/artwork/CDC.h"

namespace kvr {

namespace {

constexpr unsigned kCaptionString = 313;
constexpr int kExitConfirmation = 2243;
constexpr int kStripFromBottom = 44;
constexpr int kCornerFromRight = 200;
constexpr int kCornerFromTop = 30;
// The operating system as the request carries it among the product pairs.
constexpr const char* kOsVersionKey = "q2";
constexpr const char* kOsNameKey = "q3";

// Whether the user has answered in this run; before that the page offers Yes.
bool g_answered = false;

}  // namespace

void CSystemInfoPage::forgetAnswer() { g_answered = false; }

CSystemInfoPage::CSystemInfoPage() : CDialog(IDD_SYSTEM_INFO_PAGE) {
  if (auto* app = ui::AfxGetApp()) app->m_pMainWnd = this;
  onCommand(IDC_SYSINFO_YES, ui::BN_CLICKED, &CSystemInfoPage::OnYes);
  onCommand(IDC_SYSINFO_NO, ui::BN_CLICKED, &CSystemInfoPage::OnNo);
  onCommand(IDC_SYSINFO_BACK, ui::BN_CLICKED, &CSystemInfoPage::OnBack);
  onCommand(IDC_SYSINFO_NEXT, ui::BN_CLICKED, &CSystemInfoPage::OnNext);
  onCommand(IDC_SYSINFO_EXIT, ui::BN_CLICKED, &CSystemInfoPage::OnExit);
  onClose(&CSystemInfoPage::OnClose);
  onMessage(ui::WM_PAINT, &CSystemInfoPage::OnPaint);
}

CSystemInfoPage::~CSystemInfoPage() {
  if (auto* app = ui::AfxGetApp(); app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

bool CSystemInfoPage::PreTranslateMessage(ui::MSG* msg) {
  bool key = msg->message == ui::WM_KEYDOWN || msg->message == ui::WM_KEYUP || msg->message == ui::WM_CHAR;
  if (key && msg->wParam == ui::VK_ESCAPE && IsWindowVisible()) return true;
  return CDialog::PreTranslateMessage(msg);
}

bool CSystemInfoPage::OnInitDialog() {
  CDialog::OnInitDialog();
  ui::onQueryNewPalette(*this, ui::AfxGetApp() ? ui::AfxGetApp()->palette() : nullptr);
  SetWindowText(ui::loadString(kCaptionString));
  if (language().boldTitles()) {
    if (auto* title = GetDlgItem(IDC_SYSINFO_TITLE)) title->setBold(true);
  }
  m_closeWithoutAsking = 0;
  showFacts();
  return true;
}

void CSystemInfoPage::showFacts() {
  int send = g_answered ? ProductSystemInfo::instance().sendFlag() : m_send;
  // A posted click, so that the button's own handler sets the choice.
  int radio = send == 1 ? IDC_SYSINFO_YES : IDC_SYSINFO_NO;
  CheckRadioButton(IDC_SYSINFO_YES, IDC_SYSINFO_NO, radio);
  PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(static_cast<unsigned>(radio), ui::BN_CLICKED));

  SystemFacts facts = systemFacts();
  struct {
    const std::string& value;
    int text;
    int caption;
  } const rows[] = {{facts.manufacturer, IDC_MANUFACTURER, IDC_MANUFACTURER_LABEL},
                    {facts.model, IDC_MODEL, IDC_MODEL_LABEL},
                    {facts.serial, IDC_SERIAL, IDC_SERIAL_LABEL}};
  for (const auto& row : rows) {
    if (!row.value.empty()) {
      SetDlgItemText(row.text, row.value);
    } else if (auto* caption = GetDlgItem(row.caption)) {
      caption->EnableWindow(false);
    }
  }
  SetDlgItemText(IDC_OS, facts.osName + " " + facts.osVersion);
}

void CSystemInfoPage::storeChoice() const {
  ProductSystemInfo& info = ProductSystemInfo::instance();
  info.setSendFlag(m_send);
  g_answered = true;
  if (m_send == 1) {
    SystemFacts facts = systemFacts();
    info.setProductPair(kOsVersionKey, facts.osVersion);
    info.setProductPair(kOsNameKey, facts.osName);
  } else {
    info.setProductPair(kOsVersionKey, {});
    info.setProductPair(kOsNameKey, {});
  }
}

void CSystemInfoPage::OnBack() {
  storeChoice();
  EndDialog(ui::IDCANCEL);
  runContactPage();
}

void CSystemInfoPage::OnNext() {
  storeChoice();
  EndDialog(ui::IDCANCEL);
  runAdditionalInfoPage();
}

void CSystemInfoPage::OnExit() {
  CRegException confirm(kExitConfirmation, nullptr);
  if (ReportRegException(&confirm) == IDC_EXIT_YES) EndDialog(ui::IDCANCEL);
}

void CSystemInfoPage::OnClose() {
  if (!m_closeWithoutAsking) {
    CRegException confirm(kExitConfirmation, nullptr);
    if (ReportRegException(&confirm) != IDC_EXIT_YES) return;
  }
  EndDialog(ui::IDCANCEL);
}

ui::LRESULT CSystemInfoPage::OnPaint(ui::WPARAM, ui::LPARAM) {
  ui::CDC dc(*this);
  ui::Rect client = windowRectPixels();
  ui::drawTransparent(dc, IDB_STRIP, 0, client.cy - kStripFromBottom, ui::kMagenta);
  ui::drawTransparent(dc, IDB_CORNER, client.cx - kCornerFromRight, kCornerFromTop, ui::kMagenta);
  return 0;
}

}  // namespace kvr
