#pragma once

#include "app/CFieldGroup.h"
#include "ui/Controls.h"
#include "ui/WinTypes.h"

namespace kvr::ui {
class CDataExchange;
}

namespace kvr {

// P.O. box, street, city, state, zip and country of the contact page (the AddressRecord),
// and the French correspondence check box that only Canada offers.
class CAddressGroup : public CFieldGroup {
 public:
  explicit CAddressGroup(ui::CDialog& page);

  void DoDataExchange(ui::CDataExchange* dx);
  void OnInitDialog();
  void save() const;
  int resolve(int id, int answer);
  // EN_CHANGE of one of the group's edits.
  void OnChange(int id);
  // Selection change of the country list.
  void OnCountryChange();

 protected:
  int controlId(ContactField field) const override;

 private:
  void fillCountries();
  void fillStates();
  bool offersFrench(int country) const;
  // Shows the state list and the French box as the selected country asks.
  void followCountry(bool clearFrench);

  ui::CComboBox m_stateList;
  ui::CComboBox m_countryList;
  ui::CButton m_french;
  ui::CString m_poBox;
  ui::CString m_street;
  ui::CString m_city;
  ui::CString m_state;
  ui::CString m_zip;
  ui::CString m_country;
  int m_frenchCheck = 0;
};

}  // namespace kvr
