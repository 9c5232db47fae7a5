#pragma once

#include <memory>

#include "ui/CDialog.h"
#include "ui/Controls.h"

namespace kvr {

class CAddressGroup;
class CNameGroup;
class CPhoneGroup;

// The first wizard page (2403): name, address and phone through their field groups; job
// title, company, e-mail and the marketing consent itself. Next checks everything one
// failure at a time, stores the page into the record and runs the next page.
class CContactPage : public ui::CDialog {
 public:
  CContactPage();
  ~CContactPage() override;

  bool PreTranslateMessage(ui::MSG* msg) override;

  // The page's reaction to a reported check failure: 1 to check again, 0 to stay.
  int ResolveValidationError(int id, int answer, ui::CWnd* owner);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(ui::CDataExchange* dx) override;
  // EN_CHANGE of every edit: the page's own typing checks and the groups'.
  bool onUnmappedCommand(int id, ui::UINT code) override;

 private:
  void OnNext();
  void OnExit();
  void OnClose();
  void OnPrivacy();
  void OnCountryChange();
  void OnOwnChange(int id);
  ui::LRESULT OnPaint(ui::WPARAM, ui::LPARAM);
  // One pass of the page's checks; throws the first failure.
  void validate() const;
  void store() const;

  std::unique_ptr<CNameGroup> m_name;
  std::unique_ptr<CAddressGroup> m_address;
  std::unique_ptr<CPhoneGroup> m_phone;
  ui::CEdit m_jobTitleEdit;
  ui::CEdit m_companyEdit;
  ui::CEdit m_emailEdit;
  ui::CButton m_consentBox;
  ui::CString m_jobTitle;
  ui::CString m_email;
  ui::CString m_company;
  int m_consent = 0;
  bool m_consumerForm = false;
  int m_emailSkip = 0;
};

}  // namespace kvr
