#include "app/CPhoneGroup.h"

#include "../../res/resource.h"
#include "brand/LanguageSelection.h"
#include "record/RegistrationRecord.h"
#include "ui/CDataExchange.h"
#include "ui/CDialog.h"

namespace kvr {

CPhoneGroup::CPhoneGroup(ui::CDialog& page) : CFieldGroup(page) {
  const PhoneRecord& phone = RegistrationRecord::instance().phone();
  m_phone = phone.phone();
  m_extension = phone.extension();
}

int CPhoneGroup::controlId(ContactField field) const {
  if (field == ContactField::Phone) return IDC_PHONE;
  if (field == ContactField::Extension) return IDC_EXTENSION;
  return 0;
}

void CPhoneGroup::DoDataExchange(ui::CDataExchange* dx) {
  ui::DDX_Text(dx, IDC_PHONE, m_phone, 20);
  ui::DDX_Text(dx, IDC_EXTENSION, m_extension, 5);
  int country = selectedCountry();
  bool phone = language().shows(ContactField::Phone, country);
  show(IDC_PHONE, phone);
  show(IDC_PHONE_LABEL, phone);
  bool extension = language().shows(ContactField::Extension, country);
  show(IDC_EXTENSION, extension);
  show(IDC_EXTENSION_LABEL, extension);
}

void CPhoneGroup::save() const {
  PhoneRecord& phone = RegistrationRecord::instance().phone();
  phone.setPhone(controlText(IDC_PHONE));
  phone.setExtension(controlText(IDC_EXTENSION));
}

int CPhoneGroup::resolve(int id, int answer) {
  switch (id) {
    case 208: focus(IDC_PHONE); return 0;
    case 223:
      if (answer != ui::IDYES) return 1;
      focus(IDC_PHONE);
      return 0;
    case 1515:
      if (answer == ui::IDNO) {
        m_skip = 1;
        return 1;
      }
      focus(IDC_PHONE);
      return 0;
    default: return 0;
  }
}

void CPhoneGroup::OnChange(int id) {
  checkTyping(id, false);
  if (id == IDC_PHONE) m_skip = 0;
}

}  // namespace kvr
