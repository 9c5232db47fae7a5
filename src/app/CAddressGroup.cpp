#include "app/CAddressGroup.h"

#include "../../res/resource.h"
#include "app/CRegException.h"
#include "app/ReportRegException.h"
#include "brand/BrandProfile.h"
#include "brand/LanguageSelection.h"
#include "offline/CountryFactory.h"
#include "offline/CountryTable.h"
#include "record/RegistrationRecord.h"
#include "ui/CDataExchange.h"
#include "ui/CDialog.h"

namespace kvr {

namespace {

constexpr int kPipeOrBackslash = 217;
constexpr int kCharacterNotValid = 246;

bool isBlankEntry(const std::string& text) { return text.empty() || text == " "; }

int findText(const ui::CComboBox& list, const std::string& text) {
  for (int i = 0; i < list.GetCount(); ++i)
    if (list.GetLBText(i) == text) return i;
  return -1;
}

int findData(const ui::CComboBox& list, int data) {
  for (int i = 0; i < list.GetCount(); ++i)
    if (static_cast<int>(list.GetItemData(i)) == data) return i;
  return -1;
}

}  // namespace

CAddressGroup::CAddressGroup(ui::CDialog& page) : CFieldGroup(page) {
  const AddressRecord& address = RegistrationRecord::instance().address();
  m_poBox = address.addr2();
  m_street = address.addr1();
  m_city = address.city();
  m_state = address.stateText();
  m_zip = address.zip();
  m_country = address.countryText();
  m_frenchCheck = address.frenchCorrespondence();
}

int CAddressGroup::controlId(ContactField field) const {
  switch (field) {
    case ContactField::PoBox: return IDC_PO_BOX;
    case ContactField::Street: return IDC_STREET;
    case ContactField::City: return IDC_CITY;
    case ContactField::State: return IDC_STATE;
    case ContactField::Zip: return IDC_ZIP;
    case ContactField::Country: return IDC_COUNTRY;
    default: return 0;
  }
}

void CAddressGroup::DoDataExchange(ui::CDataExchange* dx) {
  ui::DDX_Control(dx, IDC_STATE, m_stateList);
  ui::DDX_Control(dx, IDC_COUNTRY, m_countryList);
  ui::DDX_Control(dx, IDC_FRENCH_MAIL, m_french);
  ui::DDX_Text(dx, IDC_PO_BOX, m_poBox, 50);
  ui::DDX_Text(dx, IDC_STREET, m_street, 50);
  ui::DDX_Text(dx, IDC_CITY, m_city, 40);
  ui::DDX_Text(dx, IDC_ZIP, m_zip, 10);
  m_frenchCheck = RegistrationRecord::instance().address().frenchCorrespondence();
  ui::DDX_Check(dx, IDC_FRENCH_MAIL, m_frenchCheck);

  int country = selectedCountry();
  struct {
    ContactField field;
    int control;
    int label;
  } const fields[] = {
      {ContactField::PoBox, IDC_PO_BOX, IDC_PO_BOX_LABEL}, {ContactField::Street, IDC_STREET, IDC_STREET_LABEL},
      {ContactField::City, IDC_CITY, IDC_CITY_LABEL},       {ContactField::Zip, IDC_ZIP, IDC_ZIP_LABEL},
      {ContactField::Country, IDC_COUNTRY, IDC_COUNTRY_LABEL},
  };
  for (const auto& f : fields) {
    bool shown = language().shows(f.field, country);
    show(f.control, shown);
    show(f.label, shown);
  }
}

void CAddressGroup::OnInitDialog() {
  fillCountries();
  int at = isBlankEntry(m_country) ? -1 : findText(m_countryList, m_country);
  if (at < 0) at = findData(m_countryList, defaultCountry()->index());
  m_countryList.SetCurSel(at);
  followCountry(false);
  int state = findText(m_stateList, m_state);
  if (state >= 0) m_stateList.SetCurSel(state);
}

void CAddressGroup::fillCountries() {
  m_countryList.ResetContent();
  for (int index = 0; index < kCountryCount; ++index) {
    std::string name = CCountry::countryName(index);
    if (isBlankEntry(name)) continue;
    int at = m_countryList.AddString(name);
    if (at >= 0) m_countryList.SetItemData(at, static_cast<std::uintptr_t>(index));
  }
}

void CAddressGroup::fillStates() {
  m_stateList.ResetContent();
  int index = selectedCountry();
  if (index < 0) return;
  auto country = countryFor(index);
  bool tableOrder = language().libraryCode() == "JPN";
  for (int i = 0; i < country->stateCount(); ++i) {
    std::string name = country->stateName(i);
    if (isBlankEntry(name)) continue;
    int at = tableOrder ? m_stateList.InsertString(m_stateList.GetCount(), name) : m_stateList.AddString(name);
    if (at >= 0) m_stateList.SetItemData(at, static_cast<std::uintptr_t>(i));
  }
}

bool CAddressGroup::offersFrench(int country) const {
  return country == kCountryCanada && language().allowsFrenchCorrespondence() &&
         brandProfile().offersFrenchCorrespondence();
}

void CAddressGroup::followCountry(bool clearFrench) {
  int country = selectedCountry();
  bool states = language().shows(ContactField::State, country);
  show(IDC_STATE, states);
  show(IDC_STATE_LABEL, states);
  if (states) fillStates();
  bool french = offersFrench(country);
  show(IDC_FRENCH_MAIL, french);
  if (french) {
    m_french.EnableWindow(true);
  } else if (clearFrench) {
    m_french.SetCheck(0);
  }
}

void CAddressGroup::OnCountryChange() { followCountry(true); }

void CAddressGroup::save() const {
  AddressRecord& address = RegistrationRecord::instance().address();
  address.setAddr2(controlText(IDC_PO_BOX));
  address.setAddr1(controlText(IDC_STREET));
  address.setCity(controlText(IDC_CITY));
  address.setZip(controlText(IDC_ZIP));
  int country = selectedCountry();
  address.setCountry(country < 0 ? std::string() : controlText(IDC_COUNTRY), country);
  address.setFrenchCorrespondence(m_french.IsWindowVisible() ? m_french.GetCheck() : 0);
  RegistrationRecord::instance().setQ1(
      language().localeCode(country < 0 ? std::string_view() : countryCodeOf(country)));
  int state = m_stateList.GetCurSel();
  if (country >= 0 && state >= 0 && m_stateList.IsWindowVisible()) {
    address.setState(m_stateList.GetLBText(state),
                     countryFor(country)->stateCode(static_cast<int>(m_stateList.GetItemData(state))));
  } else {
    address.setState({}, {});
  }
}

int CAddressGroup::resolve(int id, int answer) {
  switch (id) {
    case 203: focus(IDC_STREET); return 0;
    // The check names the line that lacks letters: 247 the street, 222 the P.O. box.
    case 247: focus(IDC_STREET); return 0;
    case 222: focus(IDC_PO_BOX); return 0;
    case 204: focus(IDC_CITY); return 0;
    case 205: focus(IDC_STATE); return 0;
    case 206: focus(IDC_ZIP); return 0;
    case 207: focus(IDC_COUNTRY); return 0;
    case 224:
    case 225:
    case 1516:
    case 1517:
      if (answer == ui::IDNO) {
        m_skip = 1;
        return 1;
      }
      focus(IDC_ZIP);
      return 0;
    default: return 0;
  }
}

void CAddressGroup::OnChange(int id) {
  if (id == IDC_ZIP) {
    if (!checkTyping(id, false)) {
      int index = selectedCountry();
      if (index >= 0) {
        try {
          countryFor(index)->checkPostalCode(controlText(IDC_ZIP), isRequired(ContactField::Zip),
                                             m_page.GetDlgItem(IDC_ZIP), codePage());
        } catch (CRegException* raised) {
          CRegExceptionPtr error(raised);
          if (error->id() == kPipeOrBackslash || error->id() == kCharacterNotValid) {
            ReportRegException(error.get());
            focus(IDC_ZIP);
          }
        }
      }
    }
    m_skip = 0;
    return;
  }
  checkTyping(id, false);
}

}  // namespace kvr
