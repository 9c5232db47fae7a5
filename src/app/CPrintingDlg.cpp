#include "app/CPrintingDlg.h"

#include <atomic>

#include "../../res/resource.h"

namespace kvr {

namespace {
std::atomic<bool> g_printAborted{false};
}

bool printAborted() { return g_printAborted.load(); }
void setPrintAborted(bool aborted) { g_printAborted.store(aborted); }

CPrintingDlg::CPrintingDlg() : CDialog(IDD_PRINTING) {
  onCommand(IDC_PRINTING_CANCEL, ui::BN_CLICKED, &CPrintingDlg::OnCancel);
}

void CPrintingDlg::OnCancel() {
  setPrintAborted(true);
  EndDialog(ui::IDCANCEL);
}

}  // namespace kvr
