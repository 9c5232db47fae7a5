#pragma once

#include "ui/CDialog.h"

namespace kvr {

// "Thank you for taking the time to register!" (2405); Exit ends it with 2327.
class CThankYouDlg : public ui::CDialog {
 public:
  CThankYouDlg();

 protected:
  bool OnInitDialog() override;

 private:
  void OnExit();
};

}  // namespace kvr
