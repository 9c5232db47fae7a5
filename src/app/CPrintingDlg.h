#pragma once

#include "ui/CDialog.h"

namespace kvr {

// Set by the printing window's Cancel (or Escape); the printing loop stops when it sees it.
bool printAborted();
void setPrintAborted(bool aborted);

// "Press cancel to stop printing." (2408), shown modeless while pages are printed.
class CPrintingDlg : public ui::CDialog {
 public:
  CPrintingDlg();

 protected:
  void OnCancel() override;
};

}  // namespace kvr
