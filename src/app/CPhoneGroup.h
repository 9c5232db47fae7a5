#pragma once

#include "app/CFieldGroup.h"
#include "ui/WinTypes.h"

namespace kvr::ui {
class CDataExchange;
}

namespace kvr {

// Phone and extension of the contact page (the PhoneRecord).
class CPhoneGroup : public CFieldGroup {
 public:
  explicit CPhoneGroup(ui::CDialog& page);

  void DoDataExchange(ui::CDataExchange* dx);
  void save() const;
  int resolve(int id, int answer);
  // EN_CHANGE of the phone or the extension.
  void OnChange(int id);

 protected:
  int controlId(ContactField field) const override;

 private:
  ui::CString m_phone;
  ui::CString m_extension;
};

}  // namespace kvr
