#pragma once

#include "ui/CDialog.h"

namespace kvr {

// "Are you sure you want to exit?" (2406). Ends with 2328 (Yes), 2329 (No) or IDCANCEL.
// Yes with "Prompt me to register in the future" checked adds the 14-day reminder; No keeps
// the box's state in the record.
class CExitConfirmDlg : public ui::CDialog {
 public:
  CExitConfirmDlg();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(ui::CDataExchange* dx) override;

 private:
  void OnYes();
  void OnNo();

  int m_promptLater;
};

}  // namespace kvr
