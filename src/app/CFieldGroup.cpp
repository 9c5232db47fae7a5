#include "app/CFieldGroup.h"

#include "../../res/resource.h"
#include "app/CRegException.h"
#include "app/ReportRegException.h"
#include "brand/BrandProfile.h"
#include "brand/LanguageSelection.h"
#include "record/ValidationText.h"
#include "ui/CDialog.h"
#include "ui/Controls.h"
#include "ui/Resources.h"

namespace kvr {

namespace {
constexpr int kPipeOrBackslash = 217;
constexpr int kOnlyLetters = 221;
}  // namespace

std::string CFieldGroup::text(ContactField field) const {
  int id = controlId(field);
  return id ? controlText(id) : std::string();
}

bool CFieldGroup::isShown(ContactField field) const {
  int id = controlId(field);
  if (!id || !language().shows(field, selectedCountry())) return false;
  auto* item = m_page.GetDlgItem(id);
  return item && item->IsWindowVisible() && item->IsWindowEnabled();
}

bool CFieldGroup::isRequired(ContactField field) const {
  const BrandProfile& brand = brandProfile();
  switch (field) {
    case ContactField::Prefix: return brand.requiresPrefix();
    case ContactField::FirstName: return brand.requiresFirstName();
    case ContactField::Initial: return brand.requiresInitial();
    case ContactField::LastName: return brand.requiresLastName();
    case ContactField::Suffix: return brand.requiresSuffix();
    case ContactField::PoBox:
    case ContactField::Street: return brand.requiresAddress();
    case ContactField::City: return brand.requiresCity();
    case ContactField::State: return brand.requiresState();
    case ContactField::Zip: return brand.requiresZip();
    case ContactField::Phone: return brand.requiresPhone();
    case ContactField::Extension: return brand.requiresExtension();
    case ContactField::JobTitle: return brand.requiresJobTitle();
    case ContactField::Company: return brand.requiresCompany();
    case ContactField::Email: return brand.requiresEmail();
    case ContactField::Country: return true;
  }
  return false;
}

ui::CWnd* CFieldGroup::control(ContactField field) const {
  int id = controlId(field);
  return id ? m_page.GetDlgItem(id) : nullptr;
}

int CFieldGroup::selectedCountry() const {
  auto* item = m_page.GetDlgItem(IDC_COUNTRY);
  const ui::Widget* widget = item ? item->widget() : nullptr;
  if (!widget || widget->selection < 0 || static_cast<std::size_t>(widget->selection) >= widget->items.size())
    return -1;
  return static_cast<int>(widget->items[static_cast<std::size_t>(widget->selection)].data);
}

std::string CFieldGroup::controlText(int id) const {
  auto* item = m_page.GetDlgItem(id);
  if (!item) return {};
  const ui::Widget* widget = item->widget();
  if (widget && widget->kind == ui::ControlKind::ComboBox && !widget->items.empty() && widget->selection >= 0 &&
      static_cast<std::size_t>(widget->selection) < widget->items.size())
    return widget->items[static_cast<std::size_t>(widget->selection)].text;
  return item->GetWindowText();
}

void CFieldGroup::focus(int id) const {
  auto* item = m_page.GetDlgItem(id);
  if (item && item->IsWindowVisible()) item->SetFocus();
}

void CFieldGroup::reportTyping(int errorId, int id) const {
  CRegException error(errorId, m_page.GetDlgItem(id));
  ReportRegException(&error);
  focus(id);
}

bool CFieldGroup::checkTyping(int id, bool digits) const {
  std::string typed = controlText(id);
  if (findPipeOrBackslash(typed, codePage()) >= 0) {
    reportTyping(kPipeOrBackslash, id);
    return true;
  }
  if (digits && findDigit(typed, codePage()) >= 0) {
    reportTyping(kOnlyLetters, id);
    return true;
  }
  return false;
}

void CFieldGroup::show(int id, bool visible) const {
  if (auto* item = m_page.GetDlgItem(id)) item->ShowWindow(visible ? ui::SW_SHOW : ui::SW_HIDE);
}

int CFieldGroup::codePage() { return ui::resources().codePage(); }

}  // namespace kvr
