#include "app/CThankYouDlg.h"

#include "../../res/resource.h"
#include "brand/LanguageSelection.h"
#include "ui/CWinApp.h"
#include "ui/StringTable.h"
#include "ui/artwork/Artwork.h"

namespace kvr {

namespace {
constexpr unsigned kCaptionString = 313;
}

CThankYouDlg::CThankYouDlg() : CDialog(IDD_THANK_YOU) {
  onCommand(IDC_THANKS_EXIT, ui::BN_CLICKED, &CThankYouDlg::OnExit);
}

bool CThankYouDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ui::onQueryNewPalette(*this, ui::AfxGetApp() ? ui::AfxGetApp()->palette() : nullptr);
  SetWindowText(ui::loadString(kCaptionString));
  if (language().boldTitles()) {
    if (auto* title = GetDlgItem(IDC_THANKS_TITLE)) title->setBold(true);
  }
  return true;
}

void CThankYouDlg::OnExit() { EndDialog(IDC_THANKS_EXIT); }

}  // namespace kvr
