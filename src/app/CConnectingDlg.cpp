#include "app/CConnectingDlg.h"

#include "../../res/resource.h"

namespace kvr {

CConnectingDlg::CConnectingDlg() : CDialog(IDD_CONNECTING) {
  onCommand(IDC_CONNECTING_CANCEL, ui::BN_CLICKED, &CConnectingDlg::OnCancel);
  onCommand(IDC_CONNECTING_DONE, ui::BN_CLICKED, &CConnectingDlg::OnDone);
}

int CConnectingDlg::runModal() {
  if (int result = m_workerResult.load()) return result;
  return static_cast<int>(DoModal());
}

void CConnectingDlg::endFromWorker(int result) {
  m_workerResult.store(result);
  // Fails harmlessly when the window is not there yet (OnInitDialog then sees the result)
  // or no longer there.
  PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_CONNECTING_DONE, ui::BN_CLICKED));
}

bool CConnectingDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_workerResult.load()) PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_CONNECTING_DONE, ui::BN_CLICKED));
  return true;
}

void CConnectingDlg::OnCancel() { EndDialog(IDC_CONNECTING_CANCEL); }

void CConnectingDlg::OnDone() {
  if (!ended()) EndDialog(m_workerResult.load());
}

}  // namespace kvr
