#include "app/CNameGroup.h"

#include "../../res/resource.h"
#include "brand/LanguageSelection.h"
#include "record/RegistrationRecord.h"
#include "ui/CDataExchange.h"
#include "ui/CDialog.h"
#include "ui/StringTable.h"

namespace kvr {

namespace {

constexpr int kJapanese = 4;
constexpr unsigned kFirstPrefix = 500;
constexpr unsigned kLastPrefix = 504;
constexpr unsigned kFirstSuffix = 525;
constexpr unsigned kLastSuffix = 534;

bool isBlankEntry(const std::string& text) { return text.empty() || text == " "; }

void fill(ui::CComboBox& list, unsigned first, unsigned last, bool keepFirstBlank) {
  list.ResetContent();
  for (unsigned id = first; id <= last; ++id) {
    std::string entry = ui::loadString(id);
    if (isBlankEntry(entry) && !(keepFirstBlank && id == first && entry == " ")) continue;
    int at = list.AddString(entry);
    if (at >= 0) list.SetItemData(at, id - first);
  }
}

void selectText(ui::CComboBox& list, const std::string& text) {
  for (int i = 0; i < list.GetCount(); ++i) {
    if (list.GetLBText(i) == text) {
      list.SetCurSel(i);
      return;
    }
  }
}

int selectedData(const ui::CComboBox& list) {
  int at = list.GetCurSel();
  return at < 0 ? -1 : static_cast<int>(list.GetItemData(at));
}

}  // namespace

CNameGroup::CNameGroup(ui::CDialog& page) : CFieldGroup(page) {
  const NameRecord& name = RegistrationRecord::instance().name();
  m_prefix = name.prefixText();
  m_firstName = name.firstName();
  m_initial = name.initial();
  m_lastName = name.lastName();
  m_suffix = name.suffixText();
}

bool CNameGroup::listsAreEdits() const { return language().code() == kJapanese; }

int CNameGroup::controlId(ContactField field) const {
  switch (field) {
    case ContactField::Prefix: return IDC_PREFIX;
    case ContactField::FirstName: return IDC_FIRST_NAME;
    case ContactField::Initial: return IDC_INITIAL;
    case ContactField::LastName: return IDC_LAST_NAME;
    case ContactField::Suffix: return IDC_SUFFIX;
    default: return 0;
  }
}

void CNameGroup::DoDataExchange(ui::CDataExchange* dx) {
  if (listsAreEdits()) {
    ui::DDX_Text(dx, IDC_PREFIX, m_prefix, 50);
    ui::DDX_Text(dx, IDC_SUFFIX, m_suffix, 50);
  } else {
    ui::DDX_Control(dx, IDC_PREFIX, m_prefixList);
    ui::DDX_Control(dx, IDC_SUFFIX, m_suffixList);
  }
  ui::DDX_Text(dx, IDC_FIRST_NAME, m_firstName, 30);
  ui::DDX_Text(dx, IDC_INITIAL, m_initial, 1);
  ui::DDX_Text(dx, IDC_LAST_NAME, m_lastName, 30);

  int country = selectedCountry();
  bool prefix = language().shows(ContactField::Prefix, country);
  show(IDC_PREFIX, prefix);
  show(IDC_PREFIX_LABEL, prefix);
  bool first = language().shows(ContactField::FirstName, country);
  show(IDC_FIRST_NAME, first);
  show(IDC_FIRST_NAME_LABEL, first);
  bool initial = language().shows(ContactField::Initial, country);
  show(IDC_INITIAL, initial);
  show(IDC_INITIAL_LABEL, initial);
  show(IDC_LAST_NAME, language().shows(ContactField::LastName, country));
  bool suffix = language().shows(ContactField::Suffix, country);
  show(IDC_SUFFIX, suffix);
  show(IDC_SUFFIX_LABEL, suffix);
}

void CNameGroup::OnInitDialog() {
  if (listsAreEdits()) return;
  fill(m_prefixList, kFirstPrefix, kLastPrefix, false);
  fill(m_suffixList, kFirstSuffix, kLastSuffix, true);
  selectText(m_prefixList, m_prefix);
  selectText(m_suffixList, m_suffix);
}

void CNameGroup::save() const {
  NameRecord& name = RegistrationRecord::instance().name();
  name.setFirstName(controlText(IDC_FIRST_NAME));
  name.setInitial(controlText(IDC_INITIAL));
  name.setLastName(controlText(IDC_LAST_NAME));
  if (listsAreEdits()) {
    name.setPrefix(controlText(IDC_PREFIX), -1);
    name.setSuffix(controlText(IDC_SUFFIX), -1);
  } else {
    name.setPrefix(controlText(IDC_PREFIX), selectedData(m_prefixList));
    name.setSuffix(controlText(IDC_SUFFIX), selectedData(m_suffixList));
  }
}

int CNameGroup::resolve(int id) const {
  switch (id) {
    case 201: focus(IDC_FIRST_NAME); break;
    case 202: focus(IDC_LAST_NAME); break;
    case 1519: focus(IDC_PREFIX); break;
    case 1520: focus(IDC_SUFFIX); break;
    default: break;
  }
  return 0;
}

void CNameGroup::OnChange(int id) const { checkTyping(id, id != IDC_INITIAL); }

}  // namespace kvr
