#pragma once

#include <string>

#include "ui/CDialog.h"

namespace kvr {

// The privacy statement (2412), built from strings 236 to 244 so that a language module can
// change it; OK ends it with 2324.
class CPrivacyDlg : public ui::CDialog {
 public:
  CPrivacyDlg();

  static std::string statementText();
  const std::string& text() const { return m_text; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(ui::CDataExchange* dx) override;

 private:
  void OnOk();

  std::string m_text;
};

}  // namespace kvr
