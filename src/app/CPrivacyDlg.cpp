#include "app/CPrivacyDlg.h"

#include "../../res/resource.h"
#include "ui/CDataExchange.h"
#include "ui/StringTable.h"

namespace kvr {

namespace {
constexpr unsigned kCaptionString = 313;
}

std::string CPrivacyDlg::statementText() {
  auto text = [](unsigned id) { return ui::loadString(id); };
  std::string a = text(236) + text(237);
  if (std::string lead = text(244); !lead.empty()) a = lead + a;
  std::string b = text(238) + text(239);
  return a + "\n\n" + b + text(240) + "\n\n" + text(241) + "\n\n" + text(242) + "\n\n" + text(243);
}

CPrivacyDlg::CPrivacyDlg() : CDialog(IDD_PRIVACY), m_text(statementText()) {
  onCommand(IDC_PRIVACY_OK, ui::BN_CLICKED, &CPrivacyDlg::OnOk);
}

bool CPrivacyDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(ui::loadString(kCaptionString));
  return true;
}

void CPrivacyDlg::DoDataExchange(ui::CDataExchange* dx) {
  if (!dx->saving()) SetDlgItemText(IDC_PRIVACY_TEXT, m_text);
}

void CPrivacyDlg::OnOk() { EndDialog(IDC_PRIVACY_OK); }

}  // namespace kvr
