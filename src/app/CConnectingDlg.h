#pragma once

#include <atomic>

#include "net/ConnectingDialog.h"
#include "ui/CDialog.h"

namespace kvr {

// "Making connection...please wait" (2409) while the submission worker runs. Cancel or
// Escape ends it with 2330; the worker ends it from its own thread with its result.
class CConnectingDlg : public ui::CDialog, public net::ConnectingDialog {
 public:
  CConnectingDlg();

  int runModal() override;
  void endFromWorker(int result) override;

 protected:
  bool OnInitDialog() override;
  void OnCancel() override;

 private:
  void OnDone();

  // 0 until the worker ends the dialog; the worker may do so before the window exists.
  std::atomic<int> m_workerResult{0};
};

}  // namespace kvr
